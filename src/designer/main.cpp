#include "apppaths.h"
#include "chineseui.h"
#include "menuinstance.h"
#include "messages.h"
#include "programstart.h"
#include "tfirstform.h"

#include <QApplication>
#include <QDateTime>

#include <cstdio>

namespace {

// For the start-up benchmark (bench/compare-menu): with ZELMORA_REPORT_FIRST_PAINT set,
// the menu prints the wall-clock time (ms since the epoch) once the icon grid has been
// painted for the first time, and ends.
class FirstPaintReport : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The info strip is painted in the same pass as the grid, after it.
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, [] {
                std::printf("%lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
                std::fflush(stdout);
                QApplication::quit();
            }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    UseInterfaceLanguage();
    QApplication app(argc, argv);
    IdentifyProgram(QStringLiteral("Varnel"), QStringLiteral("org.zelmora.Zelmora"));
    const QStringList arguments = QApplication::arguments();
    const qsizetype appDirOption = arguments.indexOf(QStringLiteral("--appdir"));
    if (appDirOption > 0 && appDirOption + 1 < arguments.size())
        SetAppDir(arguments.at(appDirOption + 1));
    if (!PrepareWindowProgram())
        return 1;
    MenuInstance instance;
    QString failure;
    switch (instance.Claim(&failure)) {
    case MenuInstance::Outcome::Forwarded:
        return 0;
    case MenuInstance::Outcome::Failed:
        ShowError(nullptr, QCoreApplication::translate("Varnel", "Varnel 无法启动"), failure);
        return 1;
    case MenuInstance::Outcome::First:
        break;
    }
    TFirstForm menu;
    QObject::connect(&instance, &MenuInstance::BringForwardRequested, &menu, &TFirstForm::BringForward);
    CentreMainWindow(&menu);
    FirstPaintReport firstPaint;
    if (qEnvironmentVariableIsSet("ZELMORA_REPORT_FIRST_PAINT"))
        menu.findChild<QWidget *>(QStringLiteral("InfoPanel"))->installEventFilter(&firstPaint);
    menu.show();
    return app.exec();
}
