#include "futures-db/PriceCheck.h"
#include "futures-db/PriceFile.h"
#include "futures-db/Sample.h"

#include <benchmark/benchmark.h>

#include <QDir>

#include <cstdio>

using namespace tarvello::futuresdb;

// The build makes the full sample at every build of the tool, so these three steps must stay a matter of
// seconds: simulating the prices and texts, writing them in one transaction, and checking the file.

namespace {
std::string samplePath()
{
    return QDir::temp().filePath(QStringLiteral("tarvello-bench-futures.mdb")).toStdString();
}
} // namespace

static void BM_BuildSample(benchmark::State &state)
{
    for (auto _ : state) {
        PriceData data = buildSample();
        benchmark::DoNotOptimize(data.ticks.data());
    }
}
BENCHMARK(BM_BuildSample)->Unit(benchmark::kMillisecond);

static void BM_WriteSample(benchmark::State &state)
{
    const PriceData data = buildSample();
    std::string error;
    for (auto _ : state)
        if (!writePriceFile(samplePath(), data, error))
            state.SkipWithError(error.c_str());
    state.counters["rows"] =
        static_cast<double>(data.daily.size() + data.ticks.size() + data.tickDays.size() +
                            data.stories.size() + data.releases.size());
    std::remove(samplePath().c_str());
}
BENCHMARK(BM_WriteSample)->Unit(benchmark::kMillisecond);

static void BM_CheckSample(benchmark::State &state)
{
    std::string error;
    if (!writePriceFile(samplePath(), buildSample(), error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    for (auto _ : state)
        if (!checkPriceFile(samplePath()).empty())
            state.SkipWithError("the sample breaks a rule");
    std::remove(samplePath().c_str());
}
BENCHMARK(BM_CheckSample)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
