#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

// Where the quick-draw bar may stand, computed apart from any window so it can be checked
// with plain rectangles. `screens` are the screens' geometries, the primary one first.

// A name for the arrangement of screens, so a place remembered on the laptop alone is not
// used with the projector attached: "1920x1080+0+0,1280x1024+1920+0".
QString ScreenLayoutKey(const QList<QRect> &screens);

// The bar's top-left after a drop: an edge of the screen under its centre that lies within
// `reach` pixels of the bar's side pulls the bar onto it (each direction on its own, so a
// corner takes both).
QPoint SnappedToEdges(const QRect &bar, const QList<QRect> &screens, int reach = 24);

// A remembered place as it can be used now: unchanged when the bar's centre is on a screen,
// otherwise the nearest place on the primary screen, wholly inside it.
QPoint PlacedOnScreens(const QRect &bar, const QList<QRect> &screens);
