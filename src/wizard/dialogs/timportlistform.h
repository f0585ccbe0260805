#pragma once

#include "nametable.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

// "导入名单": the preview of a class-list file (or of a pasted table) before its names go
// into a list. Shows the first rows, lets the user pick the sheet and the column, says
// whether the first row is a header and how many names will come in, and whether they
// replace or follow the list there is.
class TImportListForm : public QDialog
{
    Q_OBJECT
public:
    // What OK hands to the list: the names in file order, whether they follow the
    // existing items, and the separator name that keeps every item whole.
    struct Choice
    {
        QStringList names;
        bool append = false;
        QString separatorName;
    };

    // `existingItems` and `separatorName`: the list as it is now, for the notes on
    // separators and for the choice of replacing or appending.
    TImportListForm(ImportedTable table, const QString &sourceName, const QStringList &existingItems,
                    const QString &separatorName, QWidget *parent);

    Choice Chosen() const;

    static constexpr int kShownRows = 200;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void SheetValueChange();
    void FillColumns();
    void ColumnValueChange();
    void FillGrid();
    void UpdateCount();
    // The count and notes for the names as chosen, `joinedLines` of them had line breaks.
    void ShowCount(QStringList chosenNames, int joinedLines);
    void MarkHeaderRow();
    const ImportedSheet &Sheet() const;
    // The names as the choices stand, and how many of them had line breaks.
    QStringList ChosenNames(int *joinedLines) const;
    // The choice OK would hand over with these names.
    Choice ChoiceOf(QStringList names) const;

    ImportedTable table;
    QStringList existingItems;
    QString separatorName;

    QLabel *fileLabel;
    QComboBox *sheetValue;
    QComboBox *columnValue;
    QCheckBox *headerRow;
    QCheckBox *byRows;
    QCheckBox *splitNames;
    QTableWidget *previewGrid;
    QLabel *rowsNote;
    QLabel *nameCount;
    QRadioButton *replaceList;
    QRadioButton *appendList;
    QPushButton *bOK;
    QPushButton *bCancel;
};

// The file dialog of "从文件导入…" (class lists, old .xls workbooks to say how to convert
// them, and all files). Tests set a chooser
// that returns a path without showing a dialog; an empty function restores the dialog.
using ImportFileChooser = std::function<QString(QWidget *parent)>;
void SetImportFileChooser(ImportFileChooser chooser);
QString ChooseImportFile(QWidget *parent);
