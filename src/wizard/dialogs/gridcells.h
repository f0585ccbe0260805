#pragma once

#include <QSet>
#include <QStringList>
#include <QStyledItemDelegate>

#include <functional>
#include <utility>

class QTableWidget;
class QWidget;

// Cell access and cell editors shared by the grids of the list, calculation and equation
// dialogs.

// An empty grid with the given column headers: no row headers, one cell selected at a
// time, edited by double click or typing.
QTableWidget *MakeValueGrid(const QString &name, const QStringList &headers, QWidget *parent);

QString GridCell(const QTableWidget *grid, int row, int column);
// Sets a cell, creating it when missing; cells of column 0 (names, numbers) are not
// editable in place.
void SetGridCell(QTableWidget *grid, int row, int column, const QString &text);
void AppendGridRow(QTableWidget *grid, const QStringList &cells);

const QStringList &PrecisionItems();

// Number cells take number characters only; the precision cell edits in the list
// `PredBox`, the relation cell in `ConditionBox`. `editStarted` is told the row of
// every edit that begins. A relation cell holds the stored word and shows its caption:
// `relations` pairs them (stored, shown).
class GridCellDelegate : public QStyledItemDelegate
{
public:
    struct Columns
    {
        QSet<int> numbers;
        int precision = -1;
        int relation = -1;
    };
    using Relations = QList<std::pair<QString, QString>>;
    GridCellDelegate(Columns columns, const Relations &relations, std::function<void(int)> editStarted,
                     QObject *parent);
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    Columns columns;
    Relations relations;
    std::function<void(int)> editStarted;
};

class DragStepCounter;

// One drag move over a number cell: on every sixth move the value steps by the row's
// precision (the text of `precisionColumn`, 1 when that is not a number).
void DragGridValueCell(QTableWidget *grid, DragStepCounter *counter, int row, int column, int precisionColumn, int x);
