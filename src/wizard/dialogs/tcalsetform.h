#pragma once

#include "dialogrows.h"
#include "modedialog.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QWidget;

// "计算模式 参数设置": named variables, each random (drawn from a range) or dependent
// (an expression of others), conditions the values must meet, and the question
// template. Serves project types 11, 13 (no conditions) and 14. Not on top; always
// hands back to the wizard or the query editor.
class TCalSetForm : public ModeDialog
{
    Q_OBJECT
public:
    static constexpr int MaxVariables = 100;

    explicit TCalSetForm(QWidget *parent = nullptr);

    void LoadProject(int pmode, const QueryParams &params) override;
    QueryParams EncodeProject(int pmode, const QueryParams &current) const override;

    // "确定": checks the variable list and puts one chip per name on the panel.
    void GoVarClick();
    void VarsResetClick();
    // What releasing a dragged chip over `target` does: over RandVarList or
    // EqualVarList the variable gets a row there; anywhere else nothing changes.
    void DropVariable(const QString &name, QWidget *target);
    // Removes the current row of a variable grid and frees its chip again.
    void DelVarClick(QTableWidget *grid);
    void DelConditionClick();
    // Called when the user starts editing a condition row.
    void ConditionEditStarted(int row);

    QStringList Variables() const { return variables; }
    // The chip of a confirmed variable, or null.
    QLabel *Chip(const QString &name) const;

protected:
    bool ValidateInput() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool ConfirmVariables(bool showErrors);
    void ClearVariables();
    void LayoutChips();
    void UpdateChips();
    bool InGrids(const QString &name) const;
    QWidget *GridUnder(const QPoint &globalPos) const;
    void FillGrid(QTableWidget *grid, const QString &rows, int columns);
    QString GridRows(const QTableWidget *grid, int firstColumn, int lastColumn) const;
    void RenumberConditions();
    bool ConditionNumbered(int row) const;
    void ShowFormatList();
    void SetConditionsShown(bool shown);

    int pmode = 14;
    QStringList variables;
    QList<QLabel *> chips;

    QLineEdit *varValue;
    QPushButton *goVar;
    QWidget *varListPanel;
    QTableWidget *randVarList;
    QTableWidget *equalVarList;
    QTableWidget *conditionList;
    QGroupBox *conditionBox;
    QRadioButton *conditionAnd;
    QRadioButton *conditionOr;
    QRadioButton *conditionReset;
    QRadioButton *conditionGetValue;
    FormatRow formatRow;
    CountRow countRow;
    QPushButton *varsReset;
    QMenu *varMenu;

    // Chip drag: the chip under the pointer and the frame marking the target grid.
    QLabel *draggedChip = nullptr;
    QLabel *dragGhost;
    QFrame *moveVarBox;
    // Number cell drag in RandVarList.
    int dragRow = -1;
    int dragColumn = -1;
};
