// Takes the screenshots of the help file, from the real windows.
//
//   helpscreens [--english] <application directory> <output directory>
//       the designer's windows: the project menu in its views, the properties window,
//       the settings dialog, the icon picker and the about window (in English with
//       --english, from the application directory's translation);
//   helpscreens --screen <file.png>
//       the whole screen, cut down to the windows on it (for the other programs,
//       started beside it on the same X display).
// data/help/make-screenshots runs both under xvfb. Pictures are kept small: 256 colours.
#include "aboutform.h"
#include "apppaths.h"
#include "chineseui.h"
#include "codec.h"
#include "configform.h"
#include "encodedxml.h"
#include "interfacelanguage.h"
#include "iconsform.h"
#include "messages.h"
#include "propertyform.h"
#include "tfirstform.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {

// 256 colours and the strongest compression (quality 0) keep the pictures small.
bool save(const QImage &image, const QString &path)
{
    const QImage small =
        image.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
    if (!small.save(path, "PNG", 0)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void settle(int ms = 60)
{
    QTest::qWait(ms);
}

// The part of the screen that is not the empty (black) desktop.
QImage cropToWindows(const QImage &screen)
{
    QRect box;
    for (int y = 0; y < screen.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x) {
            if (qGray(line[x]) > 0)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box.isEmpty() ? screen : screen.copy(box);
}

void press(QWidget *widget)
{
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(8, 8), QPointF(widget->mapToGlobal(QPoint(8, 8))),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(8, 8), QPointF(widget->mapToGlobal(QPoint(8, 8))),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

int designerWindows(const QString &outDir)
{
    const QString out = outDir + QLatin1Char('/');
    bool ok = true;
    {
        TFirstForm menu;
        menu.resize(745, 560);
        menu.show();
        settle(200);
        ok &= save(menu.grab().toImage(), out + QStringLiteral("menu.png"));
        press(menu.ProjIcon(1));
        settle();
        ok &= save(menu.grab().toImage(), out + QStringLiteral("menu-project.png"));
        menu.MoveImgClick();
        settle(400);
        ok &= save(menu.grab().toImage(), out + QStringLiteral("menu-slid.png"));

        TPropertyForm properties;
        properties.FillProperties(menu.Catalogue().At(1), LoadEncodedDocument(ProjectFilePath(menu.Catalogue().At(1).name)));
        properties.show();
        settle();
        ok &= save(properties.grab().toImage(), out + QStringLiteral("properties.png"));
        // Destroyed without closing: the tool writes nothing into the installation.
    }
    TConfigForm settings;
    settings.show();
    settings.ShowImgBorder->setChecked(true);
    settle();
    ok &= save(settings.grab().toImage(), out + QStringLiteral("settings.png"));

    TIconsForm icons;
    icons.show();
    settle();
    press(icons.IconAt(23));
    settle();
    ok &= save(icons.grab().toImage(), out + QStringLiteral("icons.png"));

    TAboutForm about;
    about.show();
    settle();
    ok &= save(about.grab().toImage(), out + QStringLiteral("about.png"));
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    const bool english = arguments.size() > 1 && arguments.at(1) == QLatin1String("--english");
    if (english)
        arguments.removeAt(1);
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--screen")) {
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        return save(cropToWindows(screen), arguments.at(2)) ? 0 : 1;
    }
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: helpscreens [--english] <application directory> <output directory>\n"
                             "       helpscreens --screen <file.png>\n");
        return 2;
    }
    SetAppDir(arguments.at(1));
    if (english) {
        SetInstallDir(arguments.at(1));
        InstallEnglishTranslation();
    }
    SubstituteMissingChineseFaces();
    QApplication::setFont(QFont(QStringLiteral("微软雅黑"), 9));
    if (!BindCodec(arguments.at(1))) {
        std::fprintf(stderr, "%s\n", qPrintable(CodecBindError()));
        return 1;
    }
    SetMessageHandler([](const ShownMessage &) { return QMessageBox::Ok; });
    return designerWindows(arguments.at(2));
}
