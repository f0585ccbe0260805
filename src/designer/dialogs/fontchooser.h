#pragma once

#include "valueencodings.h"

#include <optional>

class QFont;
class QWidget;

// The font dialog `FontSet`: face, styles and size together with the text colour, since
// a stored font carries its colour. Nothing when the user cancels.
std::optional<FontSpec> ChooseFontSpec(QWidget *parent, const FontSpec &current);

// The stored font of a chosen toolkit font and colour (the size in whole points). The
// face is the family name alone, never with the foundry the font database may append.
FontSpec ToFontSpec(const QFont &font, const Rgb &colour);

// The font an object is drawn with: a stored face that is not installed is replaced by
// the face that stands in for it; styles and size stay.
QFont ShownFont(const FontSpec &font);

// What the dialog stores for the font it was opened on (`shown`, of `current`) and the
// font the user left it with: the stored face stays when the family was not changed,
// and bold stays when the chosen face has no bold style of its own (it is synthesised).
FontSpec ChosenFontSpec(const FontSpec &current, const QFont &shown, const QFont &chosen, const Rgb &colour);
