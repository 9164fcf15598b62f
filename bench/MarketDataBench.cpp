// Loading a game's market data, against a floor: the same SQL texts run and stepped with the raw SQLite
// API, reading the same fields. It reads the sample price database that the build makes next to the
// executables (futures.mdb).
#include "common/VbDate.h"
#include "data/GameDataLoad.h"
#include "data/MarketHooks.h"
#include "data/PriceDatabase.h"
#include "data/PriceSchema.h"
#include "news/BackgroundYear.h"
#include "platform/db/SqlFunctions.h"
#include "state/GameState.h"

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace tarvello;

namespace {

// Computed when first used: the date functions rely on statics of their own.
double dailyStart()
{
    return vb::toSerial(1990, 1, 1);
}

double tickStart()
{
    return vb::toSerial(1996, 1, 1);
}

void check(int rc, sqlite3 *db, const char *what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE) {
        std::fprintf(stderr, "%s: %s\n", what, sqlite3_errmsg(db));
        std::exit(1);
    }
}

GameState gameState(DataKind kind, GameLengthOption length, double start)
{
    GameState state;
    state.priceDatabase.DbPath = bench::priceFile();
    state.priceDatabase.DbUser = QStringLiteral("admin");
    state.settings.dataType = kind;
    state.settings.lengthOption = length;
    state.settings.startDate = start;
    state.settings.endDate = vb::addMonths(start, length == GameLengthOption::OneQuarter ? 3 : 12);
    return state;
}

void loadGame(benchmark::State &run, DataKind kind, GameLengthOption length, double start)
{
    GameState state = gameState(kind, length, start);
    MarketHooks hooks;
    for (auto _ : run) {
        state.market.Loaded = {}; // every Tick load reads its ticks
        const GameDataLoad load = LoadPlayableGameData(state, hooks);
        if (!load.ok())
            run.SkipWithError(load.description.toStdString().c_str());
        benchmark::DoNotOptimize(state.market.GameCalendar.Count);
    }
    CloseDatabase(state.priceDatabase);
}

// The floor: open the file, run each of the game's queries, step every row and read its fields.
template <typename ReadRow> void runQuery(sqlite3 *db, const QString &sql, ReadRow readRow)
{
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *stmt = nullptr;
    check(sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &stmt, nullptr), db,
          "query");
    while (sqlite3_step(stmt) == SQLITE_ROW)
        readRow(stmt);
    sqlite3_finalize(stmt);
}

// The news a game's load reads with its prices: the background stories of its days and, in a Tick
// game, the releases of its period, each text taken.
void readStories(sqlite3 *db, double start)
{
    std::vector<QString> texts;
    runQuery(db, OverviewStoriesQuery(StoryDays(start)), [&](sqlite3_stmt *s) {
        texts.push_back(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 2))));
    });
    benchmark::DoNotOptimize(texts.data());
}

void readReleases(sqlite3 *db, double start, double end)
{
    std::vector<QString> texts;
    runQuery(db, PeriodNewsReleasesQuery(start, end), [&](sqlite3_stmt *s) {
        texts.push_back(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 2))));
        texts.push_back(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 3))));
    });
    benchmark::DoNotOptimize(texts.data());
}

sqlite3 *openRaw()
{
    sqlite3 *db = nullptr;
    check(sqlite3_open_v2(QFile::encodeName(bench::priceFile()).constData(), &db, SQLITE_OPEN_READONLY,
                          nullptr),
          db, "open");
    db::registerDateFunctions(db);
    return db;
}

void BM_DailyYearLoad(benchmark::State &run)
{
    loadGame(run, DataKind::Daily, GameLengthOption::OneYear, dailyStart());
}

void BM_DailyYearFloor(benchmark::State &run)
{
    const double start = dailyStart();
    const double end = vb::addMonths(start, 12);
    for (auto _ : run) {
        sqlite3 *db = openRaw();
        readStories(db, start);
        std::vector<double> days;
        runQuery(db, DailyCalendarQuery(start, end),
                 [&](sqlite3_stmt *s) { days.push_back(sqlite3_column_double(s, 0)); });
        for (int id = 1; id <= 6; ++id) {
            std::vector<DailyRow> rows;
            runQuery(db, DailyRowsQuery(id, start, end), [&](sqlite3_stmt *s) {
                rows.push_back({sqlite3_column_int(s, 2), sqlite3_column_int(s, 3),
                                float(sqlite3_column_double(s, 4)), float(sqlite3_column_double(s, 5)),
                                float(sqlite3_column_double(s, 6)), float(sqlite3_column_double(s, 7)),
                                sqlite3_column_double(s, 1)});
            });
            benchmark::DoNotOptimize(rows.data());
        }
        sqlite3_close_v2(db);
    }
}

void BM_TickQuarterLoad(benchmark::State &run)
{
    loadGame(run, DataKind::Tick, GameLengthOption::OneQuarter, tickStart());
}

void BM_TickQuarterFloor(benchmark::State &run)
{
    const double start = tickStart();
    const double end = vb::addMonths(start, 3);
    for (auto _ : run) {
        sqlite3 *db = openRaw();
        readStories(db, start);
        std::vector<double> days;
        runQuery(db, TickCalendarQuery(start, end),
                 [&](sqlite3_stmt *s) { days.push_back(sqlite3_column_double(s, 0)); });
        for (int id = 1; id <= 6; ++id) {
            double sum = 0.0;
            runQuery(db, TickRowsQuery(id, start, end), [&](sqlite3_stmt *s) {
                sum += sqlite3_column_double(s, 1) + sqlite3_column_double(s, 2);
            });
            benchmark::DoNotOptimize(sum);
        }
        readReleases(db, start, end);
        sqlite3_close_v2(db);
    }
}

#define MARKET_BENCHMARK(name) BENCHMARK(name)->Apply(bench::repeated<benchmark::kMillisecond>)

MARKET_BENCHMARK(BM_DailyYearLoad);
MARKET_BENCHMARK(BM_DailyYearFloor);
MARKET_BENCHMARK(BM_TickQuarterLoad);
MARKET_BENCHMARK(BM_TickQuarterFloor);

} // namespace

int main(int argc, char **argv)
{
#ifdef __GLIBC__
    // Every load and every floor opens the file afresh, and SQLite's page cache grows the heap by a few
    // megabytes each time. Left to itself, glibc gives that memory back at once or keeps it depending
    // on what the earlier benchmarks allocated, and a figure then depends on the order the benchmarks
    // ran in (the Daily floor took 2.4 ms after one load and 4.8 ms on its own). Fixed thresholds give
    // every benchmark the same heap.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
#endif
    QCoreApplication app(argc, argv);
    bench::RatioReporter reporter(
        {{"BM_DailyYearLoad", "BM_DailyYearFloor"}, {"BM_TickQuarterLoad", "BM_TickQuarterFloor"}}, "floor",
        "ms");
    return bench::runBenchmarks(argc, argv, reporter);
}
