// The quick-draw bar on a real X server with a window manager: another program keeps the
// focus when the bar is clicked, the global key draws while that program has it, and the
// bar's place is kept across starts. The test starts Xvfb on a free display, openbox and
// xlogo (the program in front, full screen), and ends them.
#include "barsettings.h"
#include "barplacement.h"
#include "codec.h"
#include "globalkey.h"
#include "quickdrawbar.h"
#include "quickdrawresult.h"
#include "rollcallfixture.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/types.h>

namespace {

// Output of a short X tool run to its end.
QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        qWarning("%s did not finish", qPrintable(program));
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The window manager's active window, as a number.
qulonglong ActiveWindow()
{
    const QString line = Run("xprop", {"-root", "_NET_ACTIVE_WINDOW"});
    return line.section(QLatin1Char('#'), 1).trimmed().toULongLong(nullptr, 16);
}

// Moves the pointer onto the window's centre once the window manager has put it on the
// screen (until then the pointer would be over the program below).
template <class Window>
bool PointAt(const Window *window)
{
    const QString own = QStringLiteral("0x%1 ").arg(window->winId(), 0, 16);
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        // The pointer is over the window itself, or over a frame the window manager put
        // around it.
        const QPoint point = window->Placed().center();
        const QString over =
            Run("xdotool", {"mousemove", QString::number(point.x()), QString::number(point.y()), "getmouselocation"})
                .section(QStringLiteral("window:"), 1);
        if (over.toULongLong() == window->winId()
            || (!over.isEmpty() && Run("xwininfo", {"-children", "-id", over}).contains(own)))
            return true;
        QTest::qWait(50);
    }
    return false;
}

} // namespace

class QuickDrawDesktopTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QProcess windowManager;
    QProcess other;
    qulonglong otherWindow = 0;

    std::unique_ptr<QuickDrawBar> NewBar()
    {
        auto bar = std::make_unique<QuickDrawBar>(CreateGlobalKeySource());
        bar->show();
        bar->OpenProject("点名");
        bar->ResultLabel()->hide();
        if (!QTest::qWaitForWindowExposed(bar.get()))
            qWarning("the bar was not shown");
        return bar;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(BindCodec(SUITE_APP_DIR));
        SetAppDir(dir.path());
        QDir(dir.path()).mkpath("Data/Projects");
        SaveRollCall("点名", {{"甲", "乙", "丙", "丁", "戊"}});

        windowManager.start("openbox", {});
        QVERIFY(windowManager.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!Run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("not found"), 20000);
        other.start("xlogo", {"-geometry", "1280x800+0+0"});
        QVERIFY(other.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!Run("xdotool", {"search", "--class", "xlogo"}).isEmpty(), 20000);
        otherWindow = Run("xdotool", {"search", "--class", "xlogo"}).split('\n').first().toULongLong();
        // A presentation: full screen, which window managers stack over "stay on top" windows.
        Run("wmctrl", {"-i", "-r", QString::number(otherWindow), "-b", "add,fullscreen"});
        Run("xdotool", {"windowactivate", "--sync", QString::number(otherWindow)});
        QTRY_COMPARE_WITH_TIMEOUT(ActiveWindow(), otherWindow, 20000);
    }
    void cleanupTestCase()
    {
        other.kill();
        other.waitForFinished();
        windowManager.kill();
        windowManager.waitForFinished();
    }

    void clickAndKeyDrawWhileTheOtherProgramKeepsTheFocus()
    {
        auto bar = NewBar();
        QCOMPARE(bar->KeyProblem(), QString());
        QSignalSpy shown(bar.get(), &QuickDrawBar::ResultShown);
        QVERIFY(PointAt(bar.get()));
        Run("xdotool", {"click", "1"});
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, 20000);
        QVERIFY(bar->ResultLabel()->isVisible());
        // A click on the result keeps it; the focus stays in front all the while.
        QVERIFY(PointAt(bar->ResultLabel()));
        Run("xdotool", {"click", "1"});
        QTRY_VERIFY_WITH_TIMEOUT(bar->ResultLabel()->Kept(), 20000);
        QCOMPARE(ActiveWindow(), otherWindow);

        Run("xdotool", {"key", "ctrl+alt+r"});
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 2, 20000);
        QCOMPARE(ActiveWindow(), otherWindow);

        // Resting: no timer of its own once the result is put away.
        bar->ResultLabel()->hide();
        QList<QObject *> objects{bar.get(), bar->ResultLabel()};
        objects += bar->findChildren<QObject *>();
        for (QObject *object : objects)
            QVERIFY(QAbstractEventDispatcher::instance()->registeredTimers(object).isEmpty());
    }

    void placeIsKeptAcrossStartsAndBroughtBackOnScreen()
    {
        const QList<QRect> screens{QGuiApplication::primaryScreen()->geometry()};
        QPoint dropped;
        {
            auto bar = NewBar();
            // Dragged to 10 px from the left edge: it snaps onto the edge.
            const QPoint grip = bar->Placed().center();
            const QPoint target(10 + bar->width() / 2, 200);
            QVERIFY(PointAt(bar.get()));
            Run("xdotool", {"mousedown", "1"});
            Run("xdotool", {"mousemove", QString::number(grip.x() - 40), QString::number(grip.y())});
            Run("xdotool", {"mousemove", QString::number(target.x()), QString::number(target.y()), "mouseup", "1"});
            QTRY_COMPARE_WITH_TIMEOUT(bar->Placed().x(), 0, 20000);
            dropped = bar->Placed().topLeft();
            QCOMPARE(ActiveWindow(), otherWindow);
        }
        {
            auto bar = NewBar();
            QCOMPARE(bar->Placed().topLeft(), dropped);
        }
        WriteBarPlace(ScreenLayoutKey(screens), QPoint(-4000, 9000));
        auto bar = NewBar();
        QVERIFY(screens.first().contains(bar->Placed()));
    }
};

// Xvfb on the first free display from :39 on; the display is ready when its socket is.
int main(int argc, char **argv)
{
    int display = 39;
    while (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(display))
           || QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display)))
        ++display;
    qint64 serverPid = 0;
    if (!QProcess::startDetached("Xvfb", {QStringLiteral(":%1").arg(display), "-screen", "0", "1280x800x24", "-nolisten", "tcp"},
                                 QString(), &serverPid)) {
        std::fprintf(stderr, "Xvfb could not be started\n");
        return 1;
    }
    QDeadlineTimer ready(20000);
    while (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display)) && !ready.hasExpired())
        QThread::msleep(20);
    qputenv("DISPLAY", QByteArray(":") + QByteArray::number(display));
    qputenv("QT_QPA_PLATFORM", "xcb");
    int status = 1;
    {
        QApplication application(argc, argv);
        QuickDrawDesktopTest test;
        status = QTest::qExec(&test, argc, argv);
    }
    ::kill(pid_t(serverPid), SIGTERM);
    return status;
}

#include "test_quickdraw_desktop.moc"
