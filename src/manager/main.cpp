#include "apppaths.h"
#include "chineseui.h"
#include "codec.h"
#include "ostrelcommand.h"
#include "programstart.h"
#include "suiteerror.h"
#include "tprojmanageform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace {

// --export, --pack, --import and --help run without a window and without a display.
int RunWithoutWindow(const OstrelOptions &options)
{
    if (options.mode != OstrelMode::Help) {
        SetAppDir(options.appDir);
        QString dataDirFailure;
        if (!PrepareDataDir(&dataDirFailure)) {
            const QString message = QCoreApplication::translate("Ostrel", "软件权限不足：%1\n").arg(dataDirFailure);
            std::fputs(message.toUtf8().constData(), stderr);
            return kOstrelWriteFailed;
        }
        if (!BindCodec()) {
            std::fputs(CodecBindError().toUtf8().constData(), stderr);
            std::fputs("\n", stderr);
            return kOstrelUnreadable;
        }
        RecoverInterruptedImport();
    }
    return RunOstrelCommand(options, stdout, stderr);
}

int RunManagerWindow(int argc, char **argv, const OstrelOptions &options)
{
    QApplication app(argc, argv);
    IdentifyProgram(QStringLiteral("Ostrel"), QStringLiteral("org.zelmora.Zelmora.Manager"));
    SetAppDir(options.appDir);
    if (!PrepareWindowProgram())
        return 1;
    RecoverInterruptedImport();
    TProjManageForm manager;
    CentreMainWindow(&manager);
    manager.show();
    // Files opened with Ostrel (a double-click on .rproj / .rprojs) wait on the import page.
    if (!options.items.isEmpty())
        QTimer::singleShot(0, &manager, [&manager, files = options.items] { manager.LoadFiles(files); });
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    UseInterfaceLanguage();
    OstrelOptions options;
    {
        // Arguments as the platform gives them, decided before any display is opened.
        QCoreApplication application(argc, argv);
        try {
            options = ParseOstrelArguments(application.arguments().mid(1));
        } catch (const SuiteError &error) {
            std::fprintf(stderr, "%s\n\n%s", error.what(), OstrelUsage().toUtf8().constData());
            return kOstrelBadArguments;
        }
        if (options.mode != OstrelMode::Window)
            return RunWithoutWindow(options);
    }
    return RunManagerWindow(argc, argv, options);
}
