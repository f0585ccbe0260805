#pragma once

#include "displaysection.h"

#include <QVector>

// Text that can be read on what it stands on: a result shown white on white is a draw
// nobody sees.

// Contrast of two colours by relative luminance, from 1 (same) to 21 (black on white).
double ContrastRatio(const Rgb &a, const Rgb &b);
constexpr double kReadableContrast = 4.5;

// The colours a label's text stands on: the window's colour or every stop of its
// gradient. Empty for a picture background, whose colours are not known.
QVector<Rgb> WindowBackdrop(const BackgroundFill &window);
// For a box: an edit or memo its own background, a label the window's.
QVector<Rgb> BoxBackdrop(const ResultBox &box, const BackgroundFill &window);

// `text` when it reads on every backdrop colour; otherwise the first of dark, white and
// black text that reads on all of them (the one that reads best when none does).
Rgb ReadableTextColour(const Rgb &text, const QVector<Rgb> &backdrop);

// Gives a box readable text on the window background `window`, keeping a colour that
// already reads; MakeBoxesReadable does so for the enabled result and record boxes and,
// in a picture project, the picture name.
void MakeBoxReadable(ResultBox &box, const BackgroundFill &window);
void MakeBoxesReadable(FormSection &form, bool pictureProject);
