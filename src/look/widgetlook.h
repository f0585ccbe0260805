#pragma once

#include "displaysection.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QSize>

class QPainter;
class QWidget;

// Turning the stored display values into what the widgets use, and back. Shared by the
// drawing window and the designer, so both show a design the same way.
QColor ToQColor(const Rgb &colour);
QFont ToQFont(const FontSpec &font);
Rgb ToRgb(const QColor &colour);

// Sets font and text colour of a label, button or text box.
void ApplyFont(QWidget *widget, const FontSpec &font);
void SetTextColour(QWidget *widget, const QColor &colour);
// Background of an edit or memo.
void SetBaseColour(QWidget *widget, const QColor &colour);

// Places an object of a window with the given client width: its left edge follows Align,
// top and size are taken as stored.
void PlaceWidget(QWidget *widget, const Position &position, int clientWidth);
// Centres a window on the screen by its outer size, halves truncated toward zero.
void CentreOnScreen(QWidget *window);

// Text alignment a label takes from its object alignment.
Qt::Alignment LabelAlignment(const QString &align);
Qt::Alignment BoxTextAlignment(TextAlignment alignment);

// A window's background: plain colour, gradient or picture (stretched or at the top
// left). The picture is decoded once and the gradient is kept per window size, so a
// repaint during an animation costs a copy, not a decode or a gradient fill.
class WindowBackgroundPainter
{
public:
    // Throws SuiteError for a malformed gradient. A missing or unreadable picture leaves
    // the window's own colour (a draw must go on without it).
    void SetFill(const BackgroundFill &fill);
    void Paint(QPainter &painter, const QSize &clientSize);

private:
    BackgroundFill m_fill;
    QPixmap m_picture;
    QImage m_gradientImage;
};
