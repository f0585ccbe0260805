#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The language the windows and messages speak. The texts in the sources are Chinese;
// English comes from translations/zelmora_en.qm in the installation folder. What the
// programs store never depends on it.
enum class InterfaceLanguage { Chinese, English };

// Soft.ini [Interface] Language: one of these three; anything else reads as automatic.
inline const QString kLanguageAutomatic = QStringLiteral("自动");
inline const QString kLanguageChinese = QStringLiteral("中文");
inline const QString kLanguageEnglish = QStringLiteral("English");

// The stored setting wins; automatic follows the system: Chinese for zh*, English for
// any other named language. The bare C/POSIX locale names no language, so the suite
// keeps its own (Chinese).
InterfaceLanguage ChooseInterfaceLanguage(const QString &setting, const QLocale &system);

// Where the English translation lies: <installation folder>translations/zelmora_en.qm.
QString EnglishTranslationPath();

// The locale the user asks messages in: LC_ALL, LC_MESSAGES or LANG, whichever is set
// first, without its encoding; empty when none is set.
QString MessagesLocaleName();

// Soft.ini [Interface] Language of the data folder this start will use: --appdir's
// among the program's arguments, or the one PrepareDataDir will choose. Nothing is
// created; an unreadable file reads as automatic.
QString InterfaceLanguageSetting(const QStringList &arguments);

// The language this start speaks, from the program's arguments, its settings and the
// locale named by messagesLocaleName (the system's when empty).
InterfaceLanguage ChooseStartLanguage(const QStringList &arguments, const QString &messagesLocaleName);

// Installs the English translation into the application and makes QLocale() English.
// A missing translation leaves the Chinese texts: the program still works.
void InstallEnglishTranslation();

// Whether a start on the terminal with these arguments (the program's name first)
// speaks English: ChooseStartLanguage with the locale the environment names.
bool ConsoleSpeaksEnglish(const QStringList &arguments);

// For the command line: English when chosen, otherwise nothing is loaded (the sources
// speak Chinese). Needs the application object.
void UseConsoleLanguage();
