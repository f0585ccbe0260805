#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the floating value editor goes beside a designer window: right of it, else left
// of it, else over its right edge, always wholly on `screen` (the available area of the
// screen that shows the design) so every row can be reached. Frames in screen
// coordinates; returns the editor's top left.
QPoint ValueEditorPosition(const QRect &designFrame, const QSize &editorSize, const QRect &screen);

class QWidget;
// Moves `editor` there beside `window`, on the screen that shows `window`.
void PlaceValueEditor(QWidget *editor, const QWidget *window);
