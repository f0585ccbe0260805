// Every record tool on records of 10,000 and 100,000 results (numbers such as a number
// project draws, in lines of five, memo line ends). Prints the time per run of each tool
// and its fitted growth; each should stay under one second at 100,000 and grow no faster
// than n log n.
#include "recordtools.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

namespace {
const RecordShape kMemo{QStringLiteral("  "), RecordBoxKind::Memo};

QString MakeRecord(int count)
{
    QRandomGenerator generator(20261207);
    QStringList results;
    results.reserve(count);
    for (int i = 0; i < count; ++i)
        results.append(QString::number(generator.bounded(10000) / 10.0, 'f', 1));
    return BreakRecordLines(results.join(kMemo.separator), kMemo, 5);
}

QString NameRecord(int count)
{
    QRandomGenerator generator(7);
    const QStringList surnames = {"张", "李", "王", "赵", "钱", "孙", "周", "吴", "Zhang", "li"};
    QStringList results;
    results.reserve(count);
    for (int i = 0; i < count; ++i)
        results.append(surnames[generator.bounded(int(surnames.size()))] + QString::number(generator.bounded(5000)));
    return BreakRecordLines(results.join(kMemo.separator), kMemo, 5);
}

template<typename Tool>
void Run(benchmark::State &state, const QString &record, Tool tool)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tool(record));
    state.SetComplexityN(state.range(0));
}

void BM_BreakLines(benchmark::State &state)
{
    Run(state, MakeRecord(int(state.range(0))), [](const QString &r) { return BreakRecordLines(r, kMemo, 7); });
}

void BM_RemoveLineBreaks(benchmark::State &state)
{
    Run(state, MakeRecord(int(state.range(0))), [](const QString &r) { return RemoveRecordLineBreaks(r, kMemo); });
}

void BM_SortTextGlobal(benchmark::State &state)
{
    const SortScheme scheme{SortVariety::Str, SortDirection::Upper, SortRange::Global};
    Run(state, NameRecord(int(state.range(0))),
        [&](const QString &r) { return SortRecord(r, kMemo, scheme, QString(), 5); });
}

void BM_SortTextRows(benchmark::State &state)
{
    const SortScheme scheme{SortVariety::Str, SortDirection::Lower, SortRange::Rows};
    Run(state, NameRecord(int(state.range(0))),
        [&](const QString &r) { return SortRecord(r, kMemo, scheme, QString(), 0); });
}

void BM_SortNumGlobal(benchmark::State &state)
{
    const SortScheme scheme{SortVariety::Num, SortDirection::Upper, SortRange::Global};
    Run(state, MakeRecord(int(state.range(0))),
        [&](const QString &r) { return SortRecord(r, kMemo, scheme, QStringLiteral("0.#"), 5); });
}

void BM_SortNumRows(benchmark::State &state)
{
    const SortScheme scheme{SortVariety::Num, SortDirection::Lower, SortRange::Rows};
    Run(state, MakeRecord(int(state.range(0))),
        [&](const QString &r) { return SortRecord(r, kMemo, scheme, QStringLiteral("0.#"), 0); });
}

void BM_RemoveRepeats(benchmark::State &state)
{
    Run(state, MakeRecord(int(state.range(0))), [](const QString &r) { return RemoveRecordRepeats(r, kMemo, 5); });
}

void BM_Statistics(benchmark::State &state)
{
    const QVector<bool> all(kStatItemCount, true);
    Run(state, MakeRecord(int(state.range(0))), [&](const QString &r) {
        return StatisticsLines(RecordResults(r, kMemo), true, all, QStringLiteral("0.#"));
    });
}

void BM_FrequencyTable(benchmark::State &state)
{
    Run(state, MakeRecord(int(state.range(0))),
        [](const QString &r) { return FrequencyTable(RecordResults(r, kMemo)); });
}

#define RECORD_SIZES ->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity()
BENCHMARK(BM_BreakLines) RECORD_SIZES;
BENCHMARK(BM_RemoveLineBreaks) RECORD_SIZES;
BENCHMARK(BM_SortTextGlobal) RECORD_SIZES;
BENCHMARK(BM_SortTextRows) RECORD_SIZES;
BENCHMARK(BM_SortNumGlobal) RECORD_SIZES;
BENCHMARK(BM_SortNumRows) RECORD_SIZES;
BENCHMARK(BM_RemoveRepeats) RECORD_SIZES;
BENCHMARK(BM_Statistics) RECORD_SIZES;
BENCHMARK(BM_FrequencyTable) RECORD_SIZES;
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
