#include "BenchSupport.h"

#include "futures-db/PriceCheck.h"
#include "futures-db/PriceFile.h"
#include "futures-db/Sample.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QDate>
#include <QDir>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace tarvello::futuresdb;
namespace bench = tarvello::bench;

extern char **environ;

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

// The import's peak memory: the futures-db program, run as a child, imports a tick file of state.range(0)
// rows (one Oil tick a minute from 1 January 1990) beside a short daily history. Its peak resident memory
// (ru_maxrss from wait4) must not grow with the rows: the rows go into the file as they are read.
static void BM_ImportTicksPeakMemory(benchmark::State &state)
{
    namespace fs = std::filesystem;
    const long long rows = state.range(0);
    const fs::path dir = fs::temp_directory_path() / ("tarvello-bench-import-" + std::to_string(getpid()));
    fs::create_directories(dir / "daily");
    fs::create_directories(dir / "ticks");
    for (const char *name : {"Cattle", "Gold", "Oil", "SP500", "Soybean", "TBond"}) {
        std::ofstream daily(dir / "daily" / (std::string(name) + ".csv"));
        daily << "Date,Open,High,Low,Close,Volume,OpenInterest\n1990-01-02,98.5,99,98,98.5,1,1\n";
    }
    {
        std::ofstream ticks(dir / "ticks" / "Oil.csv");
        ticks << "DateTime,Price\n";
        char line[64];
        for (long long i = 0; i < rows; ++i) {
            const int day = 32874 + static_cast<int>(i / 1440), minute = static_cast<int>(i % 1440);
            const QDate d = QDate(1899, 12, 30).addDays(day);
            std::snprintf(line, sizeof line, "%04d-%02d-%02d %02d:%02d,%d.%02d\n", d.year(), d.month(), d.day(),
                          minute / 60, minute % 60, 20 + static_cast<int>(i % 7), static_cast<int>(i % 100));
            ticks << line;
        }
    }
    const std::string program = (fs::read_symlink("/proc/self/exe").parent_path() / "futures-db").string();
    const std::string out = (dir / "futures.mdb").string();
    std::vector<std::string> args{program, "import", out, "--daily", (dir / "daily").string(), "--ticks",
                                  (dir / "ticks").string()};
    for (auto _ : state) {
        std::vector<char *> argv;
        for (std::string &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        pid_t pid = -1;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError(("cannot run " + program).c_str());
            break;
        }
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("the import failed");
        state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
        state.counters["file_MB"] = static_cast<double>(fs::file_size(dir / "ticks" / "Oil.csv")) / 1e6;
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_ImportTicksPeakMemory)->Arg(100000)->Arg(1000000)->Arg(10000000)->Iterations(1)->Unit(benchmark::kSecond);

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
