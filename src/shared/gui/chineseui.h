#pragma once

#include <QString>

// Projects name the Windows face "微软雅黑" (and sometimes other Chinese faces) that
// Linux machines lack. Makes every such face missing here stand for an installed CJK
// family, so Chinese text renders instead of showing boxes. Needs a QGuiApplication.
// Returns the family used as stand-in (empty when no CJK family is installed).
QString SubstituteMissingChineseFaces();

// Loads the toolkit's own Chinese texts (file and colour dialogs, edit menus) when the
// toolkit's translations are installed; without them its built-in texts stay.
void InstallToolkitChineseTexts();
