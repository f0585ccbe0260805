#include "programstart.h"

#include "apppaths.h"
#include "chineseui.h"
#include "codec.h"
#include "messages.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QScreen>
#include <QWidget>
#include <QCoreApplication>

bool PrepareWindowProgram()
{
    SubstituteMissingChineseFaces();
    QApplication::setFont(QFont(QStringLiteral("微软雅黑"), 9));
    QString dataDirFailure;
    if (!PrepareDataDir(&dataDirFailure)) {
        ShowRightsMessage(nullptr, dataDirFailure);
        return false;
    }
    if (!BindCodec()) {
        ShowError(nullptr, QCoreApplication::translate("Messages", "组件缺失"), CodecBindError());
        return false;
    }
    return true;
}

void IdentifyProgram(const QString &program, const QString &desktopFileName)
{
    // The class part of WM_CLASS; the data folder does not depend on it.
    QCoreApplication::setApplicationName(program);
    QGuiApplication::setDesktopFileName(desktopFileName);
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/zelmora/zelmora.png")));
}

void CentreMainWindow(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}
