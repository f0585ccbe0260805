#include "apppaths.h"
#include "chineseui.h"
#include "menuinstance.h"
#include "messages.h"
#include "programstart.h"
#include "tfirstform.h"

#include <QApplication>

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
        ShowError(nullptr, QStringLiteral("Varnel 无法启动"), failure);
        return 1;
    case MenuInstance::Outcome::First:
        break;
    }
    TFirstForm menu;
    QObject::connect(&instance, &MenuInstance::BringForwardRequested, &menu, &TFirstForm::BringForward);
    CentreMainWindow(&menu);
    menu.show();
    return app.exec();
}
