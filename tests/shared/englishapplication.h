#pragma once

#include "appdirarguments.h"
#include "apppaths.h"
#include "chineseui.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

// Runs the QtTest object `Test` in an application that speaks English the way a user's
// would: the system's language is English, the settings of its (temporary) data folder
// leave the language automatic, and the translation comes from the assembled application
// folder.
template <typename Test>
int RunInEnglish(int argc, char **argv)
{
    qputenv("LANG", "en_US.UTF-8");
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    QTemporaryDir dataDir;
    SetInstallDir(QStringLiteral(SUITE_APP_DIR));
    AppDirArguments arguments(argv[0], dataDir.path());
    UseInterfaceLanguage();
    QApplication application(arguments.count, arguments.values);
    SetAppDir(dataDir.path());
    Test test;
    return QTest::qExec(&test, argc, argv);
}
