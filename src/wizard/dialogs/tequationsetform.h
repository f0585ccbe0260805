#pragma once

#include "dialogrows.h"
#include "modedialog.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

// "多元一次方程模式 参数设置": a linear equation in n unknowns (project type 12): the
// ranges of the unknowns and of their coefficients, and the equation text built from
// them. Always hands back to the wizard or the query editor.
class TEquationSetForm : public ModeDialog
{
    Q_OBJECT
public:
    static constexpr int MaxUnknowns = 26;

    explicit TEquationSetForm(QWidget *parent = nullptr);

    void LoadProject(int pmode, const QueryParams &params) override;
    QueryParams EncodeProject(int pmode, const QueryParams &current) const override;

    // "确定": checks the number of unknowns and builds both grids and the equation.
    void GoTimesClick();
    void EquationResetClick();
    int Unknowns() const { return unknowns; }

protected:
    bool ValidateInput() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool CheckRanges(QTableWidget *grid, const QString &listName, int firstNumberColumn);
    void BuildGrids(int count);

    int unknowns = 0;
    DragNumberEdit *timesCountValue;
    QPushButton *goTimes;
    QTableWidget *unknownVarList;
    QTableWidget *factorList;
    QLineEdit *equationFormatValue;
    QPushButton *equationReset;
    CountRow countRow;

    QTableWidget *dragGrid = nullptr;
    int dragRow = -1;
    int dragColumn = -1;
};
