#include "apppaths.h"
#include "chineseui.h"
#include "codec.h"
#include "messages.h"
#include "tfirstform.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

int main(int argc, char *argv[])
{
    UseChineseUi();
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const qsizetype appDirOption = arguments.indexOf(QStringLiteral("--appdir"));
    if (appDirOption > 0 && appDirOption + 1 < arguments.size())
        SetAppDir(arguments.at(appDirOption + 1));
    // The windows are laid out for "微软雅黑"; an installed CJK face stands in for it.
    SubstituteMissingChineseFaces();
    QApplication::setFont(QFont(QStringLiteral("微软雅黑"), 9));
    QString dataDirFailure;
    if (!PrepareDataDir(&dataDirFailure)) {
        ShowRightsMessage(nullptr);
        return 1;
    }
    if (!BindCodec()) {
        ShowError(nullptr, QStringLiteral("组件缺失"), CodecBindError());
        return 1;
    }
    TFirstForm menu;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        menu.move(screen->availableGeometry().center() - menu.rect().center());
    menu.show();
    return app.exec();
}
