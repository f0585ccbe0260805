#include "runquickdraw.h"

#include "apppaths.h"
#include "chineseui.h"
#include "globalkey.h"
#include "handoff.h"
#include "interfacelanguage.h"
#include "messages.h"
#include "quickdrawbar.h"
#include "runwindow.h"
#include "suiteerror.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

// Bad arguments are said before any display is needed, in the language of this start.
int RefuseArguments(int argc, char **argv, const char *message, const QString &value)
{
    QCoreApplication console(argc, argv);
    UseConsoleLanguage();
    const QByteArray bytes = (QCoreApplication::translate("Dellamy", message).arg(value) + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    return 2;
}

} // namespace

int RunQuickDrawBar(int argc, char **argv)
{
    // Bad arguments are said before any display is needed.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString projectName;
    bool projectGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool takesValue = argument == QStringLiteral("--project") || argument == QStringLiteral("--appdir");
        if (argument == QStringLiteral("--float"))
            continue;
        if (!takesValue)
            return RefuseArguments(argc, argv,
                                   QT_TRANSLATE_NOOP("Dellamy", "无法识别的参数“%1”。用法：Dellamy --float [--project 工程名] [--appdir 目录]"),
                                   argument);
        if (i + 1 >= arguments.size())
            return RefuseArguments(argc, argv, QT_TRANSLATE_NOOP("Dellamy", "选项 %1 缺少取值。"), argument);
        const QString value = arguments.at(++i);
        if (argument == QStringLiteral("--project")) {
            projectName = value;
            projectGiven = true;
        } else if (!QFileInfo(value).isDir()) {
            return RefuseArguments(argc, argv, QT_TRANSLATE_NOOP("Dellamy", "应用目录“%1”不存在。"), value);
        } else {
            SetAppDir(value);
        }
    }
    AllowLargeSyntheticBold();
    UseInterfaceLanguage();
    QApplication application(argc, argv);
    SubstituteMissingChineseFaces();
    QString dataDirFailure;
    if (!PrepareDataDir(&dataDirFailure)) {
        ShowRightsMessage(nullptr);
        return 1;
    }
    if (!projectGiven) {
        try {
            projectName = ReadEditProject().name;
        } catch (const SuiteError &) {
            // No default project: the bar says so and offers the catalogue.
        }
    }
    QApplication::setQuitOnLastWindowClosed(false);
    QuickDrawBar bar(CreateGlobalKeySource());
    QObject::connect(&bar, &QuickDrawBar::QuitRequested, &application, &QCoreApplication::quit);
    bar.show();
    bar.OpenProject(projectName);
    return application.exec();
}
