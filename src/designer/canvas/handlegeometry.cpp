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

QRect MarginBox(int marginX, int marginY, const QSize &client)
{
    marginX = qBound(0, marginX, client.width() / 2);
    marginY = qBound(0, marginY, client.height() / 2);
    return {marginX, marginY, client.width() - 2 * marginX, client.height() - 2 * marginY};
}

QRect EqualMarginRect(HandleDirection direction, const QRect &object, int dx, int dy, const QSize &client)
{
    const QRect resized = ResizedRect(direction, object, kAlignCustom, dx, dy);
    int marginX = object.left();
    int marginY = object.top();
    if (OnLeftSide(direction))
        marginX = resized.left();
    else if (OnRightSide(direction))
        marginX = client.width() - (resized.x() + resized.width());
    if (OnTopSide(direction))
        marginY = resized.top();
    else if (OnBottomSide(direction))
        marginY = client.height() - (resized.y() + resized.height());
    return MarginBox(marginX, marginY, client);
}
