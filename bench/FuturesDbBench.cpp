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

// The import's peak memory, which must not grow with its input: the futures-db program, run as a child,
// imports state.range(0) rows beside a short daily history, and its peak resident memory is read from
// wait4 (ru_maxrss). With state.range(1) == 0 the rows are sound Oil ticks, one a minute from 1 January
// 1990, and go into the file as they are read; with 1 every row is a bad daily row, and the errors it
// prints must stay a few lines.
static void BM_ImportPeakMemory(benchmark::State &state)
{
    namespace fs = std::filesystem;
    const long long rows = state.range(0);
    const bool bad = state.range(1) != 0;
    const fs::path dir = fs::temp_directory_path() / ("tarvello-bench-import-" + std::to_string(getpid()));
    fs::create_directories(dir / "daily");
    fs::create_directories(dir / "ticks");
    for (const char *name : {"Cattle", "Gold", "Oil", "SP500", "Soybean", "TBond"}) {
        std::ofstream(dir / "daily" / (std::string(name) + ".csv"))
            << "Date,Open,High,Low,Close,Volume,OpenInterest\n1990-01-02,98.5,99,98,98.5,1,1\n";
        std::ofstream(dir / "ticks" / (std::string(name) + ".csv")) << "DateTime,Price\n";
    }
    const fs::path input = dir / (bad ? "daily" : "ticks") / "Oil.csv";
    {
        std::ofstream file(input);
        file << (bad ? "Date,Open,High,Low,Close,Volume,OpenInterest\n" : "DateTime,Price\n");
        char line[64];
        for (long long i = 0; i < rows; ++i) {
            const QDate d = QDate(1990, 1, 1).addDays(i / 1440);
            const int minute = static_cast<int>(i % 1440);
            if (bad)
                std::snprintf(line, sizeof line, "%04d-%02d-%02d,x,1,1,1,,\n", d.year(), d.month(), d.day());
            else
                std::snprintf(line, sizeof line, "%04d-%02d-%02d %02d:%02d,%d.%02d\n", d.year(), d.month(),
                              d.day(), minute / 60, minute % 60, 20 + static_cast<int>(i % 7),
                              static_cast<int>(i % 100));
            file << line;
        }
    }
    const std::string program = (fs::read_symlink("/proc/self/exe").parent_path() / "futures-db").string();
    const std::string out = (dir / "futures.mdb").string(), errors = (dir / "errors.txt").string();
    std::vector<std::string> args{
        program, "import", out, "--daily", (dir / "daily").string(), "--ticks", (dir / "ticks").string()};
    for (auto _ : state) {
        std::vector<char *> argv;
        for (std::string &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        pid_t pid = -1;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            state.SkipWithError(("cannot run " + program).c_str());
            break;
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != (bad ? 1 : 0))
            state.SkipWithError("the import did not end as it should");
        state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
        state.counters["input_MB"] = static_cast<double>(fs::file_size(input)) / 1e6;
        state.counters["errors_kB"] = static_cast<double>(fs::file_size(errors)) / 1e3;
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_ImportPeakMemory)
    ->ArgsProduct({{100000, 1000000, 10000000}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

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
