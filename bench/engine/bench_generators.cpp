// One benchmark per generator at batch sizes 10, 1,000 and 100,000: the time per batch
// should grow linearly with the batch size.
#include "querysection.h"
#include "randengine.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

QueryParams With(int pmode, std::initializer_list<std::pair<const char *, QString>> changes)
{
    QueryParams params = DefaultQueryParams(pmode);
    for (const auto &[attribute, value] : changes)
        params[QueryParamIndex(pmode, QString::fromUtf8(attribute))] = value;
    return params;
}

void DrawBatches(benchmark::State &state, int pmode, const QueryParams &params)
{
    RandEngine engine(RandomSources::Seeded(1));
    engine.SetDrawSettings({true, nullptr, {}, {}});
    engine.Prepare(pmode, params);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.Generate(true, false));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

QString Count(const benchmark::State &state)
{
    return QString::number(state.range(0));
}

QString Names(qint64 count)
{
    QStringList names;
    for (qint64 i = 0; i < count; ++i)
        names << QStringLiteral("名字%1").arg(i);
    return names.join(QLatin1Char(' '));
}

void Numbers(benchmark::State &state)
{
    DrawBatches(state, 1, With(1, {{"Min", "1"}, {"Max", "10000000"}, {"Pred", "1"}, {"Format", "0"},
                                   {"RanCount", Count(state)}, {"AllowRepeat", "否"}}));
}

void NumbersNearlyFullGrid(benchmark::State &state)
{
    DrawBatches(state, 1, With(1, {{"Min", "1"}, {"Max", QString::number(state.range(0) + 1)}, {"Pred", "1"},
                                   {"Format", "0"}, {"RanCount", Count(state)}, {"AllowRepeat", "否"}}));
}

void RollCallWeighted(benchmark::State &state)
{
    DrawBatches(state, 2, With(2, {{"Lists", "加权&张三:3&李四 王五 赵六:1"}, {"RanCount", Count(state)},
                                   {"AllowRepeat", "是"}}));
}

void Shuffle(benchmark::State &state)
{
    DrawBatches(state, 3, With(3, {{"Lists", Names(state.range(0))}, {"RanCount", Count(state)}}));
}

void Passwords(benchmark::State &state)
{
    DrawBatches(state, 6, With(6, {{"RanCount", Count(state)}}));
}

void EquationSystems(benchmark::State &state)
{
    DrawBatches(state, 12, With(12, {{"Factors", "k[1],-20,20,1|k[2],-20,20,1"}, {"RanCount", Count(state)}}));
}

void CustomTemplate(benchmark::State &state)
{
    DrawBatches(state, 0, With(0, {{"TypeList", "编号##列举模式##数值范围模式"},
                                   {"QueryList", "1,2,3...||1##否||张三 李四 王五||是||否||1##1||10000000||1||0||否||1"},
                                   {"NameList", "号##名##分"}, {"AllowRepeat", "否"}, {"RanCount", Count(state)},
                                   {"Format", "[号]. [名]：[分]"}}));
}

void Coordinates(benchmark::State &state)
{
    DrawBatches(state, 8, With(8, {{"DimeList", "1,1000,1,0,是,1|1,1000,1,0,是,1"}, {"RanCount", Count(state)}}));
}

void Prizes(benchmark::State &state)
{
    QStringList prizes;
    for (qint64 i = 0; i < state.range(0); ++i)
        prizes << QStringLiteral("奖%1").arg(i);
    DrawBatches(state, 10, With(10, {{"PrizeLists", prizes.join(QLatin1Char(','))},
                                     {"MemberLists", Names(state.range(0))}, {"AutoDel", "否"}}));
}

// The preparation of a list: splitting it and finding its distinct entries.
void PrepareList(benchmark::State &state)
{
    const QueryParams params = With(3, {{"Lists", Names(state.range(0))}, {"RanCount", "1"}});
    RandEngine engine(RandomSources::Seeded(1));
    for (auto _ : state)
        engine.Prepare(3, params);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The same for a list kept as the UTF-8 bytes of a plain project file, as the command
// line reads it, for a shuffle of the whole list (which counts its distinct entries).
void PrepareListFromFileBytes(benchmark::State &state)
{
    const QString names = Names(state.range(0));
    const QueryParams params = With(3, {{"Lists", QString()}, {"RanCount", Count(state)}});
    const QByteArray listUtf8 = names.toUtf8();
    RandEngine engine(RandomSources::Seeded(1));
    for (auto _ : state)
        engine.Prepare(3, params, listUtf8);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

#define ENGINE_BENCHMARK(name) BENCHMARK(name)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond)
ENGINE_BENCHMARK(Numbers);
ENGINE_BENCHMARK(NumbersNearlyFullGrid);
ENGINE_BENCHMARK(RollCallWeighted);
ENGINE_BENCHMARK(Shuffle);
ENGINE_BENCHMARK(Passwords);
ENGINE_BENCHMARK(EquationSystems);
ENGINE_BENCHMARK(CustomTemplate);
ENGINE_BENCHMARK(Coordinates);
ENGINE_BENCHMARK(Prizes);
ENGINE_BENCHMARK(PrepareList);
ENGINE_BENCHMARK(PrepareListFromFileBytes);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // default queries name paths under the application directory
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
