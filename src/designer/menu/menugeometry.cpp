#include "menugeometry.h"

#include <algorithm>

int ColumnsForWidth(int clientWidth)
{
    return std::max(1, (clientWidth - 13) / MenuGrid::CellWidth);
}

QPoint CellPosition(int k, int columns, QPoint gridOrigin)
{
    return {gridOrigin.x() + (k % columns) * MenuGrid::CellWidth, gridOrigin.y() + (k / columns) * MenuGrid::RowHeight};
}

int LabelLeft(int iconLeft, int labelWidth)
{
    return iconLeft + MenuGrid::IconSize / 2 - labelWidth / 2;
}

int DropTarget(QPoint iconPos, QPoint gridOrigin, int columns, int count)
{
    // Nearest cell: the fraction is rounded half up and then cut towards zero.
    const int column = std::clamp(int(double(iconPos.x() - gridOrigin.x()) / MenuGrid::CellWidth + 0.5), 0, columns - 1);
    int row = std::max(0, int(double(iconPos.y() - gridOrigin.y()) / MenuGrid::RowHeight + 0.5));
    if (row > count / columns)
        row = (count - 1) / columns + 1;
    return std::min(row * columns + column, count - 1);
}
