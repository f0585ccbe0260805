#pragma once

#include <QString>

// Projects name the Windows face "微软雅黑" (and sometimes other Chinese faces) that
// Linux machines lack. Makes every such face missing here stand for an installed CJK
// family, so Chinese text renders instead of showing boxes. Needs a QGuiApplication.
// Returns the family used as stand-in (empty when no CJK family is installed).
QString SubstituteMissingChineseFaces();

// Every program of the suite speaks Chinese whatever the system's language. Call it
// first thing in main(), before the application object is made: the toolkit reads the
// system's locale for dates once, while that object is made. From then on dates are
// written the Chinese way everywhere (the toolkit's file dialogs included), QLocale()
// is Chinese, and once the application object exists the toolkit's own texts (file,
// colour and font dialogs, edit menus) are Chinese: its installed translations, plus
// the few words they lack (a file dialog's "Folder"). Called after the application
// object exists, everything but the file dialogs' dates still turns Chinese.
void UseChineseUi();
