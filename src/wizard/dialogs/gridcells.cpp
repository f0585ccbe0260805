#include "gridcells.h"

#include "dragnumberedit.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>

QTableWidget *MakeValueGrid(const QString &name, const QStringList &headers, QWidget *parent)
{
    auto *grid = new QTableWidget(0, int(headers.size()), parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(headers);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(24);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                          | QAbstractItemView::AnyKeyPressed);
    return grid;
}

QString GridCell(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

void SetGridCell(QTableWidget *grid, int row, int column, const QString &text)
{
    QTableWidgetItem *item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        if (column == 0)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        grid->setItem(row, column, item);
    }
    item->setText(text);
}

void AppendGridRow(QTableWidget *grid, const QStringList &cells)
{
    const int row = grid->rowCount();
    grid->insertRow(row);
    for (int column = 0; column < grid->columnCount(); ++column)
        SetGridCell(grid, row, column, cells.value(column));
}

const QStringList &PrecisionItems()
{
    static const QStringList items{QStringLiteral("1"),     QStringLiteral("0.1"), QStringLiteral("0.01"),
                                   QStringLiteral("0.001"), QStringLiteral("10"),  QStringLiteral("100")};
    return items;
}

GridCellDelegate::GridCellDelegate(Columns columns, const Relations &relations,
                                   std::function<void(int)> editStarted, QObject *parent)
    : QStyledItemDelegate(parent), columns(std::move(columns)), relations(relations), editStarted(std::move(editStarted))
{
}

QWidget *GridCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    if (editStarted)
        editStarted(index.row());
    auto *self = const_cast<GridCellDelegate *>(this);
    if (index.column() == columns.precision || index.column() == columns.relation) {
        const bool precision = index.column() == columns.precision;
        auto *box = new QComboBox(parent);
        box->setObjectName(precision ? QStringLiteral("PredBox") : QStringLiteral("ConditionBox"));
        if (precision)
            box->addItems(PrecisionItems());
        for (const auto &[stored, shown] : precision ? Relations() : relations)
            box->addItem(shown, stored);
        if (precision) {
            box->setEditable(true);
            AllowOnlyCharacters(box->lineEdit(), QStringLiteral("0123456789."));
        }
        // A choice from the list lands in the cell at once.
        connect(box, &QComboBox::activated, box, [self, box] { emit self->commitData(box); });
        return box;
    }
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor); line && columns.numbers.contains(index.column()))
        AllowOnlyCharacters(line, QStringLiteral("0123456789.-"));
    return editor;
}

void GridCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (index.column() == columns.relation) {
        // An empty or unknown cell leaves the first relation chosen.
        auto *box = static_cast<QComboBox *>(editor);
        if (const int at = box->findData(index.data().toString()); at >= 0)
            box->setCurrentIndex(at);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (index.column() == columns.relation) {
        model->setData(index, static_cast<QComboBox *>(editor)->currentData());
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

void GridCellDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.column() != columns.relation)
        return;
    for (const auto &[stored, shown] : relations)
        if (option->text == stored)
            option->text = shown;
}

void DragGridValueCell(QTableWidget *grid, DragStepCounter *counter, int row, int column, int precisionColumn, int x)
{
    const int direction = counter->RegisterMove(x);
    if (direction == 0 || row < 0 || row >= grid->rowCount())
        return;
    bool ok = false;
    const double precision = GridCell(grid, row, precisionColumn).toDouble(&ok);
    SetGridCell(grid, row, column, StepValueText(GridCell(grid, row, column), direction, ok ? precision : 1.0));
}
