#include "apppaths.h"
#include "commandline.h"
#include "drawmemory.h"
#include "interfacelanguage.h"
#include "windowentry.h"

#include <QCoreApplication>
#include <QLibrary>

#include <cstdio>
#include <cstdlib>

namespace {

// Loads the window library from the program's own folder and hands it the program.
int OpenDrawingWindow(int argc, char **argv)
{
    const QString name = QString::fromLatin1(kWindowLibraryName);
    QLibrary library(ProgramDirBeforeStart(argv[0]) + name);
    const bool loaded = library.load();
    const auto entry = loaded ? reinterpret_cast<WindowEntry>(library.resolve(kWindowEntryName)) : nullptr;
    if (!entry) {
        // Said on the terminal in the language of this start.
        QCoreApplication console(argc, argv);
        UseConsoleLanguage();
        const QString problem = loaded ? QCoreApplication::translate("Dellamy", "缺少导出函数 %1").arg(QString::fromLatin1(kWindowEntryName))
                                       : library.errorString();
        const QByteArray message = QCoreApplication::translate("Dellamy", "找不到窗口库 %1（%2），无法打开抽取窗口。请重新安装本软件。\n")
                                       .arg(name, problem)
                                       .toUtf8();
        std::fwrite(message.constData(), 1, size_t(message.size()), stderr);
        return 1;
    }
    // The library stays loaded until the process ends.
    return entry(argc, argv);
}

} // namespace

// With arguments Dellamy draws on the command line, without any window and without a
// display connection, and loads nothing of the window; without arguments, or with the
// phone remote asked for, it is the drawing window; with --float the quick-draw bar.
int main(int argc, char **argv)
{
    if (!ArgumentsOpenWindow(argc, argv)) {
        PrepareMemoryForDraws();
        const int status = RunCommandLine(argc, argv, stdout, stderr);
        // Everything the command line writes is written and closed by now but for the
        // streams' buffers. The libraries' teardown after it, mostly code run for the first
        // time (its pages mapped a fault at a time), cost a long list's draw about 0.1 ms.
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(status);
    }
    return OpenDrawingWindow(argc, argv);
}
