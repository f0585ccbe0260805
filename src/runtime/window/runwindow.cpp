#include "runwindow.h"

#include "apppaths.h"
#include "chineseui.h"
#include "messages.h"
#include "randform.h"
#include "recordintegration.h"

#include <QApplication>

void AllowLargeSyntheticBold()
{
    if (!qEnvironmentVariableIsSet("QT_NO_SYNTHESIZED_BOLD_LIMIT"))
        qputenv("QT_NO_SYNTHESIZED_BOLD_LIMIT", "1");
}

int RunDrawingWindow(int argc, char **argv)
{
    AllowLargeSyntheticBold();
    QApplication application(argc, argv);
    SubstituteMissingChineseFaces();
    InstallToolkitChineseTexts();
    QString dataDirFailure;
    if (!PrepareDataDir(&dataDirFailure)) {
        ShowRightsMessage(nullptr);
        return 1;
    }
    // The tray can hide the window; the program ends when the window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    TRandForm form;
    QObject::connect(&form, &TRandForm::EndApplication, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    QObject::connect(&form, &TRandForm::Closing, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    if (form.FormShow() == TRandForm::StartupOutcome::Ended)
        return 0;
    AttachRecordTools(form);
    return application.exec();
}
