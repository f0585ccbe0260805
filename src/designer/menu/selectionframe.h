#pragma once

#include <QWidget>

class QPainter;

// The rounded frame that marks the icon under the mouse (outline only) or the chosen
// icon (filled). It lets the mouse through to the icons below; "hidden" means parked
// out of sight at left −150, where the windows check for it.
class SelectionFrame : public QWidget
{
public:
    enum class Style { Hover, Selected };
    SelectionFrame(Style style, QSize size, QWidget *parent);

    void Park();
    bool IsParked() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Style style;
};

// The keyboard's focus ring inside `rect`, light inside dark so it shows on any wallpaper,
// picture or gradient.
void PaintFocusRing(QPainter &painter, const QRect &rect);
