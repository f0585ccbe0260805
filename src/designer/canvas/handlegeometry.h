#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// The arithmetic of the design canvas's selection: where the eight handles sit around
// an object, and what a move or a handle drag does to the object's rectangle. An
// object whose alignment is not "自定义" (empty counts as "自定义") keeps the left edge
// its alignment gives it: it moves only vertically, and a horizontal handle drag keeps
// it centred, or its right or left edge where the alignment holds it.

enum class HandleDirection { LeftTop, LeftMiddle, LeftBottom, MiddleTop, MiddleBottom, RightTop, RightMiddle, RightBottom };

inline constexpr int kHandleSize = 8;
inline constexpr HandleDirection kAllHandles[] = {
    HandleDirection::LeftTop,   HandleDirection::LeftMiddle,  HandleDirection::LeftBottom,
    HandleDirection::MiddleTop, HandleDirection::MiddleBottom, HandleDirection::RightTop,
    HandleDirection::RightMiddle, HandleDirection::RightBottom};

// "SizedLeftTop", "SizedLeftMiddle", …
QString HandleName(HandleDirection direction);

// Top-left corner of the 8 × 8 handle around `object`; halves truncate toward zero.
QPoint HandleTopLeft(HandleDirection direction, const QRect &object);

// The object after the pointer moved by (dx, dy) while dragging it.
QRect MovedRect(const QRect &object, const QString &align, int dx, int dy);

// The object after the handle was dragged by (dx, dy) from where the drag began. A
// corner handle applies both of its sides. No minimum size is enforced.
QRect ResizedRect(HandleDirection direction, const QRect &object, const QString &align, int dx, int dy);

// The separate result window draws its box with equal margins on opposite sides of a
// client area of `client`: MarginBox is that box for the margins, and EqualMarginRect
// the box after a handle drag, the margin of each edge that moved taken for both sides.
QRect MarginBox(int marginX, int marginY, const QSize &client);
QRect EqualMarginRect(HandleDirection direction, const QRect &object, int dx, int dy, const QSize &client);
