#include "trandqueryform.h"

#include "apppaths.h"
#include "captionlabel.h"
#include "customconversion.h"
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
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

TRandQueryForm::TRandQueryForm(const QString &name, QWidget *parent) : QWidget(parent), projectName(name)
{
    setObjectName(QStringLiteral("TRandQueryForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("更改随机数参数"));
    resize(560, 440);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    randInfo = MakeRandInfo(this);
    layout->addWidget(MakeCaptionLabel(tr("随机数配置："), randInfo, this));
    layout->addWidget(randInfo, 1);

    auto *linkRow = new QHBoxLayout;
    convertToCustom = new QPushButton(tr("将当前工程转换为自定义类型"), this);
    convertToCustom->setObjectName(QStringLiteral("ConvertToCustom"));
    convertToCustom->hide();
    randInfoEdit = MakeRandInfoEdit(this);
    linkRow->addWidget(convertToCustom);
    linkRow->addStretch(1);
    linkRow->addWidget(randInfoEdit);
    layout->addLayout(linkRow);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    bOK = new QPushButton(tr("完成"), this);
    bOK->setObjectName(QStringLiteral("BOK"));
    bCancel = new QPushButton(tr("取消"), this);
    bCancel->setObjectName(QStringLiteral("BCancel"));
    buttonRow->addWidget(bOK);
    buttonRow->addWidget(bCancel);
    buttonRow->addStretch(1);
    layout->addLayout(buttonRow);

    commander = MakeCommander(this);

    connect(randInfoEdit, &QPushButton::clicked, this, &TRandQueryForm::RandInfoEditClick);
    connect(convertToCustom, &QPushButton::clicked, this, &TRandQueryForm::ConvertToCustomClick);
    connect(bOK, &QPushButton::clicked, this, &TRandQueryForm::BOKClick);
    connect(bCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, bCancel, &QPushButton::click);
    connect(commander, &QPushButton::clicked, this, &TRandQueryForm::CommanderClick);
}

ModeDialog *TRandQueryForm::OpenModeDialog() const
{
    return modeDialog;
}

void TRandQueryForm::paintEvent(QPaintEvent *)
{
    PaintDialogBackground(this);
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
    setWindowTitle(tr("随机数参数"));
    try {
        const QDomDocument document = LoadEncodedDocument(ProjectFilePath(projectName));
        const QuerySection section = ReadQuerySection(document);
        typeIndex = section.pmode;
        params = section.params;
        fair = ReadFairSettings(document);
        itemFair = ReadItemFairSettings(document);
        verifiable = ReadVerifiableOption(document);
        loaded = true;
    } catch (const SuiteError &error) {
        ShowError(this, tr("读取失败"), error.message());
        // Nothing to edit: leave (which also clears the designer's request).
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    ShowQuery();
}

void TRandQueryForm::ShowQuery()
{
    convertToCustom->setVisible(CanConvertToCustom(typeIndex));
    ShowQueryDescription(randInfo, params, typeIndex);
}

void TRandQueryForm::RandInfoEditClick()
{
    if (loaded)
        OpenProjectDialog(modeDialog, this, commander, typeIndex, params, verifiable, fair, itemFair);
}

void TRandQueryForm::CommanderClick()
{
    if (TakeProjectDialogResult(modeDialog, typeIndex, params, verifiable, fair, itemFair))
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
        if (TypeDrawsFairly(typeIndex))
            WriteFairSettings(document, fair);
        if (TypeHasFairItems(typeIndex))
            WriteItemFairSettings(document, itemFair);
        WriteVerifiableOption(document, verifiable && typeIndex != 6);
        StampEditTime(document, CurrentDateTimeText());
        SaveEncodedDocument(document, path);
    } catch (const SuiteError &error) {
        ShowError(this, tr("保存失败"), error.message());
        return;
    }
    close();
}

void TRandQueryForm::ConvertToCustomClick()
{
    if (!loaded || !CanConvertToCustom(typeIndex))
        return;
    if (AskYesNo(this, tr("提示"),
                 tr("确认将当前工程转换为自定义类型？转换完成之后，原有的数据不会改变，您将可以"
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
        ShowError(this, tr("保存失败"), error.message());
        return;
    }
    if (modeDialog)
        modeDialog->close();
    typeIndex = converted.pmode;
    params = converted.params;
    ShowQuery();
    ShowInformation(this, tr("保存成功"), tr("当前工程已经成功保存为自定义类型！"));
}

void TRandQueryForm::closeEvent(QCloseEvent *event)
{
    if (modeDialog)
        modeDialog->close();
    Guarded(this, [] { ResetRandEditSender(); });
    event->accept();
}
