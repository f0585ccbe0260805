#include "barplacement.h"

#include <QStringList>

#include <algorithm>
#include <climits>

namespace {

// The screen under the point, else the one nearest to it (the bar can be dragged past
// the last edge).
const QRect *ScreenNearest(const QPoint &point, const QList<QRect> &screens)
{
    const QRect *nearest = nullptr;
    int best = INT_MAX;
    for (const QRect &screen : screens) {
        if (screen.contains(point))
            return &screen;
        const int dx = std::max({screen.left() - point.x(), 0, point.x() - screen.right()});
        const int dy = std::max({screen.top() - point.y(), 0, point.y() - screen.bottom()});
        if (dx + dy < best) {
            best = dx + dy;
            nearest = &screen;
        }
    }
    return nearest;
}

// `low`/`high` are the bar's sides, `start`/`end` the screen's edges (end exclusive).
int Snapped(int position, int low, int high, int start, int end, int reach)
{
    if (std::abs(low - start) <= reach)
        return position + (start - low);
    if (std::abs(end - high) <= reach)
        return position + (end - high);
    return position;
}

} // namespace

QString ScreenLayoutKey(const QList<QRect> &screens)
{
    QStringList parts;
    for (const QRect &screen : screens)
        parts << QStringLiteral("%1x%2+%3+%4").arg(screen.width()).arg(screen.height()).arg(screen.x()).arg(screen.y());
    return parts.join(QLatin1Char(','));
}

QPoint SnappedToEdges(const QRect &bar, const QList<QRect> &screens, int reach)
{
    const QRect *screen = ScreenNearest(bar.center(), screens);
    if (!screen)
        return bar.topLeft();
    const int x = Snapped(bar.x(), bar.left(), bar.left() + bar.width(), screen->left(),
                          screen->left() + screen->width(), reach);
    const int y = Snapped(bar.y(), bar.top(), bar.top() + bar.height(), screen->top(),
                          screen->top() + screen->height(), reach);
    return {x, y};
}

QPoint PlacedOnScreens(const QRect &bar, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return bar.topLeft();
    for (const QRect &screen : screens) {
        if (screen.contains(bar.center()))
            return bar.topLeft();
    }
    const QRect &primary = screens.first();
    const int x = std::clamp(bar.x(), primary.left(), std::max(primary.left(), primary.left() + primary.width() - bar.width()));
    const int y = std::clamp(bar.y(), primary.top(), std::max(primary.top(), primary.top() + primary.height() - bar.height()));
    return {x, y};
}
