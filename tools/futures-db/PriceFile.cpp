#include "PriceFile.h"

#include "data/PriceSchema.h"

#include <sqlite3.h>

#include <memory>

namespace tarvello::futuresdb {

namespace {
struct DbCloser {
    void operator()(sqlite3 *db) const { sqlite3_close(db); }
};
struct StmtFinalizer {
    void operator()(sqlite3_stmt *s) const { sqlite3_finalize(s); }
};
using Db = std::unique_ptr<sqlite3, DbCloser>;
using Stmt = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

class Writer {
public:
    explicit Writer(sqlite3 *db) : m_db(db) {}

    bool exec(const char *sql)
    {
        char *message = nullptr;
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) == SQLITE_OK)
            return true;
        m_error = message ? message : sqlite3_errmsg(m_db);
        sqlite3_free(message);
        return false;
    }

    Stmt prepare(const char *sql)
    {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK)
            m_error = sqlite3_errmsg(m_db);
        return Stmt(stmt);
    }

    // Binds the values in order, steps and resets the statement.
    template <typename... Values> bool insert(sqlite3_stmt *stmt, const Values &...values)
    {
        int index = 0;
        (bind(stmt, ++index, values), ...);
        const int rc = sqlite3_step(stmt);
        sqlite3_reset(stmt);
        if (rc == SQLITE_DONE)
            return true;
        m_error = sqlite3_errmsg(m_db);
        return false;
    }

    const std::string &error() const { return m_error; }

private:
    static void bind(sqlite3_stmt *s, int i, int v) { sqlite3_bind_int(s, i, v); }
    static void bind(sqlite3_stmt *s, int i, double v) { sqlite3_bind_double(s, i, v); }
    static void bind(sqlite3_stmt *s, int i, const std::string &v)
    {
        sqlite3_bind_text(s, i, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
    }
    static void bind(sqlite3_stmt *s, int i, const char *v) { sqlite3_bind_text(s, i, v, -1, SQLITE_STATIC); }

    sqlite3 *m_db;
    std::string m_error;
};

bool writeRows(Writer &w, const PriceData &data)
{
    Stmt info = w.prepare("INSERT INTO DatabaseInfo (Name, Value) VALUES (?, ?)");
    Stmt daily = w.prepare("INSERT INTO DailyData (CommodityID, [Date], OpenInterest, DayVolume, [Open], "
                           "High, Low, [Close]) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    Stmt day = w.prepare("INSERT INTO TickTradeDaysResults ([Date]) VALUES (?)");
    Stmt tick = w.prepare("INSERT INTO TickData (CommodityID, [DateTime], realprice) VALUES (?, ?, ?)");
    Stmt story = w.prepare("INSERT INTO OverviewNews ([Date], CommodityID, News) VALUES (?, ?, ?)");
    Stmt release = w.prepare("INSERT INTO sortedticknewsreleases (NRDate, NRTime, NRTitle, NRStory) "
                             "VALUES (?, ?, ?, ?)");
    if (!info || !daily || !day || !tick || !story || !release)
        return false;
    if (!w.insert(info.get(), "Password", kPricePassword) ||
        !w.insert(info.get(), "SchemaVersion", kSchemaVersion) ||
        (!data.origin.empty() && !w.insert(info.get(), kOriginInfoName, data.origin)))
        return false;
    for (const DailyRow &r : data.daily)
        if (!w.insert(daily.get(), r.commodityId, static_cast<double>(r.date), r.openInterest, r.dayVolume,
                      r.open, r.high, r.low, r.close))
            return false;
    for (int d : data.tickDays)
        if (!w.insert(day.get(), static_cast<double>(d)))
            return false;
    for (const TickRow &r : data.ticks)
        if (!w.insert(tick.get(), r.commodityId, r.date + r.minute / 1440.0, r.realprice))
            return false;
    for (const StoryRow &r : data.stories)
        if (!w.insert(story.get(), static_cast<double>(r.date), r.commodityId, r.news))
            return false;
    for (const ReleaseRow &r : data.releases)
        if (!w.insert(release.get(), static_cast<double>(r.date), r.second / 86400.0, r.title, r.story))
            return false;
    return true;
}
} // namespace

bool writePriceFile(const OutputLock &lock, const PriceData &data, std::string &error,
                    const std::function<void()> &beforeCommit, FileSystem *fileSystem)
{
    PartialFile temporary(lock);
    if (!temporary.made()) {
        error = temporary.error();
        return false;
    }
    bool ok = false;
    {
        sqlite3 *raw = nullptr;
        const int rc = sqlite3_open_v2(temporary.path().c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
        Db db(raw);
        if (rc != SQLITE_OK) {
            error = "cannot open " + temporary.path() + ": " + (raw ? sqlite3_errmsg(raw) : "out of memory");
        } else {
            Writer w(db.get());
            // The file is flushed and renamed into place only after the commit, so a crash can leave
            // nothing half-written where the game looks: no journal and no flush of SQLite's own is
            // needed.
            ok = w.exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;") && w.exec("BEGIN") &&
                 w.exec(kPriceSchemaSql) && writeRows(w, data) && (!beforeCommit || (beforeCommit(), true)) &&
                 w.exec("COMMIT");
            if (!ok)
                error = "cannot write " + temporary.path() + ": " + w.error();
        }
    }
    if (!ok)
        return false;
    FileSystem real;
    error = temporary.place(fileSystem ? *fileSystem : real);
    return error.empty();
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
