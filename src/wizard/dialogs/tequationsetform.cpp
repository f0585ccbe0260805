#include "tequationsetform.h"

#include "gridcells.h"
#include "groupstatistics.h"
#include "yesno.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QTableWidget *makeGrid(const QString &name, const QStringList &headers, QWidget *parent)
{
    QTableWidget *grid = MakeValueGrid(name, headers, parent);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setMinimumSize(300, 150);
    return grid;
}

void clearGrid(QTableWidget *grid, int rows)
{
    grid->clearContents();
    grid->setRowCount(rows);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            SetGridCell(grid, row, column, QString());
}
} // namespace

TEquationSetForm::TEquationSetForm(QWidget *parent) : ModeDialog(parent, false)
{
    setObjectName(QStringLiteral("TEquationSetForm"));
    setWindowTitle(tr("多元一次方程模式 参数设置"));

    timesCountValue = MakeCountEdit(this, DragCounter(), QStringLiteral("TimesCountValue"));
    timesCountValue->setMaximumWidth(100);
    goTimes = new QPushButton(tr("确定"), this);
    goTimes->setObjectName(QStringLiteral("GoTimes"));
    // Enter confirms the number of unknowns typed; once it stands it does nothing.
    goTimes->setDefault(true);
    goTimes->setAutoDefault(false);
    connect(goTimes, &QPushButton::clicked, this, &TEquationSetForm::GoTimesClick);

    unknownVarList = makeGrid(QStringLiteral("UnknownVarList"),
                              {tr("编号"), tr("未知量"), tr("最小值"),
                               tr("最大值"), tr("精确度")},
                              this);
    unknownVarList->setItemDelegate(new GridCellDelegate({{2, 3}, 4, -1}, {}, {}, unknownVarList));
    factorList = makeGrid(QStringLiteral("FactorList"),
                          {tr("编号"), tr("最小值"), tr("最大值"),
                           tr("精确度")},
                          this);
    factorList->setItemDelegate(new GridCellDelegate({{1, 2}, 3, -1}, {}, {}, factorList));
    for (QTableWidget *grid : {unknownVarList, factorList}) {
        grid->viewport()->installEventFilter(this);
        const int precisionColumn = grid->columnCount() - 1;
        connect(grid, &QTableWidget::cellClicked, this, [grid, precisionColumn](int row, int column) {
            if (column == precisionColumn && !GridCell(grid, row, 0).isEmpty())
                grid->editItem(grid->item(row, column));
        });
    }
    clearGrid(unknownVarList, 1);
    clearGrid(factorList, 1);

    equationFormatValue = new QLineEdit(this);
    equationFormatValue->setObjectName(QStringLiteral("EquationFormatValue"));
    equationFormatValue->setReadOnly(true);
    equationReset = MakeLinkButton(this, QStringLiteral("EquationReset"), tr("重置方程"));
    connect(equationReset, &QPushButton::clicked, this, &TEquationSetForm::EquationResetClick);

    countRow = MakeCountRow(this, DragCounter(), tr("题目数量："), 100);

    auto *timesRow = new QHBoxLayout;
    timesRow->addWidget(new QLabel(tr("方程元数："), this));
    timesRow->addWidget(timesCountValue);
    timesRow->addWidget(goTimes);
    timesRow->addStretch(1);

    auto *grids = new QGridLayout;
    grids->addWidget(new QLabel(tr("未知量列表："), this), 0, 0);
    grids->addWidget(new QLabel(tr("系数列表："), this), 0, 1);
    grids->addWidget(unknownVarList, 1, 0);
    grids->addWidget(factorList, 1, 1);
    grids->setColumnStretch(0, 5);
    grids->setColumnStretch(1, 4);

    auto *equationRow = new QHBoxLayout;
    equationRow->addWidget(new QLabel(tr("方程表达式："), this));
    equationRow->addWidget(equationFormatValue, 1);
    equationRow->addWidget(equationReset);

    QVBoxLayout *layout = MakeMainLayout();
    layout->addLayout(timesRow);
    layout->addLayout(grids, 1);
    layout->addLayout(equationRow);
    layout->addLayout(countRow.layout);
    AddButtonRow(layout);

    timesCountValue->setText(QStringLiteral("1"));
    countRow.value->setText(QStringLiteral("2"));
    setMinimumWidth(700);
    adjustSize();
}

void TEquationSetForm::BuildGrids(int count)
{
    unknowns = count;
    clearGrid(unknownVarList, count);
    clearGrid(factorList, count);
    goTimes->setEnabled(false);
    timesCountValue->setReadOnly(true);
}

void TEquationSetForm::GoTimesClick()
{
    const QString caption = tr("方程元数有误");
    const QString text = timesCountValue->text();
    if (text.isEmpty()) {
        ShowParameterError(tr("方程元数不能为空！"), caption);
        return;
    }
    bool ok = false;
    const qlonglong count = text.toLongLong(&ok); // digits only: fails only when too long
    if (ok && count == 0) {
        ShowParameterError(tr("方程元数不能为0！"), caption);
        return;
    }
    if (!ok || count > MaxUnknowns) {
        ShowParameterError(tr("方程元数不能超过26！"), caption);
        return;
    }
    BuildGrids(int(count));
    QStringList terms;
    for (int i = 1; i <= unknowns; ++i) {
        const QString number = QString::number(i);
        SetGridCell(unknownVarList, i - 1, 0, QStringLiteral("x[%1]").arg(number));
        SetGridCell(unknownVarList, i - 1, 1, QString(QChar(u'a' + i - 1)));
        SetGridCell(factorList, i - 1, 0, QStringLiteral("k[%1]").arg(number));
        for (int column : {2, 3, 4})
            SetGridCell(unknownVarList, i - 1, column, column == 3 ? QStringLiteral("5") : QStringLiteral("1"));
        for (int column : {1, 2, 3})
            SetGridCell(factorList, i - 1, column, column == 2 ? QStringLiteral("5") : QStringLiteral("1"));
        terms << QStringLiteral("k[%1]·x[%1]").arg(number);
    }
    equationFormatValue->setText(terms.join(QLatin1Char('+')) + QStringLiteral("=y"));
}

void TEquationSetForm::EquationResetClick()
{
    unknowns = 0;
    clearGrid(unknownVarList, 1);
    clearGrid(factorList, 1);
    goTimes->setEnabled(true);
    timesCountValue->setReadOnly(false);
    equationFormatValue->clear();
}

bool TEquationSetForm::eventFilter(QObject *watched, QEvent *event)
{
    for (QTableWidget *grid : {unknownVarList, factorList}) {
        if (watched != grid->viewport())
            continue;
        const int precisionColumn = grid->columnCount() - 1;
        if (event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            const QModelIndex index = grid->indexAt(mouse->position().toPoint());
            // The two columns before the precision are the minimum and the maximum.
            if (mouse->button() == Qt::LeftButton && index.isValid() && unknowns > 0
                && index.column() >= precisionColumn - 2 && index.column() < precisionColumn) {
                dragGrid = grid;
                dragRow = index.row();
                dragColumn = index.column();
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            dragGrid = nullptr;
        } else if (event->type() == QEvent::MouseMove && dragGrid == grid) {
            DragGridValueCell(grid, DragCounter(), dragRow, dragColumn, precisionColumn,
                              qRound(static_cast<QMouseEvent *>(event)->position().x()));
            return true;
        }
    }
    return ModeDialog::eventFilter(watched, event);
}

void TEquationSetForm::LoadProject(int pmode, const QueryParams &params)
{
    if (pmode != 12)
        return;
    EquationResetClick();
    timesCountValue->setText(params.value(1));
    const QString bar = QStringLiteral("|");
    const QStringList unknownRows = params.value(2).isEmpty() ? QStringList() : SplitText(params.value(2), bar);
    const QStringList factorRows = params.value(3).isEmpty() ? QStringList() : SplitText(params.value(3), bar);
    // The grids follow the stated number of unknowns; rows the file lacks stay empty
    // for the user to fill in, so the saved parts always agree with each other.
    bool countOk = false;
    int count = params.value(1).toInt(&countOk);
    if (!countOk || count < 1 || count > MaxUnknowns)
        count = int(qMin<qsizetype>(qMax(unknownRows.size(), factorRows.size()), MaxUnknowns));
    if (count > 0) {
        timesCountValue->setText(QString::number(count));
        BuildGrids(count);
        for (int row = 0; row < count; ++row) {
            const QStringList unknown = SplitText(unknownRows.value(row), QStringLiteral(","));
            const QStringList factor = SplitText(factorRows.value(row), QStringLiteral(","));
            for (int column = 0; column < 5; ++column)
                SetGridCell(unknownVarList, row, column, unknown.value(column));
            for (int column = 0; column < 4; ++column)
                SetGridCell(factorList, row, column, factor.value(column));
        }
    }
    equationFormatValue->setText(params.value(4));
    countRow.value->setText(params.value(5));
    countRow.repeat->setChecked(params.value(6) == kYes);
}

QueryParams TEquationSetForm::EncodeProject(int pmode, const QueryParams &current) const
{
    if (pmode != 12)
        return current;
    auto rows = [this](const QTableWidget *grid) {
        QStringList lines;
        for (int row = 0; row < unknowns; ++row) {
            QStringList cells;
            for (int column = 0; column < grid->columnCount(); ++column)
                cells << GridCell(grid, row, column);
            lines << cells.join(QLatin1Char(','));
        }
        return lines.join(QLatin1Char('|'));
    };
    return {ProjectTypeAt(12).mode, timesCountValue->text(),  rows(unknownVarList),
            rows(factorList),       equationFormatValue->text(), countRow.value->text(),
            YesNoText(countRow.repeat->isChecked())};
}

bool TEquationSetForm::CheckRanges(QTableWidget *grid, const QString &listName, int firstNumberColumn)
{
    for (int row = 0; row < unknowns; ++row) {
        const QString min = GridCell(grid, row, firstNumberColumn), max = GridCell(grid, row, firstNumberColumn + 1),
                      pred = GridCell(grid, row, firstNumberColumn + 2);
        const QString problem = RangeRowProblem(min, max, pred);
        if (!problem.isEmpty()) {
            ShowParameterError(tr("%1第%2行：").arg(listName).arg(row + 1) + problem);
            return false;
        }
    }
    return true;
}

bool TEquationSetForm::ValidateInput()
{
    if (goTimes->isEnabled()) {
        ShowParameterError(tr("您尚未设置方程相关参数！"), tr("参数尚未设置"));
        return false;
    }
    if (countRow.value->text().isEmpty()) {
        ShowParameterError(tr("题目数量不能为空！"));
        return false;
    }
    for (const QTableWidget *grid : {unknownVarList, factorList})
        for (int row = 0; row < unknowns; ++row)
            for (int column = 0; column < grid->columnCount(); ++column)
                if (GridCell(grid, row, column).isEmpty()) {
                    ShowParameterError(tr("未知量列表和系数列表内的参数中不得有空项！"));
                    return false;
                }
    if (!CheckRanges(unknownVarList, tr("未知量列表"), 2)
        || !CheckRanges(factorList, tr("系数列表"), 1))
        return false;

    QSet<QString> names;
    for (int row = 0; row < unknowns; ++row) {
        const QString name = GridCell(unknownVarList, row, 1);
        // Names are stored inside ","- and "|"-joined rows.
        if (name.contains(QLatin1Char(',')) || name.contains(QLatin1Char('|'))) {
            ShowParameterError(tr("未知量名称中不得含有“,”或“|”！"), tr("未知量设置有误"));
            return false;
        }
        if (names.contains(name)) {
            ShowParameterError(tr("未知量列表中的未知数名称不得重复！"), tr("未知量设置有误"));
            return false;
        }
        names.insert(name);
    }
    return true;
}
