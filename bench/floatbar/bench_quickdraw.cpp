// The quick-draw bar's costs, printed with their goals: the time from a click to the
// result shown, the memory with a 1,000-name project, and what it costs while idle
// (processor time and wake-ups over a minute; --idle-seconds N for a shorter look).
#include "codec.h"
#include "globalkey.h"
#include "quickdrawbar.h"
#include "quickdrawresult.h"
#include "rollcallfixture.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// Counts the timer events delivered anywhere in the program.
class TimerEventCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            ++count;
        return false;
    }
};

double ResidentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

void Click(QWidget *widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, centre, widget->mapToGlobal(centre), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

void Report(const char *what, double value, const char *unit, double goal)
{
    std::printf("%-44s %10.3f %-4s goal <= %-8g %s\n", what, value, unit, goal, value <= goal ? "ok" : "MISSED");
}

} // namespace

int main(int argc, char **argv)
{
    int idleSeconds = 60;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--idle-seconds") == 0)
            idleSeconds = std::max(1, atoi(argv[i + 1]));
    }
    // The offscreen platform says at every show that it has no masks or opacity.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            standard(type, context, message);
    });
    QApplication application(argc, argv);
    QTemporaryDir dir;
    SetAppDir(dir.path());
    QDir(dir.path()).mkpath(QStringLiteral("Data/Projects"));
    if (!BindCodec(QStringLiteral(SUITE_APP_DIR))) {
        std::fprintf(stderr, "the codec library is missing in %s\n", SUITE_APP_DIR);
        return 1;
    }
    QStringList names;
    for (int i = 1; i <= 1000; ++i)
        names << QStringLiteral("学生%1").arg(i, 4, 10, QLatin1Char('0'));
    SaveRollCall(QStringLiteral("千人"), {names});
    QFile soft(dir.filePath(QStringLiteral("Soft.ini")));
    if (soft.open(QIODevice::WriteOnly))
        soft.write("[QuickDraw]\nShowSeconds=1\n");
    soft.close();

    QuickDrawBar bar(CreateGlobalKeySource());
    bar.show();
    if (!bar.OpenProject(QStringLiteral("千人"))) {
        std::fprintf(stderr, "%s\n", qPrintable(bar.ResultLabel()->text()));
        return 1;
    }

    // As on a desktop, the bar has been drawn before anyone clicks it.
    QCoreApplication::processEvents();

    // Click to result shown: the draw, the history's hand-off and the label painted.
    QList<double> clicks;
    for (int i = 0; i < 100; ++i) {
        QElapsedTimer clock;
        clock.start();
        Click(&bar);
        QCoreApplication::processEvents();
        if (!bar.ResultLabel()->isVisible())
            return 1;
        clicks << clock.nsecsElapsed() / 1e6;
    }
    const double first = clicks.first();
    std::sort(clicks.begin(), clicks.end());
    std::printf("quick-draw bar, 1,000-name project, %s platform\n", qPrintable(QGuiApplication::platformName()));
    Report("click to result shown, first click (ms)", first, "ms", 50);
    Report("click to result shown, median of 100 (ms)", clicks.at(clicks.size() / 2), "ms", 50);
    Report("click to result shown, slowest of 100 (ms)", clicks.last(), "ms", 50);
    Report("resident memory (MB)", ResidentMegabytes(), "MB", 60);

    // Idle: the result fades away first, then the program is left alone. A thread ends
    // the wait, so the program's own event loop has no timer of its own to run.
    while (bar.ResultLabel()->isVisible())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // The display server's answers to the label going away are not idle time.
    QThread::sleep(1);
    QCoreApplication::processEvents();
    TimerEventCounter timers;
    application.installEventFilter(&timers);
    int wakeUps = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, [&wakeUps] { ++wakeUps; });
    QThread *ender = QThread::create([idleSeconds] {
        QThread::sleep(idleSeconds);
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    const std::clock_t cpuBefore = std::clock();
    ender->start();
    application.exec();
    const double cpuSeconds = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    ender->wait();
    delete ender;
    std::printf("idle for %d s:\n", idleSeconds);
    Report("processor time, % of one core", 100.0 * cpuSeconds / idleSeconds, "%", 0.2);
    Report("timer events", timers.count, "", 0);
    // Entering the loop, the end's message and leaving it.
    Report("event-loop wake-ups, start and end included", wakeUps, "", 3);
    return 0;
}
