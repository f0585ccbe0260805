#include "messages.h"

#include <QAbstractButton>

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
    // The standard buttons speak Chinese like every other text (no Qt translation is
    // installed with the programs).
    const std::pair<QMessageBox::StandardButton, QString> captions[] = {
        {QMessageBox::Ok, QStringLiteral("确定")},
        {QMessageBox::Yes, QStringLiteral("是")},
        {QMessageBox::No, QStringLiteral("否")},
        {QMessageBox::Cancel, QStringLiteral("取消")}};
    for (const auto &[button, label] : captions) {
        if (QAbstractButton *shown = box.button(button))
            shown->setText(label);
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

QString RightsMessageText()
{
    return QStringLiteral("当前软件访问权限不足，请您尝试用以下方式解决该问题："
                          "1.打开软件安装目录，打开软件安装目录下的Quorin.exe、Varnel.exe、Ostrel.exe、"
                          "Dellamy.exe，鼠标右击应用程序，选择“属性→兼容性”，勾选“以管理员身份运行此程序”。"
                          "2.如果经过上述操作仍无法解决问题，请您将本软件重新安装到Ｄ盘。");
}

void ShowRightsMessage(QWidget *parent)
{
    ShowError(parent, QStringLiteral("软件权限不足"), RightsMessageText());
}
