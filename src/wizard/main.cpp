#include "apppaths.h"
#include "chineseui.h"
#include "codec.h"
#include "messages.h"
#include "tcreateform.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

int main(int argc, char *argv[])
{
    UseChineseUi();
    QApplication app(argc, argv);
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
    TCreateForm wizard;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        wizard.move(screen->availableGeometry().center() - wizard.rect().center());
    wizard.show();
    return app.exec();
}
