#include "apppaths.h"
#include "codec.h"
#include "messages.h"
#include "tcreateform.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QScreen>

namespace {
// The windows are laid out for "微软雅黑"; where it is missing an installed CJK face
// stands in for it.
void UseChineseFace()
{
    const QString wanted = QStringLiteral("微软雅黑");
    const QStringList families = QFontDatabase::families();
    if (!families.contains(wanted)) {
        for (const QString &candidate : {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                                         QStringLiteral("Noto Sans SC"), QStringLiteral("WenQuanYi Zen Hei")}) {
            if (families.contains(candidate)) {
                QFont::insertSubstitution(wanted, candidate);
                break;
            }
        }
    }
    QFont font(wanted, 9);
    QApplication::setFont(font);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    UseChineseFace();
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
