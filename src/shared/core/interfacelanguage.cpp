#include "interfacelanguage.h"

#include "apppaths.h"
#include "softsettings.h"

#include <QCoreApplication>
#include <QTranslator>

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

QString MessagesLocaleName()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray name = qgetenv(variable);
        if (!name.isEmpty())
            return QString::fromLocal8Bit(name).section(QLatin1Char('.'), 0, 0);
    }
    return QString();
}

QString InterfaceLanguageSetting(const QStringList &arguments)
{
    return ReadStartSoftSettings(arguments).language;
}

InterfaceLanguage ChooseStartLanguage(const QStringList &arguments, const QString &messagesLocaleName)
{
    const QString setting = InterfaceLanguageSetting(arguments);
    if (setting == kLanguageChinese || setting == kLanguageEnglish)
        return ChooseInterfaceLanguage(setting, QLocale::c());
    return ChooseInterfaceLanguage(setting, messagesLocaleName.isEmpty() ? QLocale::system() : QLocale(messagesLocaleName));
}

void InstallEnglishTranslation()
{
    QCoreApplication *application = QCoreApplication::instance();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    auto *translator = new QTranslator(application);
    if (translator->load(EnglishTranslationPath()))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

bool ConsoleSpeaksEnglish(const QStringList &arguments)
{
    return ChooseStartLanguage(arguments, MessagesLocaleName()) == InterfaceLanguage::English;
}

void UseConsoleLanguage()
{
    if (ConsoleSpeaksEnglish(QCoreApplication::arguments()))
        InstallEnglishTranslation();
}
