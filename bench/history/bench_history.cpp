// The draw history's speed: what recording a draw costs the drawing window (against a
// 20 ms animation frame), and, on a history of 1,000,000 draws, the filtered counts,
// the first page of the draw list and opening the history window.
// Run with QT_QPA_PLATFORM=offscreen (bench/run sets it) or under a display.
#include "historyform.h"
#include "historyrecorder.h"
#include "historystore.h"
#include "../historyfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kDraws = 1'000'000;
constexpr int kDays = 365;
const QStringList kProjects = {"一班点名", "二班点名", "年会抽奖"};

QString Name(int i)
{
    return QStringLiteral("学生%1").arg(i % 50 + 1);
}

// A year of draws: 60% in the first class, 30% in the second, 10% lottery draws of two
// prizes. Built once per run.
const QString &MillionDrawDatabase()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath("Data/history.db");
        FillHistory(file, kDraws, kDays, [](int i, const QDateTime &time) {
            const int project = i % 10 < 6 ? 0 : i % 10 < 9 ? 1 : 2;
            QStringList results{Name(i * 7 + i / 13)};
            if (project == 2)
                results << Name(i * 3 + 1);
            return HistoryEntry{0, time, kProjects[project], i % 40 + 1, kSourceWindow, results};
        });
        return file;
    }();
    return path;
}

// What the drawing window does when a draw stops: hand the draw to the recorder.
void BM_RecordOneDraw(benchmark::State &state)
{
    QTemporaryDir dir;
    HistoryRecorder recorder(dir.filePath("Data/history.db"));
    const HistoryEntry entry{0, QDateTime::currentDateTime(), "一班点名", 1, kSourceWindow, {"张三"}};
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state)
        recorder.Record(entry);
    // Wall time per call as a percentage of one 20 ms frame.
    state.counters["percent_of_20ms_frame"] =
        double(timer.nsecsElapsed()) / double(state.iterations()) / 20e6 * 100.0;
    recorder.Flush();
}
BENCHMARK(BM_RecordOneDraw)->Unit(benchmark::kMicrosecond);

// The history window's queries on a million draws: arg 0 = one project over all days,
// 1 = one project over the last 30 days, 2 = every project over all days.
HistoryFilter FilterFor(int which)
{
    HistoryFilter filter;
    if (which != 2)
        filter.project = kProjects[0];
    if (which == 1)
        filter.from = QDate::currentDate().addDays(-30);
    return filter;
}

void BM_CountsOfMillionDraws(benchmark::State &state)
{
    HistoryStore store;
    store.Open(MillionDrawDatabase());
    const HistoryFilter filter = FilterFor(int(state.range(0)));
    qint64 draws = 0;
    for (auto _ : state) {
        draws = store.CountDraws(filter);
        benchmark::DoNotOptimize(store.Counts(filter));
    }
    state.counters["draws_in_filter"] = double(draws);
}
BENCHMARK(BM_CountsOfMillionDraws)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_FirstPageOfMillionDraws(benchmark::State &state)
{
    HistoryStore store;
    store.Open(MillionDrawDatabase());
    const HistoryFilter filter = FilterFor(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(store.Draws(filter, HistoryDrawModel::kPageSize));
}
BENCHMARK(BM_FirstPageOfMillionDraws)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// From the menu item to a shown window with both tabs filled (one project, all days).
void BM_HistoryWindowOpensOnMillionDraws(benchmark::State &state)
{
    const QString &database = MillionDrawDatabase();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        THistoryForm window(database, kProjects[0], QString(), true);
        window.show();
        QCoreApplication::processEvents();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_HistoryWindowOpensOnMillionDraws)->Iterations(5)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
