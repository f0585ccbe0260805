#include "interfacelanguage.h"

#include "apppaths.h"

InterfaceLanguage ChooseInterfaceLanguage(const QString &setting, const QLocale &system)
{
    if (setting == kLanguageChinese)
        return InterfaceLanguage::Chinese;
    if (setting == kLanguageEnglish)
        return InterfaceLanguage::English;
    const QLocale::Language language = system.language();
    if (language == QLocale::Chinese || language == QLocale::C || language == QLocale::AnyLanguage)
        return InterfaceLanguage::Chinese;
    return InterfaceLanguage::English;
}

QString EnglishTranslationPath()
{
    return InstallDir() + QStringLiteral("translations/zelmora_en.qm");
}
