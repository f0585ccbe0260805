// Fair turns at scale: on a history of 1,000,000 draws from a list of 100,000 entries,
// preparing a balanced draw (goal: at most 50 ms) and taking one rotation turn with its
// record (goal: at most 2 ms); simulating 100,000 draws of a class of 50 (goal: at most
// 1 s). Each figure is printed beside its goal.
#include "fairnesscheck.h"
#include "fairnessstore.h"
#include "../historyfixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int kDraws = 1'000'000;
constexpr int kListSize = 100'000;
constexpr int kDays = 365;
const QString kProject = QStringLiteral("全校点名");

QString Name(int i)
{
    return QStringLiteral("学生%1").arg(i % kListSize + 1);
}

QList<WeightedEntry> Entries(int size)
{
    QStringList names;
    for (int i = 0; i < size; ++i)
        names << Name(i);
    return DistinctEntries(names);
}

// A year of one draw after another from the whole list. Built once per run.
const QString &MillionDrawDatabase()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath("Data/history.db");
        FillHistory(file, kDraws, kDays, [](int i, const QDateTime &time) {
            return HistoryEntry{0, time, kProject, i % 40 + 1, kSourceWindow, {Name(i * 7919 + i / 13)}};
        });
        return file;
    }();
    return path;
}

// The figure of each benchmark's last (measured) run, printed with its goal at the end.
std::map<std::string, std::pair<double, double>> &Figures()
{
    static std::map<std::string, std::pair<double, double>> figures;
    return figures;
}

void ReportGoal(benchmark::State &state, const std::string &what, double goalMs, const QElapsedTimer &timer)
{
    const double ms = double(timer.nsecsElapsed()) / double(state.iterations()) / 1e6;
    state.counters["ms"] = ms;
    if (goalMs > 0) {
        state.counters["goal_ms"] = goalMs;
        state.counters["percent_of_goal"] = ms / goalMs * 100.0;
    }
    Figures()[what] = {ms, goalMs};
}

// The history read and the weights of one balanced final batch; arg = the period
// (0 本周, 1 本月, 2 本学期, 3 全部).
void BM_PrepareBalancedDraw(benchmark::State &state)
{
    FairSettings settings;
    settings.mode = FairMode::Balanced;
    settings.period = FairPeriod(state.range(0));
    settings.skip = 30;
    const FairChooser chooser(settings, Entries(kListSize), 1);
    FairnessStore store(MillionDrawDatabase(), kProject);
    GeneratorSource random(1);
    chooser.Choose(store, random, QDate::currentDate()); // opens the file
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state)
        benchmark::DoNotOptimize(chooser.Choose(store, random, QDate::currentDate()));
    ReportGoal(state, "balanced draw prepared, period " + std::to_string(state.range(0)), 50, timer);
}
BENCHMARK(BM_PrepareBalancedDraw)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The first balanced batch of a drawing session: the history opened and the period's
// counts read and placed on the list, once; later batches add only the draws made since.
// Printed without a goal. arg = the period as above.
void BM_FirstBalancedDraw(benchmark::State &state)
{
    FairSettings settings;
    settings.mode = FairMode::Balanced;
    settings.period = FairPeriod(state.range(0));
    settings.skip = 30;
    const FairChooser chooser(settings, Entries(kListSize), 1);
    GeneratorSource random(1);
    MillionDrawDatabase();
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state) {
        FairnessStore store(MillionDrawDatabase(), kProject);
        benchmark::DoNotOptimize(chooser.Choose(store, random, QDate::currentDate()));
    }
    ReportGoal(state, "first balanced draw of a session, period " + std::to_string(state.range(0)), 0, timer);
}
BENCHMARK(BM_FirstBalancedDraw)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(3);

// One rotation turn taken and stored in its transaction, half-way through a round of the
// whole list.
void BM_RotationTurnAndRecord(benchmark::State &state)
{
    FairSettings settings;
    settings.mode = FairMode::Rotation;
    const FairChooser chooser(settings, Entries(kListSize), 1);
    FairnessStore store(MillionDrawDatabase(), kProject);
    GeneratorSource random(2);
    store.RestartRotation();
    store.UpdateRotation([](RotationState &rotation) {
        for (int i = 0; i < kListSize / 2; ++i)
            rotation.Take(Name(i * 2));
    });
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state)
        benchmark::DoNotOptimize(chooser.Choose(store, random, QDate::currentDate()));
    ReportGoal(state, "rotation turn taken and stored", 2, timer);
}
BENCHMARK(BM_RotationTurnAndRecord)->Unit(benchmark::kMicrosecond);

// "公平性检验" of a class of 50: 100,000 simulated draws; arg = the mode (1 轮换, 2 均衡).
void BM_Simulate100kDrawsOf50(benchmark::State &state)
{
    FairSettings settings;
    settings.mode = FairMode(state.range(0));
    settings.skip = 10;
    const QList<WeightedEntry> entries = Entries(50);
    GeneratorSource random(3);
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state)
        benchmark::DoNotOptimize(SimulateFairness(settings, entries, 1, 100'000, {}, {}, random));
    ReportGoal(state, std::string(state.range(0) == 1 ? "rotation" : "balanced") + " simulation of 100,000 draws", 1000,
               timer);
}
BENCHMARK(BM_Simulate100kDrawsOf50)->DenseRange(1, 2)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto &[name, figure] : Figures()) {
        if (figure.second <= 0)
            std::printf("%s: %.3f ms\n", name.c_str(), figure.first);
        else
            std::printf("%s: %.3f ms (goal %g ms) %s\n", name.c_str(), figure.first, figure.second,
                        figure.first <= figure.second ? "goal met" : "OVER GOAL");
    }
    return 0;
}
