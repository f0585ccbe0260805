#include "chineseui.h"
#include "programstart.h"
#include "tcreateform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    UseInterfaceLanguage();
    QApplication app(argc, argv);
    IdentifyProgram(QStringLiteral("Quorin"), QStringLiteral("org.zelmora.Zelmora.Wizard"));
    if (!PrepareWindowProgram())
        return 1;
    TCreateForm wizard;
    CentreMainWindow(&wizard);
    wizard.show();
    return app.exec();
}
