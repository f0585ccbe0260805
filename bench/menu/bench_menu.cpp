// The project menu with a catalogue of 500 projects: the time from creating the window
// to its first paint (goal: within 500 ms), and the time a resize that changes the
// number of columns takes to reflow and repaint the grid (goal: within 50 ms). Run with
// QT_QPA_PLATFORM=offscreen (bench/run sets it) or under a display.
#include "apppaths.h"
#include "messages.h"
#include "tfirstform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kProjects = 500;

// An application directory whose catalogue lists 500 projects; the icons and pictures
// are the installation's.
class LargeCatalogue
{
public:
    LargeCatalogue()
    {
        QDir().mkpath(dir.path() + QStringLiteral("/Data/Projects"));
        for (const char *shared : {"Icons", "Img"})
            QFile::link(QStringLiteral(SUITE_APP_DIR "/") + QLatin1String(shared),
                        dir.path() + QLatin1Char('/') + QLatin1String(shared));
        QString projects;
        for (int i = 0; i < kProjects; ++i)
            projects += QStringLiteral("<Project Name=\"工程%1\" Remark=\"第%1个工程\" ReadOnly=\"否\" Pic=\"%2\"/>\n")
                            .arg(i + 1)
                            .arg(i % 140);
        QFile menu(dir.path() + QStringLiteral("/Data/menu.xml"));
        menu.open(QIODevice::WriteOnly);
        menu.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Menu><Projects Count=\"%1\">\n%2</Projects></Menu>\n")
                       .arg(kProjects)
                       .arg(projects)
                       .toUtf8());
        SetAppDir(dir.path());
    }

private:
    QTemporaryDir dir;
};

class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void waitForPaint(PaintWatch &watch, const QElapsedTimer &clock)
{
    while (!watch.painted && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void BM_StartupToPaintedMenu(benchmark::State &state)
{
    LargeCatalogue catalogue;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        auto menu = std::make_unique<TFirstForm>();
        // The info strip is painted in the same pass as the grid, after it.
        PaintWatch watch;
        menu->findChild<QWidget *>(QStringLiteral("InfoPanel"))->installEventFilter(&watch);
        menu->show();
        waitForPaint(watch, clock);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        state.PauseTiming();
        menu.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["projects"] = kProjects;
}
BENCHMARK(BM_StartupToPaintedMenu)->Iterations(10)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_ResizeReflow(benchmark::State &state)
{
    LargeCatalogue catalogue;
    TFirstForm menu;
    menu.resize(745, 560);
    menu.show();
    QCoreApplication::processEvents();
    bool wide = true;
    for (auto _ : state) {
        PaintWatch watch;
        menu.findChild<QWidget *>(QStringLiteral("InfoPanel"))->installEventFilter(&watch);
        QElapsedTimer clock;
        clock.start();
        wide = !wide;
        menu.resize(wide ? 745 : 620, 560);  // 6 and 4 columns: every icon moves
        waitForPaint(watch, clock);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
    state.counters["columns"] = menu.Columns();
}
BENCHMARK(BM_ResizeReflow)->Iterations(40)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    SetMessageHandler([](const ShownMessage &message) {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(message.caption), qPrintable(message.text));
        return QMessageBox::Ok;
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
