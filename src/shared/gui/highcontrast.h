#pragma once

#include <QPalette>

// The high-contrast look ("高对比度" in the settings): light text on black at 7:1 or more
// in every window, a yellow focus and selection, so the windows read on a projector that
// washes colours out. Chosen in Soft.ini and taken at each program's start.

// Whether this run shows the high-contrast look.
bool HighContrastOn();

// Puts the look onto the application (style, palette, the buttons' frames) and makes
// HighContrastOn true. Needs the application object.
void UseHighContrastLook();

QPalette HighContrastPalette();
