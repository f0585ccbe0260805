#include "recordcontroller.h"

#include "frequencyform.h"
#include "messages.h"
#include "recorddialogs.h"
#include "savefilechooser.h"
#include "statform.h"
#include "suiteerror.h"
#include "textfile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

RecordController::RecordController(QWidget *recordBox, QWidget *window)
    : QObject(window), box(recordBox), window(window), menu(new QMenu(window))
{
    setObjectName(QStringLiteral("RecordController"));
    plainMemo = qobject_cast<QPlainTextEdit *>(recordBox);
    richMemo = qobject_cast<QTextEdit *>(recordBox);
    label = qobject_cast<QLabel *>(recordBox);

    menu->setObjectName(QStringLiteral("RandMenu"));
    AddItem(QStringLiteral("RRMenu_Cut"), tr("剪切"), &RecordController::RRMenu_CutClick);
    AddItem(QStringLiteral("RRMenu_Copy"), tr("复制"), &RecordController::RRMenu_CopyClick);
    AddItem(QStringLiteral("RRMenu_Paste"), tr("粘贴"), &RecordController::RRMenu_PasteClick);
    AddItem(QStringLiteral("RRMenu_Clear"), tr("清除"), &RecordController::RRMenu_ClearClick);
    menu->addSeparator();
    AddItem(QStringLiteral("RRMenu_Save"), tr("保存随机数记录"), &RecordController::RRMenu_SaveClick);
    menu->addSeparator();
    AddItem(QStringLiteral("RRMenu_ClearNewLine"), tr("清除换行"), &RecordController::RRMenu_ClearNewLineClick);
    AddItem(QStringLiteral("RRMenu_NewLine"), tr("批量换行"), &RecordController::RRMenu_NewLineClick);
    AddItem(QStringLiteral("RRMenu_AutoNewLine"), tr("自动换行设置"),
            &RecordController::RRMenu_AutoNewLineClick);
    menu->addSeparator();
    AddItem(QStringLiteral("RRMenu_Sort"), tr("排序"), &RecordController::RRMenu_SortClick);
    AddItem(QStringLiteral("Menu_AutoSort"), tr("自动排序设置"), &RecordController::Menu_AutoSortClick);
    AddItem(QStringLiteral("Menu_DelRepeat"), tr("删除重复项"), &RecordController::Menu_DelRepeatClick);
    menu->addSeparator();
    AddItem(QStringLiteral("RRMenu_CheckFrequency"), tr("频数统计"),
            &RecordController::RRMenu_CheckFrequencyClick);
    AddItem(QStringLiteral("RRMenu_Stat"), tr("随机数统计"), &RecordController::RRMenu_StatClick);
    connect(menu, &QMenu::aboutToShow, this, &RecordController::UpdateClipboardItems);

    if (recordBox) {
        recordBox->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(recordBox, &QWidget::customContextMenuRequested, this,
                [this](const QPoint &at) { menu->popup(box->mapToGlobal(at)); });
    }
}

QAction *RecordController::AddItem(const QString &name, const QString &caption, void (RecordController::*handler)())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void RecordController::AddWindowKeys(const QList<QKeySequence> &taken)
{
    // Cut, copy and paste keep the record box's own keys.
    const std::pair<const char *, QKeySequence> keys[] = {
        {"RRMenu_Clear", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
        {"RRMenu_Save", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"RRMenu_ClearNewLine", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)},
        {"RRMenu_NewLine", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"RRMenu_Sort", QKeySequence(Qt::CTRL | Qt::Key_T)},
        {"Menu_DelRepeat", QKeySequence(Qt::CTRL | Qt::Key_D)},
        {"RRMenu_CheckFrequency", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"RRMenu_Stat", QKeySequence(Qt::CTRL | Qt::Key_I)},
    };
    for (const auto &[name, key] : keys) {
        if (taken.contains(key))
            continue;
        QAction *action = menu->findChild<QAction *>(QLatin1String(name));
        action->setShortcut(key);
        window->addAction(action);
    }
}

void RecordController::SetSeparator(const QString &newSeparator)
{
    separator = newSeparator;
}

void RecordController::SetNumberFormat(const QString &newNumberFormat)
{
    numberFormat = newNumberFormat;
}

void RecordController::SetFrequencyChartDefaults(const QString &style, bool show3D)
{
    frequencyStyle = style;
    frequencyShow3D = show3D;
}

void RecordController::SetSettings(const RecordSettings &newSettings)
{
    settings = newSettings;
}

RecordShape RecordController::Shape() const
{
    return RecordShape{separator, label ? RecordBoxKind::Label : RecordBoxKind::Memo};
}

QString RecordController::RecordText() const
{
    if (label)
        return label->text();
    const QString text = plainMemo ? plainMemo->toPlainText() : richMemo ? richMemo->toPlainText() : QString();
    QString stored = text;
    return stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void RecordController::SetRecordText(const QString &text)
{
    QString shown = text;
    if (label) {
        label->setText(shown);
        return;
    }
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (plainMemo)
        plainMemo->setPlainText(shown);
    else if (richMemo)
        richMemo->setPlainText(shown);
}

void RecordController::UpdateClipboardItems()
{
    const bool editable = (plainMemo && !plainMemo->isReadOnly()) || (richMemo && !richMemo->isReadOnly());
    menu->findChild<QAction *>(QStringLiteral("RRMenu_Cut"))->setEnabled(editable);
    menu->findChild<QAction *>(QStringLiteral("RRMenu_Paste"))->setEnabled(editable);
}

void RecordController::AfterBatchAppended()
{
    if (settings.autoNewLineCount > 0)
        SetRecordText(BreakRecordLines(RecordText(), Shape(), settings.autoNewLineCount));
    if (settings.autoSortAfterBatch) {
        try {
            ApplySort(settings.sortScheme);
        } catch (const SuiteError &error) {
            ShowError(window, StatTypeErrorCaption(), error.message());
        }
    }
}

bool RecordController::WriteBackSettings(const QString &projectPath)
{
    try {
        SaveRecordSettings(projectPath, settings);
    } catch (const SuiteError &error) {
        ShowError(window, tr("保存设置失败"), error.message());
        return false;
    }
    return true;
}

void RecordController::ApplyLineBreak(int perLine)
{
    SetRecordText(BreakRecordLines(RecordText(), Shape(), perLine));
}

void RecordController::ApplySort(const SortScheme &scheme)
{
    const QString text = RecordText();
    if (text.isEmpty())
        return;
    SetRecordText(SortRecord(text, Shape(), scheme, numberFormat, settings.autoNewLineCount));
}

void RecordController::OpenDialog(QWidget *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (auto *modal = qobject_cast<QDialog *>(dialog); modal && modal->isModal())
        modal->open();
    else
        dialog->show();
}

void RecordController::RRMenu_CutClick()
{
    if (plainMemo)
        plainMemo->cut();
    else if (richMemo)
        richMemo->cut();
}

void RecordController::RRMenu_CopyClick()
{
    // A selection is copied as it stands; without one the whole record is, as from a
    // label (a read-only record gives no hint that a selection is needed).
    if (plainMemo && plainMemo->textCursor().hasSelection())
        plainMemo->copy();
    else if (richMemo && richMemo->textCursor().hasSelection())
        richMemo->copy();
    else if (box)
        QApplication::clipboard()->setText(label ? label->text() : plainMemo ? plainMemo->toPlainText() : richMemo->toPlainText());
}

void RecordController::RRMenu_PasteClick()
{
    if (plainMemo)
        plainMemo->paste();
    else if (richMemo)
        richMemo->paste();
}

void RecordController::RRMenu_ClearClick()
{
    SetRecordText(QString());
}

void RecordController::RRMenu_SaveClick()
{
    const QString text = RecordText();
    if (text.isEmpty())
        return;
    const QString path = ChooseSaveFileName(window, tr("保存随机数记录"),
                                            tr("文本文档 (*.txt)"), QStringLiteral(".txt"));
    if (path.isEmpty())
        return;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    try {
        WriteTextLines(path, lines);
    } catch (const SuiteError &error) {
        ShowError(window, tr("保存失败"), error.message());
    }
}

void RecordController::RRMenu_ClearNewLineClick()
{
    const QString text = RecordText();
    if (!text.isEmpty())
        SetRecordText(RemoveRecordLineBreaks(text, Shape()));
}

void RecordController::RRMenu_NewLineClick()
{
    if (RecordText().isEmpty())
        return;
    auto *dialog = new TNewLineForm(
        [this](int perLine) {
            ApplyLineBreak(perLine);
            if (!settings.autoSortAfterNewLine)
                return;
            try {
                ApplySort(settings.sortScheme);
            } catch (const SuiteError &error) {
                ShowError(window, StatTypeErrorCaption(), error.message());
            }
        },
        window);
    dialog->setModal(true);
    OpenDialog(dialog);
}

void RecordController::RRMenu_AutoNewLineClick()
{
    auto *dialog = new TAutoNLineForm(
        settings,
        [this](int autoCount, int count) {
            settings.autoNewLineCount = autoCount;
            if (count > 0)
                settings.newLineRCount = count;
            if (autoCount > 0)
                ApplyLineBreak(autoCount);
        },
        window);
    dialog->setModal(true);
    OpenDialog(dialog);
}

void RecordController::RRMenu_SortClick()
{
    if (RecordText().isEmpty())
        return;
    auto *dialog = new TSortForm([this](const SortScheme &scheme) { ApplySort(scheme); }, window);
    dialog->setModal(true);
    OpenDialog(dialog);
}

void RecordController::Menu_AutoSortClick()
{
    TAutoSortForm::Callbacks callbacks;
    callbacks.storeFlags = [this](bool afterBatch, bool afterNewLine) {
        settings.autoSortAfterBatch = afterBatch;
        settings.autoSortAfterNewLine = afterNewLine;
    };
    callbacks.sort = [this](const SortScheme &scheme) { ApplySort(scheme); };
    callbacks.storeScheme = [this](const SortScheme &scheme) { settings.sortScheme = scheme; };
    auto *dialog = new TAutoSortForm(settings, std::move(callbacks), window);
    dialog->setModal(true);
    OpenDialog(dialog);
}

void RecordController::Menu_DelRepeatClick()
{
    const QString text = RecordText();
    if (!text.isEmpty())
        SetRecordText(RemoveRecordRepeats(text, Shape(), settings.autoNewLineCount));
}

void RecordController::RRMenu_CheckFrequencyClick()
{
    const QStringList results = RecordResults(RecordText(), Shape());
    if (results.isEmpty())
        return;
    OpenDialog(new TFrequencyForm(results, frequencyStyle, frequencyShow3D, window));
}

void RecordController::RRMenu_StatClick()
{
    QPointer<RecordController> self(this);
    auto results = [self] { return self ? RecordResults(self->RecordText(), self->Shape()) : QStringList(); };
    OpenDialog(new TStatForm(results, numberFormat, window));
}
