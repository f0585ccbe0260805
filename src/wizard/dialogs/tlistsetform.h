#pragma once

#include "modedialog.h"
#include "timportlistform.h"

class ListMemo;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

// "列举模式 参数设置": a list of items to draw from, either a plain list in the memo or
// rows of items with weights or percentages in the grid. Serves project types 2, 3, 7
// and 9 and the list groups of the group editor.
class TListSetForm : public ModeDialog
{
    Q_OBJECT
public:
    explicit TListSetForm(QWidget *parent = nullptr);

    // Loads the fields of types 2, 3, 7 or 9 and applies that type's labels and hidden
    // options.
    void LoadProject(int pmode, const QueryParams &params) override;
    QueryParams EncodeProject(int pmode, const QueryParams &current) const override;
    // "公平抽取": shown for the list types that can share out turns fairly.
    void LoadFairness(const FairSettings &settings) override;
    FairSettings EncodeFairness(const FairSettings &current) const override;
    // Shows "公平抽取" for a list item of a custom project, set to `settings`.
    void OfferFairness(const FairSettings &settings);

    // A list group query: flag||list||repeat||exclusion||count; the separator is the
    // project's. The group editor shows only the options its presets leave visible.
    void LoadGroupQuery(const QString &groupQuery, const QString &spliterName);
    QString EncodeGroupQuery() const;
    // The stored separator name ("空格" ...), whatever language the box shows.
    QString SpliterName() const;
    void ShowOptions(bool probabilities, bool repeats, bool exclusion, bool count);

    void SetListCaption(const QString &caption);
    void SetCountCaption(const QString &caption);
    void SetAutoDelCaption(const QString &caption);

    // The list text as stored: the weighted list text with probabilities, else the
    // escaped memo.
    QString EncodeList() const;

    // Number of items the list can give (all rows' items with probabilities).
    int PossibleCount() const;

    // "从文件导入…" (`ImportFromFile`): the file dialog, then ImportFile.
    void ImportFromFileClick();
    // Reads a class-list file and opens the preview "导入名单" over this dialog; its OK puts
    // the names into the list. A file that cannot be read gets a message and leaves the
    // dialog as it was; then nothing is returned.
    TImportListForm *ImportFile(const QString &path);
    // A table pasted into the list box: a single column becomes items at once, from a
    // table of several columns the preview asks for the column.
    void PasteTable(const QString &text);

protected:
    bool ValidateInput() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool UsesPercent() const;
    int DataRows() const;
    QString Cell(int row, int column) const;
    void SetCell(int row, int column, const QString &text);
    void Renumber();
    void LoadList(bool withProbabilities, const QString &list);
    void SetRowCount(int rows);

    void PosSetAbleClick();
    void CarryItemsOver();
    void PosMethodClick();
    void AddRowClick();
    void DelRowClick();
    void RowMoved();
    void RandListValueChange();
    void SelectSpliter(const QString &name);
    void OfferLinesAsItems();
    void DragWeight(int row, int x);
    TImportListForm *ShowImportPreview(ImportedTable table, const QString &sourceName);
    QStringList CurrentItems() const;
    void PutImportedNames(const TImportListForm::Choice &choice);
    QGroupBox *MakeFairBox();
    FairSettings ChosenFairness() const;
    void FairChoiceChange();
    bool ValidateFairness(qlonglong count);

    QLabel *randListSet;
    QPushButton *importFromFile;
    ListMemo *randListValue;
    QTableWidget *rLists;
    QCheckBox *posSetAble;
    QRadioButton *posByPower;
    QRadioButton *posByPercent;
    QComboBox *spliterValue;
    QLabel *ranCountLabel;
    DragNumberEdit *ranCountValue;
    QCheckBox *repeatAllowed;
    QCheckBox *autoDel;
    bool countFollowsList = false;

    QGroupBox *fairBox;
    QButtonGroup *fairMode;
    QComboBox *fairPeriodValue;
    QComboBox *fairStrengthValue;
    QSpinBox *fairSkipValue;
    QLabel *fairFormula;

    int dragRow = -1;
    int lastDragX = 0;
};

// A stored separator name as the windows show it.
QString SpliterCaption(const QString &name);
