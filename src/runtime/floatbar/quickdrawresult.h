#pragma once

#include <QLabel>

class QPropertyAnimation;
class QRegion;
class QSequentialAnimationGroup;

// The bar and its label: above every window, a full-screen presentation included (window
// managers stack a focused full-screen window over "stay on top" windows, so these are
// left out of the window manager's stacking), and never given the keyboard focus.
inline constexpr Qt::WindowFlags kFloatingWindowFlags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
    | Qt::WindowDoesNotAcceptFocus | Qt::BypassWindowManagerHint;

// A rounded rectangle as a window's shape: the window is cut to it, so it is round
// without a compositor.
QRegion RoundedWindowRegion(const QSize &size, int radius);

// The large label beside the quick-draw bar: shows a result (or why nothing was drawn)
// for a while, then fades out. A click keeps it; a second click puts it away. Like the
// bar it never takes the keyboard focus, and it runs no timer once it has faded.
class QuickDrawResult : public QLabel
{
    Q_OBJECT
public:
    explicit QuickDrawResult(QWidget *parent = nullptr);

    enum class Kind { Result, Notice };
    // Shows `text` beside `bar` (global geometry) on its screen, fully opaque, for
    // `holdMs`, then fades it out.
    void ShowBeside(const QString &text, Kind kind, const QRect &bar, int holdMs);
    bool Kept() const { return m_kept; }
    // Where it was put last (see QuickDrawBar::Placed).
    QRect Placed() const { return m_placed; }
    // A hold or a fade is running.
    bool Animating() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Place(const QRect &bar);

    QSequentialAnimationGroup *m_life;
    QPropertyAnimation *m_fade;
    bool m_kept = false;
    int m_cornerRadius = 0;
    QRect m_placed;
};
