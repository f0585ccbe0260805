#pragma once

#include <QPoint>

// Where the project menu puts its icons: a grid of 122 × 95 pixel cells that starts at
// the grid origin and holds as many columns as the window width allows.

namespace MenuGrid {
inline constexpr int CellWidth = 122;
inline constexpr int RowHeight = 95;
inline constexpr int MinClientWidth = 135;
inline constexpr int IconSize = 64;
inline constexpr int LabelOffsetY = 62;   // a name label's top below its icon's top
inline constexpr QPoint StartOrigin{36, 116};
} // namespace MenuGrid

// Icons per row for a client width (never fewer than one).
int ColumnsForWidth(int clientWidth);

// Top-left corner of icon cell k.
QPoint CellPosition(int k, int columns, QPoint gridOrigin);

// Left of a name label of the given width, centred under the icon at iconLeft.
int LabelLeft(int iconLeft, int labelWidth);

// The index an icon dropped with its top-left corner at `iconPos` moves to: the nearest
// cell, columns clamped to the grid, rows below the last one (and cells past the last
// entry) meaning "the end of the list".
int DropTarget(QPoint iconPos, QPoint gridOrigin, int columns, int count);
