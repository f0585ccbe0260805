#include "messages.h"

#include "apppaths.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>

namespace {
MessageHandler &handler()
{
    static MessageHandler h;
    return h;
}

QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                                 const QString &text, QMessageBox::StandardButtons buttons)
{
    if (handler())
        return handler()(ShownMessage{icon, caption, text, buttons});
    QMessageBox box(icon, caption, text, buttons, parent);
    // The standard buttons speak the interface language like every other text.
    const std::pair<QMessageBox::StandardButton, const char *> captions[] = {
        {QMessageBox::Ok, QT_TRANSLATE_NOOP("Messages", "确定")},
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("Messages", "是")},
        {QMessageBox::No, QT_TRANSLATE_NOOP("Messages", "否")},
        {QMessageBox::Cancel, QT_TRANSLATE_NOOP("Messages", "取消")}};
    for (const auto &[button, label] : captions) {
        if (QAbstractButton *shown = box.button(button))
            shown->setText(QCoreApplication::translate("Messages", label));
    }
    return QMessageBox::StandardButton(box.exec());
}
} // namespace

void SetMessageHandler(MessageHandler h)
{
    handler() = std::move(h);
}

void ShowError(QWidget *parent, const QString &caption, const QString &text)
{
    show(parent, QMessageBox::Critical, caption, text, QMessageBox::Ok);
}

void ShowInformation(QWidget *parent, const QString &caption, const QString &text)
{
    show(parent, QMessageBox::Information, caption, text, QMessageBox::Ok);
}

void ShowWarning(QWidget *parent, const QString &caption, const QString &text)
{
    show(parent, QMessageBox::Warning, caption, text, QMessageBox::Ok);
}

QMessageBox::StandardButton AskYesNo(QWidget *parent, const QString &caption, const QString &text)
{
    return show(parent, QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No);
}

QMessageBox::StandardButton AskYesNoCancel(QWidget *parent, const QString &caption, const QString &text)
{
    return show(parent, QMessageBox::Question, caption, text,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

QString RightsMessageText(const QString &problem)
{
    const QString what = problem.isEmpty()
                             ? QCoreApplication::translate("Messages", "无法写入数据文件夹“%1”。").arg(QDir::toNativeSeparators(AppDir()))
                             : problem;
    return what + QCoreApplication::translate("Messages", "\n请确认该文件夹存在，并且当前用户有权读写它（检查它的所有者和权限，"
                                 "或换一个可写的文件夹），然后再试。");
}

void ShowRightsMessage(QWidget *parent, const QString &problem)
{
    ShowError(parent, QCoreApplication::translate("Messages", "软件权限不足"), RightsMessageText(problem));
}
