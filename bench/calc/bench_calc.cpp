// The calculation generator at batch sizes 10, 1,000 and 100,000: addition exercises
// of two numbers below 1,000 whose sum stays within 1,000 (half the combinations are
// redrawn), so the figures include the condition checks and the uniqueness test.
// Time per batch should grow linearly with the batch size.
#include "calcgenerator.h"
#include "calclibrary.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CalcGenerator(benchmark::State &state)
{
    BindCalcLibrary(QStringLiteral(SUITE_APP_DIR));
    const QueryParams query{QStringLiteral("计算模式"), QStringLiteral("a,b,c"), QStringLiteral("[a]+[b]=[c]"),
                            QStringLiteral("a,0,999,1|b,0,999,1"), QStringLiteral("c,a+b"),
                            QStringLiteral("c,小于或等于,1000"), QStringLiteral("且"), QStringLiteral("取当前值"),
                            QString::number(state.range(0)), QStringLiteral("否")};
    CalcGenerator generator(11, query);
    GeneratorSource draws(1);
    DrawSettings settings;
    const GenerationContext context{draws, draws, settings, 11, true, false};
    for (auto _ : state)
        benchmark::DoNotOptimize(generator.Generate(context));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_CalcGenerator)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
