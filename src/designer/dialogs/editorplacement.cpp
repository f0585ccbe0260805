#include "editorplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
constexpr int kGap = 8;
// Over the design window the editor leaves its title bar and menu bar in view.
constexpr int kInsideTopOffset = 48;
}

QPoint ValueEditorPosition(const QRect &designFrame, const QSize &editorSize, const QRect &screen)
{
    const int width = qMin(editorSize.width(), screen.width());
    const int height = qMin(editorSize.height(), screen.height());
    const int lastLeft = screen.right() + 1 - width;
    const int lastTop = screen.bottom() + 1 - height;

    int left = designFrame.right() + 1 + kGap;
    int top = designFrame.top();
    if (left > lastLeft) {
        left = designFrame.left() - kGap - width;
        if (left < screen.left()) {
            left = designFrame.right() + 1 - kGap - width;
            top = designFrame.top() + kInsideTopOffset;
        }
    }
    return {qBound(screen.left(), left, lastLeft), qBound(screen.top(), top, lastTop)};
}

void PlaceValueEditor(QWidget *editor, const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    editor->move(ValueEditorPosition(window->frameGeometry(), editor->frameGeometry().size(), screen->availableGeometry()));
}
