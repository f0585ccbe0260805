#include "runwindow.h"

#include "apppaths.h"
#include "chineseui.h"
#include "historycontroller.h"
#include "messages.h"
#include "randform.h"
#include "recordintegration.h"
#include "verifiablecontroller.h"

#include <QApplication>

void AllowLargeSyntheticBold()
{
    if (!qEnvironmentVariableIsSet("QT_NO_SYNTHESIZED_BOLD_LIMIT"))
        qputenv("QT_NO_SYNTHESIZED_BOLD_LIMIT", "1");
}

void EndProgramWithWindow(TRandForm &form, QCoreApplication &application)
{
    QObject::connect(&form, &TRandForm::EndApplication, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    QObject::connect(&form, &TRandForm::Closed, &application, &QCoreApplication::quit, Qt::QueuedConnection);
}

int RunDrawingWindow(int argc, char **argv)
{
    AllowLargeSyntheticBold();
    UseChineseUi();
    QApplication application(argc, argv);
    SubstituteMissingChineseFaces();
    QString dataDirFailure;
    if (!PrepareDataDir(&dataDirFailure)) {
        ShowRightsMessage(nullptr);
        return 1;
    }
    // The tray can hide the window; the program ends when the window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    TRandForm form;
    EndProgramWithWindow(form, application);
    if (form.FormShow() == TRandForm::StartupOutcome::Ended)
        return 0;
    RecordController *record = AttachRecordTools(form);
    AttachHistoryTools(form, record);
    AttachVerifiableDraw(form, record);
    return application.exec();
}
