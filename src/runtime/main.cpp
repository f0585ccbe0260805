#include "commandline.h"

#include <QCoreApplication>
#include <QLibrary>

#include <cstdio>

namespace {

// The window lives in the library DellamyWindow beside the program, so a draw from the
// command line never loads the GUI libraries.
int RunWindowFromLibrary(int argc, char **argv)
{
    QString libraryPath;
    {
        // Only to learn the program's directory; the window creates its own application.
        QCoreApplication probe(argc, argv);
        libraryPath = QCoreApplication::applicationDirPath() + QStringLiteral("/DellamyWindow");
    }
    QLibrary library(libraryPath);
    using WindowEntry = int (*)(int, char **);
    const auto run = reinterpret_cast<WindowEntry>(library.resolve("DellamyRunWindow"));
    if (!run) {
        std::fprintf(stderr, "%s\n",
                     QStringLiteral("找不到抽取窗口库 DellamyWindow（%1），请重新安装本软件。")
                         .arg(library.errorString())
                         .toLocal8Bit()
                         .constData());
        return 1;
    }
    return run(argc, argv);
}

} // namespace

// With arguments Dellamy draws on the command line, without any window and without a
// display connection; without arguments it is the drawing window.
int main(int argc, char **argv)
{
    if (argc > 1) {
        QCoreApplication application(argc, argv);
        return RunCommandLine(application.arguments().mid(1), stdout, stderr);
    }
    return RunWindowFromLibrary(argc, argv);
}
