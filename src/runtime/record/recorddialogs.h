#pragma once

#include "dragnumberedit.h"
#include "recordtools.h"

#include <QDialog>
#include <QImage>

#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The record windows' common look: the suite's dialog gradient behind the controls.
class RecordDialog : public QDialog
{
    Q_OBJECT
public:
    explicit RecordDialog(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage background;
};

// The results-per-line box of the two line-break dialogs: digits only, default "5",
// dragging up or down with the button held changes it (never below 1).
DragNumberEdit *NewResultsPerLineEdit(DragStepCounter *counter, QWidget *parent);

// "批量换行操作": one line break with the chosen number of results per line.
class TNewLineForm : public RecordDialog
{
    Q_OBJECT
public:
    // `apply` runs the line break; it is called once, when OK is pressed with a sound number.
    TNewLineForm(std::function<void(int)> apply, QWidget *parent = nullptr);

    void BOKClick();

private:
    std::function<void(int)> apply;
    DragStepCounter counter;
    DragNumberEdit *NewLineRCount;
};

// "自动换行设置": switches the automatic line break after every batch on or off.
class TAutoNLineForm : public RecordDialog
{
    Q_OBJECT
public:
    // `apply` gets the new AutoNewLineCount (0 = off) and the count to remember.
    TAutoNLineForm(const RecordSettings &current, std::function<void(int autoCount, int count)> apply,
                   QWidget *parent = nullptr);

    void BOKClick();

private:
    std::function<void(int, int)> apply;
    DragStepCounter counter;
    QCheckBox *UseAutoNewLine;
    DragNumberEdit *NewLineRCount;
};

// The three radio groups of the two sort dialogs.
class SortSchemeChoice : public QWidget
{
    Q_OBJECT
public:
    explicit SortSchemeChoice(const SortScheme &initial, QWidget *parent = nullptr);
    SortScheme Scheme() const;

private:
    QRadioButton *SortNum;
    QRadioButton *SortStr;
    QRadioButton *SortUpper;
    QRadioButton *SortLower;
    QRadioButton *SortGlobal;
    QRadioButton *SortRows;
};

// "排序操作": sorts the record once.
class TSortForm : public RecordDialog
{
    Q_OBJECT
public:
    // `apply` sorts; it throws SuiteError when the record cannot be sorted that way, and
    // the dialog then shows the message and stays open.
    TSortForm(std::function<void(const SortScheme &)> apply, QWidget *parent = nullptr);

    void BOKClick();

private:
    std::function<void(const SortScheme &)> apply;
    SortSchemeChoice *choice;
};

// "自动排序设置": when the record sorts itself, and how.
class TAutoSortForm : public RecordDialog
{
    Q_OBJECT
public:
    struct Callbacks
    {
        // Stores the two flags (after every batch, after a manual line break).
        std::function<void(bool afterBatch, bool afterNewLine)> storeFlags;
        // Sorts once with the scheme; throws SuiteError when it cannot.
        std::function<void(const SortScheme &)> sort;
        // Stores the scheme (only after a successful sort).
        std::function<void(const SortScheme &)> storeScheme;
    };
    TAutoSortForm(const RecordSettings &current, Callbacks callbacks, QWidget *parent = nullptr);

    void BOKClick();

private:
    Callbacks callbacks;
    SortSchemeChoice *choice;
    QListWidget *AutoSortRange;
};
