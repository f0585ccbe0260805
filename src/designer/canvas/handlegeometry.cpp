#include "handlegeometry.h"

#include "valueencodings.h"

namespace {

bool OnLeftSide(HandleDirection d)
{
    return d == HandleDirection::LeftTop || d == HandleDirection::LeftMiddle || d == HandleDirection::LeftBottom;
}
bool OnRightSide(HandleDirection d)
{
    return d == HandleDirection::RightTop || d == HandleDirection::RightMiddle || d == HandleDirection::RightBottom;
}
bool OnTopSide(HandleDirection d)
{
    return d == HandleDirection::LeftTop || d == HandleDirection::MiddleTop || d == HandleDirection::RightTop;
}
bool OnBottomSide(HandleDirection d)
{
    return d == HandleDirection::LeftBottom || d == HandleDirection::MiddleBottom || d == HandleDirection::RightBottom;
}

bool IsCustom(const QString &align)
{
    return align.isEmpty() || align == kAlignCustom;
}

} // namespace

QString HandleName(HandleDirection direction)
{
    switch (direction) {
    case HandleDirection::LeftTop: return QStringLiteral("SizedLeftTop");
    case HandleDirection::LeftMiddle: return QStringLiteral("SizedLeftMiddle");
    case HandleDirection::LeftBottom: return QStringLiteral("SizedLeftBottom");
    case HandleDirection::MiddleTop: return QStringLiteral("SizedMiddleTop");
    case HandleDirection::MiddleBottom: return QStringLiteral("SizedMiddleBottom");
    case HandleDirection::RightTop: return QStringLiteral("SizedRightTop");
    case HandleDirection::RightMiddle: return QStringLiteral("SizedRightMiddle");
    case HandleDirection::RightBottom: return QStringLiteral("SizedRightBottom");
    }
    return QString();
}

QPoint HandleTopLeft(HandleDirection direction, const QRect &object)
{
    const int l = object.left(), t = object.top(), w = object.width(), h = object.height();
    const int x = OnLeftSide(direction) ? l - kHandleSize : OnRightSide(direction) ? l + w : l + w / 2 - kHandleSize / 2;
    const int y = OnTopSide(direction) ? t - kHandleSize : OnBottomSide(direction) ? t + h : t + h / 2 - kHandleSize / 2;
    return QPoint(x, y);
}

QRect MovedRect(const QRect &object, const QString &align, int dx, int dy)
{
    return QRect(object.left() + (IsCustom(align) ? dx : 0), object.top() + dy, object.width(), object.height());
}

QRect ResizedRect(HandleDirection direction, const QRect &object, const QString &align, int dx, int dy)
{
    int left = object.left(), top = object.top(), width = object.width(), height = object.height();
    if (OnLeftSide(direction)) {
        if (align == kAlignCentre) {
            left += dx;
            width -= 2 * dx;
        } else if (align != kAlignLeft) { // right-aligned or custom: the left edge follows
            left += dx;
            width -= dx;
        }
    }
    if (OnRightSide(direction)) {
        if (align == kAlignCentre) {
            left -= dx;
            width += 2 * dx;
        } else if (align != kAlignRight) { // left-aligned or custom: the right edge follows
            width += dx;
        }
    }
    if (OnTopSide(direction)) {
        top += dy;
        height -= dy;
    }
    if (OnBottomSide(direction))
        height += dy;
    return QRect(left, top, width, height);
}
