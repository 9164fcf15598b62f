#include "PriceFile.h"

#include "data/PriceSchema.h"

#include <sqlite3.h>

#include <algorithm>
#include <memory>

namespace tarvello::futuresdb {

namespace {
struct StmtFinalizer {
    void operator()(sqlite3_stmt *s) const { sqlite3_finalize(s); }
};
using Stmt = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

void bind(sqlite3_stmt *s, int i, int v)
{
    sqlite3_bind_int(s, i, v);
}
void bind(sqlite3_stmt *s, int i, double v)
{
    sqlite3_bind_double(s, i, v);
}
void bind(sqlite3_stmt *s, int i, const std::string &v)
{
    sqlite3_bind_text(s, i, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
}
void bind(sqlite3_stmt *s, int i, const char *v)
{
    sqlite3_bind_text(s, i, v, -1, SQLITE_STATIC);
}

// The tables whose rows may repeat a key, in the order of PriceFileWriter's tables below. Beside each,
// while the file is written, a table in SQLite's own temporary file (deleted as it closes) keeps the
// source line of each key, so that a repeated key is named by both its lines without holding the keys
// in memory.
struct KeyedTable {
    const char *insert;
    const char *lineTable;  // the temporary table: the key columns, then Line
    const char *insertLine; // the key's values, then its line
    const char *selectLine; // the line of a key
    int keyColumns;
};
const KeyedTable kKeyedTables[] = {
    {"INSERT INTO DailyData (CommodityID, [Date], OpenInterest, DayVolume, [Open], High, Low, [Close]) "
     "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
     "CREATE TEMP TABLE DailyLine (CommodityID, [Date], Line, PRIMARY KEY (CommodityID, [Date])) WITHOUT "
     "ROWID",
     "INSERT INTO temp.DailyLine VALUES (?, ?, ?)",
     "SELECT Line FROM temp.DailyLine WHERE CommodityID = ? AND [Date] = ?", 2},
    {"INSERT INTO TickData (CommodityID, [DateTime], realprice) VALUES (?, ?, ?)",
     "CREATE TEMP TABLE TickLine (CommodityID, [DateTime], Line, PRIMARY KEY (CommodityID, [DateTime])) "
     "WITHOUT ROWID",
     "INSERT INTO temp.TickLine VALUES (?, ?, ?)",
     "SELECT Line FROM temp.TickLine WHERE CommodityID = ? AND [DateTime] = ?", 2},
    {"INSERT INTO OverviewNews ([Date], CommodityID, News) VALUES (?, ?, ?)",
     "CREATE TEMP TABLE StoryLine ([Date], CommodityID, Line, PRIMARY KEY ([Date], CommodityID)) WITHOUT "
     "ROWID",
     "INSERT INTO temp.StoryLine VALUES (?, ?, ?)",
     "SELECT Line FROM temp.StoryLine WHERE [Date] = ? AND CommodityID = ?", 2},
    {"INSERT INTO sortedticknewsreleases (NRDate, NRTime, NRTitle, NRStory) VALUES (?, ?, ?, ?)",
     "CREATE TEMP TABLE ReleaseLine (NRDate, NRTime, NRTitle, Line, PRIMARY KEY (NRDate, NRTime, NRTitle)) "
     "WITHOUT ROWID",
     "INSERT INTO temp.ReleaseLine VALUES (?, ?, ?, ?)",
     "SELECT Line FROM temp.ReleaseLine WHERE NRDate = ? AND NRTime = ? AND NRTitle = ?", 3},
};
enum KeyedTableIndex { kDaily, kTick, kStory, kRelease };
} // namespace

struct PriceFileWriter::Database {
    struct Keyed {
        Stmt insert, insertLine, selectLine;
        int keyColumns = 0;
    };

    ~Database()
    {
        for (Keyed &k : keyed)
            k = {};
        day.reset();
        sqlite3_close(db);
    }

    bool exec(const char *sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

    Stmt prepare(const char *sql)
    {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
        return Stmt(stmt);
    }

    // Steps and resets a statement; its result, and the engine's message when it failed.
    int step(sqlite3_stmt *s, std::string &message)
    {
        const int rc = sqlite3_step(s);
        if (rc != SQLITE_DONE && rc != SQLITE_ROW)
            message = sqlite3_errmsg(db);
        return rc;
    }

    sqlite3 *db = nullptr;
    Keyed keyed[4];
    Stmt day;
};

PriceFileWriter::PriceFileWriter(const OutputLock &lock, const std::string &origin)
    : m_temporary(std::make_unique<PartialFile>(lock)), m_db(std::make_unique<Database>())
{
    if (!m_temporary->made()) {
        m_error = m_temporary->error();
        return;
    }
    const std::string &path = m_temporary->path();
    if (sqlite3_open_v2(path.c_str(), &m_db->db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        m_error = "cannot open " + path + ": " + (m_db->db ? sqlite3_errmsg(m_db->db) : "out of memory");
        return;
    }
    // The file is flushed and renamed into place only after the commit, so a crash can leave nothing
    // half-written where the game looks: no journal and no flush of SQLite's own is needed.
    bool ready =
        m_db->exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA temp_store = FILE;") &&
        m_db->exec("BEGIN") && m_db->exec(kPriceSchemaSql);
    for (int t = 0; ready && t < 4; ++t) {
        const KeyedTable &keyedTable = kKeyedTables[t];
        Database::Keyed &k = m_db->keyed[t];
        ready = m_db->exec(keyedTable.lineTable);
        k.insert = m_db->prepare(keyedTable.insert);
        k.insertLine = m_db->prepare(keyedTable.insertLine);
        k.selectLine = m_db->prepare(keyedTable.selectLine);
        k.keyColumns = keyedTable.keyColumns;
        ready = ready && k.insert && k.insertLine && k.selectLine;
    }
    m_db->day = m_db->prepare("INSERT INTO TickTradeDaysResults ([Date]) VALUES (?)");
    Stmt info = m_db->prepare("INSERT INTO DatabaseInfo (Name, Value) VALUES (?, ?)");
    std::string message;
    for (const auto &[name, value] : {std::pair<const char *, std::string>{"Password", kPricePassword},
                                      {"SchemaVersion", kSchemaVersion},
                                      {kOriginInfoName, origin}})
        if (ready && info && !value.empty()) {
            bind(info.get(), 1, name);
            bind(info.get(), 2, value);
            ready = m_db->step(info.get(), message) == SQLITE_DONE;
            sqlite3_reset(info.get());
        }
    if (!ready || !m_db->day || !info)
        m_error = "cannot write " + path + ": " + sqlite3_errmsg(m_db->db);
}

PriceFileWriter::~PriceFileWriter() = default;

template <typename... Values> int PriceFileWriter::insert(int table, int line, const Values &...values)
{
    if (!ok())
        return 0;
    Database::Keyed &k = m_db->keyed[table];
    std::string message;
    int index = 0;
    (bind(k.insert.get(), ++index, values), ...);
    const int rc = m_db->step(k.insert.get(), message);
    sqlite3_reset(k.insert.get());
    // The key columns come first in each insert: bound alone, they find or record the row's line.
    const auto bindKey = [&](sqlite3_stmt *s) {
        int column = 0;
        ((++column <= k.keyColumns ? bind(s, column, values) : void()), ...);
    };
    int earlier = 0;
    if (rc == SQLITE_DONE && line > 0) {
        bindKey(k.insertLine.get());
        bind(k.insertLine.get(), k.keyColumns + 1, line);
        if (m_db->step(k.insertLine.get(), message) != SQLITE_DONE)
            m_error = "cannot write " + m_temporary->path() + ": " + message;
        sqlite3_reset(k.insertLine.get());
    } else if (rc == SQLITE_CONSTRAINT && line > 0) {
        bindKey(k.selectLine.get());
        if (m_db->step(k.selectLine.get(), message) == SQLITE_ROW)
            earlier = sqlite3_column_int(k.selectLine.get(), 0);
        sqlite3_reset(k.selectLine.get());
    }
    if (rc != SQLITE_DONE && earlier == 0 && ok())
        m_error = "cannot write " + m_temporary->path() + ": " + message;
    return earlier;
}

int PriceFileWriter::add(const DailyRow &r, int line)
{
    const int earlier = insert(kDaily, line, r.commodityId, static_cast<double>(r.date), r.openInterest,
                               r.dayVolume, r.open, r.high, r.low, r.close);
    m_counts.daily += earlier == 0 && ok();
    return earlier;
}

int PriceFileWriter::add(const TickRow &r, int line)
{
    const int earlier = insert(kTick, line, r.commodityId, r.date + r.minute / 1440.0, r.realprice);
    m_counts.ticks += earlier == 0 && ok();
    return earlier;
}

int PriceFileWriter::add(const StoryRow &r, int line)
{
    const int earlier = insert(kStory, line, static_cast<double>(r.date), r.commodityId, r.news);
    m_counts.stories += earlier == 0 && ok();
    return earlier;
}

int PriceFileWriter::add(const ReleaseRow &r, int line)
{
    const int earlier =
        insert(kRelease, line, static_cast<double>(r.date), r.second / 86400.0, r.title, r.story);
    m_counts.releases += earlier == 0 && ok();
    return earlier;
}

void PriceFileWriter::addTickDay(int day)
{
    if (!ok())
        return;
    std::string message;
    bind(m_db->day.get(), 1, static_cast<double>(day));
    if (m_db->step(m_db->day.get(), message) != SQLITE_DONE)
        m_error = "cannot write " + m_temporary->path() + ": " + message;
    sqlite3_reset(m_db->day.get());
    m_counts.tickDays += ok();
}

bool PriceFileWriter::finish(const std::function<void()> &beforeCommit, FileSystem *fileSystem)
{
    if (!ok())
        return false;
    if (beforeCommit)
        beforeCommit();
    if (!m_db->exec("COMMIT")) {
        m_error = "cannot write " + m_temporary->path() + ": " + sqlite3_errmsg(m_db->db);
        return false;
    }
    m_db.reset();
    FileSystem real;
    m_error = m_temporary->place(fileSystem ? *fileSystem : real);
    return ok();
}

bool writePriceFile(const OutputLock &lock, const PriceData &data, std::string &error,
                    const std::function<void()> &beforeCommit, FileSystem *fileSystem)
{
    PriceFileWriter writer(lock, data.origin);
    for (const DailyRow &r : data.daily)
        writer.add(r);
    for (int d : data.tickDays)
        writer.addTickDay(d);
    for (const TickRow &r : data.ticks)
        writer.add(r);
    for (const StoryRow &r : data.stories)
        writer.add(r);
    for (const ReleaseRow &r : data.releases)
        writer.add(r);
    const bool written = writer.finish(beforeCommit, fileSystem);
    error = writer.error();
    return written;
}

bool writePriceFile(const std::string &path, const PriceData &data, std::string &error,
                    const std::function<void()> &beforeCommit)
{
    const OutputLock lock(path);
    if (!lock.held()) {
        error = lock.error();
        return false;
    }
    return writePriceFile(lock, data, error, beforeCommit);
}

} // namespace tarvello::futuresdb
