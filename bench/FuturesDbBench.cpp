#include "BenchSupport.h"

#include "futures-db/PriceCheck.h"
#include "futures-db/PriceFile.h"
#include "futures-db/Sample.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QDir>

#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace tarvello::futuresdb;
namespace bench = tarvello::bench;

// The build makes the full sample at every build of the tool, so these three steps must stay a matter of
// seconds: simulating the prices and texts, writing them in one transaction, and checking the file. The
// check is set against the least any check must do: reading every row and column of the file.

namespace {
std::string samplePath()
{
    return QDir::temp().filePath(QStringLiteral("tarvello-bench-futures.mdb")).toStdString();
}

// The sample file the check and its floor read, written once.
bool writeSampleOnce(benchmark::State &state)
{
    static const std::string error = [] {
        std::string e;
        writePriceFile(samplePath(), buildSample(), e);
        return e;
    }();
    if (!error.empty())
        state.SkipWithError(error.c_str());
    return error.empty();
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
    const std::string path = samplePath() + ".write";
    std::string error;
    for (auto _ : state)
        if (!writePriceFile(path, data, error))
            state.SkipWithError(error.c_str());
    state.counters["rows"] =
        static_cast<double>(data.daily.size() + data.ticks.size() + data.tickDays.size() +
                            data.stories.size() + data.releases.size());
    std::remove(path.c_str());
}
BENCHMARK(BM_WriteSample)->Unit(benchmark::kMillisecond);

static void BM_CheckSample(benchmark::State &state)
{
    if (!writeSampleOnce(state))
        return;
    for (auto _ : state)
        if (!checkPriceFile(samplePath()).empty())
            state.SkipWithError("the sample breaks a rule");
}
BENCHMARK(BM_CheckSample)->Apply(bench::repeated<benchmark::kMillisecond>);

// The floor: open the file read-only and read every value of every table through the raw SQLite API,
// as the sqlite3 shell's dump of the tables does, without printing them.
static void BM_ReadEveryValue(benchmark::State &state)
{
    if (!writeSampleOnce(state))
        return;
    for (auto _ : state) {
        sqlite3 *db = nullptr;
        sqlite3_open_v2(samplePath().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        double sum = 0;
        std::size_t bytes = 0;
        for (const char *table : {"DatabaseInfo", "DailyData", "TickTradeDaysResults", "TickData",
                                  "OverviewNews", "sortedticknewsreleases"}) {
            sqlite3_stmt *s = nullptr;
            sqlite3_prepare_v2(db, (std::string("SELECT * FROM ") + table).c_str(), -1, &s, nullptr);
            const int columns = sqlite3_column_count(s);
            while (sqlite3_step(s) == SQLITE_ROW) {
                for (int c = 0; c < columns; ++c) {
                    switch (sqlite3_column_type(s, c)) {
                    case SQLITE_INTEGER:
                    case SQLITE_FLOAT:
                        sum += sqlite3_column_double(s, c);
                        break;
                    case SQLITE_TEXT:
                        benchmark::DoNotOptimize(sqlite3_column_text(s, c));
                        bytes += static_cast<std::size_t>(sqlite3_column_bytes(s, c));
                        break;
                    default:
                        break;
                    }
                }
            }
            sqlite3_finalize(s);
        }
        sqlite3_close(db);
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ReadEveryValue)->Apply(bench::repeated<benchmark::kMillisecond>);

int main(int argc, char **argv)
{
#ifdef __GLIBC__
    // The check and its floor each open the file afresh, and SQLite's page cache grows the heap by a few
    // megabytes each time; fixed thresholds give every benchmark the same heap whatever ran before it
    // (left to glibc, the floor took 26 ms on its own and 45 ms after the check).
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
#endif
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter({{"BM_CheckSample", "BM_ReadEveryValue"}}, "every value read", "ms");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::remove(samplePath().c_str());
    return 0;
}
