// Verifiable draws: checking a certificate of 1,000 batches of 10 from a 10,000-entry list
// (goal: at most 1 s), and the cost of a verified draw against an ordinary one (goal: at
// most 5 % more; the certificate file write is not counted, it is one atomic write per
// stopped draw in the window).
#include "certificatecheck.h"
#include "querysection.h"
#include "randengine.h"
#include "verifiabledraw.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kEntries = 10'000;
constexpr int kBatches = 1'000;

QueryParams RollCall()
{
    QStringList names;
    for (int i = 0; i < kEntries; ++i)
        names << QStringLiteral("名字%1").arg(i);
    QueryParams params = DefaultQueryParams(2);
    params[QueryParamIndex(2, QStringLiteral("PosSetAble"))] = QStringLiteral("否");
    params[QueryParamIndex(2, QStringLiteral("Lists"))] = names.join(QLatin1Char(' '));
    params[QueryParamIndex(2, QStringLiteral("RanCount"))] = QStringLiteral("10");
    params[QueryParamIndex(2, QStringLiteral("AutoDel"))] = QStringLiteral("是");
    return params;
}

DrawSettings AutoRestore()
{
    DrawSettings settings;
    settings.listAutoRestore = true;
    return settings;
}

// Draws `kBatches` batches; with `draw` set they are verified.
void DrawAll(RandEngine &engine, const QueryParams &params, VerifiableDraw *draw)
{
    engine.SetDrawSettings(AutoRestore());
    if (draw)
        draw->Attach(engine);
    engine.Prepare(2, params);
    for (int b = 0; b < kBatches; ++b)
        benchmark::DoNotOptimize(engine.Generate(true, false));
}

void VerifyCertificate(benchmark::State &state)
{
    const QueryParams params = RollCall();
    VerifiableDraw draw(QStringLiteral("点名"), 2, params, AutoRestore());
    RandEngine engine;
    DrawAll(engine, params, &draw);
    draw.Reveal();
    const QByteArray certificate = draw.CertificateText();
    for (auto _ : state) {
        const CertificateCheck check = CheckCertificate(certificate);
        if (!check.consistent || check.batches != kBatches)
            state.SkipWithError(qPrintable(check.difference));
    }
    state.counters["certificate_kB"] = double(certificate.size()) / 1024;
}
BENCHMARK(VerifyCertificate)->Unit(benchmark::kMillisecond);

void OrdinaryDraws(benchmark::State &state)
{
    const QueryParams params = RollCall();
    for (auto _ : state) {
        RandEngine engine;
        DrawAll(engine, params, nullptr);
    }
}
BENCHMARK(OrdinaryDraws)->Unit(benchmark::kMillisecond);

void VerifiedDraws(benchmark::State &state)
{
    const QueryParams params = RollCall();
    for (auto _ : state) {
        VerifiableDraw draw(QStringLiteral("点名"), 2, params, AutoRestore());
        RandEngine engine;
        DrawAll(engine, params, &draw);
    }
}
BENCHMARK(VerifiedDraws)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
