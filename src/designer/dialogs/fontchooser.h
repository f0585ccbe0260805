#pragma once

#include "valueencodings.h"

#include <optional>

class QFont;
class QWidget;

// The font dialog `FontSet`: face, styles and size together with the text colour, since
// a stored font carries its colour. Nothing when the user cancels.
std::optional<FontSpec> ChooseFontSpec(QWidget *parent, const FontSpec &current);

// The stored font of a chosen toolkit font and colour (the size in whole points).
FontSpec ToFontSpec(const QFont &font, const Rgb &colour);
