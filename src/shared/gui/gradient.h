#pragma once

#include <QList>
#include <QString>

class QImage;
class QWidget;

// A gradient text: two to five colour stops "R,G,B,Position" and a direction, joined
// by "|", e.g. "153,217,234,0|0,162,232,100|Vert". "Hori" changes colour from left to
// right, "Vert" from top to bottom.

struct GradientStop
{
    int red = 0;
    int green = 0;
    int blue = 0;
    int position = 0;  // percent along the axis
    bool operator==(const GradientStop &) const = default;
};

struct Gradient
{
    QList<GradientStop> stops;  // at most five are kept
    QString direction;          // "Hori", "Vert" or anything else (paints nothing)
};

inline const QString GradientHori = QStringLiteral("Hori");
inline const QString GradientVert = QStringLiteral("Vert");

// Fixed gradients of the suite's windows.
inline const QString DialogGradient = QStringLiteral("153,217,234,0|0,162,232,100|Vert");
inline const QString MenuGradient = QStringLiteral("63,72,204,0|34,41,128,100|Vert");
inline const QString PasswordGradient = QStringLiteral("0,162,232,0|63,72,204,100|Vert");
inline const QString DefaultBackgroundGradient = QStringLiteral("64,128,128,0|0,221,111,100|Vert");

// Splits a gradient text. Throws SuiteError when a stop does not hold four integers,
// a colour lies outside 0-255 or a position outside 0-100.
Gradient ParseGradient(const QString &text);

// Fills `image` (its current size) with the gradient, line by line along the axis:
// the first stop is drawn at pixel 0, each segment's first line already carries one
// step of change and its last line reaches the next stop's colour. Segments whose
// positions do not increase, and the part of the axis beyond the last stop, keep the
// image's previous pixels. Throws SuiteError (image untouched) on a malformed text.
void PaintGradient(const QString &text, QImage &image);
void PaintGradient(const Gradient &gradient, QImage &image);

// The gradient text of a stop list: "R,G,B,P|" per stop, then the direction.
QString ComposeGradient(const QList<GradientStop> &stops, const QString &direction);

// Fills the widget with DialogGradient, the background of the suite's dialogs and of
// the wizard and manager windows. For paintEvent.
void PaintDialogBackground(QWidget *widget);
