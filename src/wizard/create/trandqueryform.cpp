#include "trandqueryform.h"

#include "apppaths.h"
#include "customconversion.h"
#include "describequery.h"
#include "encodedxml.h"
#include "gradient.h"
#include "guarded.h"
#include "handoff.h"
#include "messages.h"
#include "modedialog.h"
#include "modedialogfactory.h"
#include "projectheader.h"
#include "suiteerror.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TRandQueryForm::TRandQueryForm(const QString &name, QWidget *parent) : QWidget(parent), projectName(name)
{
    setObjectName(QStringLiteral("TRandQueryForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("更改随机数参数"));
    resize(560, 440);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(new QLabel(QStringLiteral("随机数配置："), this));
    randInfo = new QPlainTextEdit(this);
    randInfo->setObjectName(QStringLiteral("RandInfo"));
    randInfo->setReadOnly(true);
    randInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    randInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    randInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(randInfo, 1);

    auto *linkRow = new QHBoxLayout;
    convertToCustom = new QPushButton(QStringLiteral("将当前工程转换为自定义类型"), this);
    convertToCustom->setObjectName(QStringLiteral("ConvertToCustom"));
    convertToCustom->hide();
    randInfoEdit = new QPushButton(QStringLiteral("点此编辑参数"), this);
    randInfoEdit->setObjectName(QStringLiteral("RandInfoEdit"));
    randInfoEdit->setFlat(true);
    randInfoEdit->setCursor(Qt::PointingHandCursor);
    randInfoEdit->setStyleSheet(QStringLiteral("QPushButton { color: #0000c0; text-decoration: underline;"
                                               " border: none; background: transparent; }"));
    linkRow->addWidget(convertToCustom);
    linkRow->addStretch(1);
    linkRow->addWidget(randInfoEdit);
    layout->addLayout(linkRow);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    bOK = new QPushButton(QStringLiteral("完成"), this);
    bOK->setObjectName(QStringLiteral("BOK"));
    bCancel = new QPushButton(QStringLiteral("取消"), this);
    bCancel->setObjectName(QStringLiteral("BCancel"));
    buttonRow->addWidget(bOK);
    buttonRow->addWidget(bCancel);
    buttonRow->addStretch(1);
    layout->addLayout(buttonRow);

    commander = new QPushButton(this);
    commander->setObjectName(QStringLiteral("Commander"));
    commander->hide();

    connect(randInfoEdit, &QPushButton::clicked, this, &TRandQueryForm::RandInfoEditClick);
    connect(convertToCustom, &QPushButton::clicked, this, &TRandQueryForm::ConvertToCustomClick);
    connect(bOK, &QPushButton::clicked, this, &TRandQueryForm::BOKClick);
    connect(bCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(commander, &QPushButton::clicked, this, &TRandQueryForm::CommanderClick);
}

ModeDialog *TRandQueryForm::OpenModeDialog() const
{
    return modeDialog;
}

void TRandQueryForm::paintEvent(QPaintEvent *)
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    PaintGradient(DialogGradient, image);
    QPainter(this).drawImage(0, 0, image);
}

void TRandQueryForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!shownOnce) {
        shownOnce = true;
        FormShow();
    }
}

void TRandQueryForm::FormShow()
{
    setWindowTitle(QStringLiteral("随机数参数"));
    try {
        const QuerySection section = ReadQuerySection(LoadEncodedDocument(ProjectFilePath(projectName)));
        typeIndex = section.pmode;
        params = section.params;
        loaded = true;
    } catch (const SuiteError &error) {
        ShowError(this, QStringLiteral("读取失败"), error.message());
        // Nothing to edit: leave (which also clears the designer's request).
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    ShowQuery();
}

void TRandQueryForm::ShowQuery()
{
    convertToCustom->setVisible(CanConvertToCustom(typeIndex));
    QStringList lines;
    try {
        DescribeQuery(lines, params, typeIndex);
    } catch (const SuiteError &error) {
        lines << error.message();
    }
    randInfo->setPlainText(lines.join(QLatin1Char('\n')));
}

void TRandQueryForm::RandInfoEditClick()
{
    if (!loaded)
        return;
    if (modeDialog) {
        modeDialog->raise();
        modeDialog->activateWindow();
        return;
    }
    ModeDialog *dialog = CreateModeDialog(typeIndex, this);
    if (!dialog) {
        ShowError(this, QStringLiteral("参数有误"), QStringLiteral("该工程类型的参数设置窗口无法打开！"));
        return;
    }
    dialog->setWindowFlag(Qt::Window);
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog->SetRequirer(kRequirerCreatePage);
    dialog->SetCommander(commander);
    dialog->LoadProject(typeIndex, params);
    modeDialog = dialog;
    dialog->show();
}

void TRandQueryForm::CommanderClick()
{
    if (!modeDialog)
        return;
    randInfo->clear();
    params = modeDialog->EncodeProject(typeIndex, params);
    modeDialog->close();
    ShowQuery();
}

void TRandQueryForm::BOKClick()
{
    if (!loaded)
        return;
    // The file is read again here: the designer may have saved its display design
    // while this window was open, and that must not be lost.
    try {
        const QString path = ProjectFilePath(projectName);
        QDomDocument document = LoadEncodedDocument(path);
        WriteQuerySection(document, params, typeIndex);
        StampEditTime(document, CurrentDateTimeText());
        SaveEncodedDocument(document, path);
    } catch (const SuiteError &error) {
        ShowError(this, QStringLiteral("保存失败"), error.message());
        return;
    }
    close();
}

void TRandQueryForm::ConvertToCustomClick()
{
    if (!loaded || !CanConvertToCustom(typeIndex))
        return;
    if (AskYesNo(this, QStringLiteral("提示"),
                 QStringLiteral("确认将当前工程转换为自定义类型？转换完成之后，原有的数据不会改变，您将可以"
                                "使用组合模式(或计算模式下)下的所有功能。转换完成后无法恢复为原有工程类型。"))
        != QMessageBox::Yes)
        return;
    const QuerySection converted = ConvertToCustomQuery(typeIndex, params);
    try {
        const QString path = ProjectFilePath(projectName);
        QDomDocument document = LoadEncodedDocument(path);
        ReplaceQuerySection(document, converted);
        SaveEncodedDocument(document, path);
    } catch (const SuiteError &error) {
        ShowError(this, QStringLiteral("保存失败"), error.message());
        return;
    }
    if (modeDialog)
        modeDialog->close();
    typeIndex = converted.pmode;
    params = converted.params;
    ShowQuery();
    ShowInformation(this, QStringLiteral("保存成功"), QStringLiteral("当前工程已经成功保存为自定义类型！"));
}

void TRandQueryForm::closeEvent(QCloseEvent *event)
{
    if (modeDialog)
        modeDialog->close();
    Guarded(this, [] { ResetRandEditSender(); });
    event->accept();
}
