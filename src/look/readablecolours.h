#pragma once

#include "displaysection.h"

#include <QVector>

// Text that can be read on what it stands on: a result shown white on white is a draw
// nobody sees.

// Contrast of two colours by relative luminance, from 1 (same) to 21 (black on white).
double ContrastRatio(const Rgb &a, const Rgb &b);
constexpr double kReadableContrast = 4.5;
// What the high-contrast look asks of every text: readable on a washed-out projector.
constexpr double kHighContrast = 7.0;

// The colours a label's text stands on: the window's colour or every stop of its
// gradient. Empty for a picture background, whose colours are not known.
QVector<Rgb> WindowBackdrop(const BackgroundFill &window);
// For a box: an edit or memo its own background, a label the window's.
QVector<Rgb> BoxBackdrop(const ResultBox &box, const BackgroundFill &window);

// `text` when it reads (`needed` or more) on every backdrop colour; otherwise the first
// of dark, white and black text that reads on all of them (the one that reads best when
// none does).
Rgb ReadableTextColour(const Rgb &text, const QVector<Rgb> &backdrop, double needed = kReadableContrast);

// Gives a box readable text on the window background `window`, keeping a colour that
// already reads; MakeBoxesReadable does so for the enabled result and record boxes and,
// in a picture project, the picture name.
void MakeBoxReadable(ResultBox &box, const BackgroundFill &window);
void MakeBoxesReadable(FormSection &form, bool pictureProject);

// The high-contrast look of a design, for the copy a window shows (the project keeps its
// colours): every text at least kHighContrast from what it stands on. A window or box
// ground that no text reaches that on (a picture, a mid-tone colour or gradient) turns
// black; designed colours that already read stay.
void MakeFormHighContrast(FormSection &form, bool pictureProject);
// The same for the animation's extra result window.
void MakeExtraScreenHighContrast(ExtraScreen &screen);
