#include "apppaths.h"
#include "chineseui.h"
#include "programstart.h"
#include "tfirstform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    UseInterfaceLanguage();
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const qsizetype appDirOption = arguments.indexOf(QStringLiteral("--appdir"));
    if (appDirOption > 0 && appDirOption + 1 < arguments.size())
        SetAppDir(arguments.at(appDirOption + 1));
    if (!PrepareWindowProgram())
        return 1;
    TFirstForm menu;
    CentreMainWindow(&menu);
    menu.show();
    return app.exec();
}
