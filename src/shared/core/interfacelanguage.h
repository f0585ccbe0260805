#pragma once

#include <QLocale>
#include <QString>

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
