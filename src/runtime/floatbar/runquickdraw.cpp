#include "runquickdraw.h"

#include "apppaths.h"
#include "chineseui.h"
#include "globalkey.h"
#include "handoff.h"
#include "messages.h"
#include "quickdrawbar.h"
#include "runwindow.h"
#include "suiteerror.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

void WriteError(const QString &text)
{
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
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
        if (!takesValue) {
            WriteError(QStringLiteral("无法识别的参数“%1”。用法：Dellamy --float [--project 工程名] [--appdir 目录]").arg(argument));
            return 2;
        }
        if (i + 1 >= arguments.size()) {
            WriteError(QStringLiteral("选项 %1 缺少取值。").arg(argument));
            return 2;
        }
        const QString value = arguments.at(++i);
        if (argument == QStringLiteral("--project")) {
            projectName = value;
            projectGiven = true;
        } else if (!QFileInfo(value).isDir()) {
            WriteError(QStringLiteral("应用目录“%1”不存在。").arg(value));
            return 2;
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
