#pragma once

#include <QString>

// Projects name the Windows face "微软雅黑" (and sometimes other Chinese faces) that
// Linux machines lack. Makes every such face missing here stand for an installed CJK
// family, so Chinese text renders instead of showing boxes. Needs a QGuiApplication.
// Returns the family used as stand-in (empty when no CJK family is installed).
QString SubstituteMissingChineseFaces();

// Chooses the language of the windows and messages: Soft.ini's [Interface] Language, or
// when that is automatic the system's (Chinese for zh*, English for another named
// language, Chinese for the bare C locale). Call it first thing in main(), before the
// application object is made: the toolkit reads the system's locale for dates once,
// while that object is made. Chinese: dates are written the Chinese way everywhere (the
// toolkit's file dialogs included), QLocale() is Chinese, and the toolkit's own texts
// (file, colour and font dialogs, edit menus) are Chinese: its installed translations,
// plus the few words they lack (a file dialog's "Folder"). English: the suite's English
// translation is installed and QLocale() is English. Called after the application
// object exists, everything but the file dialogs' dates still follows. The same start
// takes Soft.ini's high-contrast look (highcontrast.h) for a program with windows.
void UseInterfaceLanguage();
