#pragma once

#include "recordtools.h"

#include <QObject>
#include <QKeySequence>
#include <QList>
#include <QPointer>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTextEdit;
class QWidget;

// The result record of the drawing window and everything its context menu offers:
// editing, saving, line breaks, sorting, removal of repeats, statistics and the
// frequency chart, and the automatic line break and sort after every batch.
//
// The drawing window creates one controller for its record box (a memo:
// QPlainTextEdit or QTextEdit, or a label: QLabel), tells it the result separator,
// the project's number format and the Frequency settings of Soft.ini, and calls
// AfterBatchAppended() after it appended a batch and WriteBackSettings() when it
// closes.
class RecordController : public QObject
{
    Q_OBJECT
public:
    // `recordBox` gets RandMenu as its context menu; `window` owns the dialogs.
    RecordController(QWidget *recordBox, QWidget *window);

    void SetSeparator(const QString &separator);
    void SetNumberFormat(const QString &numberFormat);
    void SetFrequencyChartDefaults(const QString &style, bool show3D);
    void SetSettings(const RecordSettings &settings);
    const RecordSettings &Settings() const { return settings; }

    QMenu *RandMenu() const { return menu; }
    // Keys for the menu's commands that work anywhere in the window, for those who do
    // not use a mouse; a key in `taken` (the project's draw and stop keys) is left to them.
    void AddWindowKeys(const QList<QKeySequence> &taken);
    RecordShape Shape() const;
    // The record in its stored form: lines end in CR LF for a memo, in LF for a label.
    QString RecordText() const;
    void SetRecordText(const QString &text);

    // Hook after a batch was appended: the automatic line break, then the automatic
    // sort when it is set for every batch. A sort that fails shows its message.
    void AfterBatchAppended();

    // Hook at close: stores the automatic settings in the project file (loaded fresh,
    // saved atomically, only those attributes change). Shows the message and returns
    // false when the file cannot be written.
    bool WriteBackSettings(const QString &projectPath);

    // Menu handlers.
    void RRMenu_CutClick();
    void RRMenu_CopyClick();
    void RRMenu_PasteClick();
    void RRMenu_ClearClick();
    void RRMenu_SaveClick();
    void RRMenu_ClearNewLineClick();
    void RRMenu_NewLineClick();
    void RRMenu_AutoNewLineClick();
    void RRMenu_SortClick();
    void Menu_AutoSortClick();
    void RRMenu_CheckFrequencyClick();
    void RRMenu_StatClick();
    void Menu_DelRepeatClick();

private:
    QAction *AddItem(const QString &name, const QString &caption, void (RecordController::*handler)());
    void UpdateClipboardItems();
    void ApplyLineBreak(int perLine);
    void ApplySort(const SortScheme &scheme);
    // Opens a dialog of the record window, non-blocking, freed when closed.
    void OpenDialog(QWidget *dialog);

    QPointer<QWidget> box;
    QPlainTextEdit *plainMemo = nullptr;
    QTextEdit *richMemo = nullptr;
    QLabel *label = nullptr;
    QWidget *window;
    QMenu *menu;
    QString separator;
    QString numberFormat;
    QString frequencyStyle = QStringLiteral("Bars");
    bool frequencyShow3D = true;
    RecordSettings settings;
};
