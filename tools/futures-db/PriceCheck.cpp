#include "PriceCheck.h"

#include "CheckReport.h"
#include "Excerpt.h"
#include "PriceEncoding.h"
#include "Sample.h"
#include "TradingTimes.h"

#include "common/Instrument.h"
#include "common/VbDate.h"
#include "data/PriceFields.h"
#include "data/PriceSchema.h"
#include "platform/db/Database.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <unordered_map>

namespace tarvello::futuresdb {

namespace {

constexpr int kMaxTickDays = 91;
constexpr int kMaxReleasesPerGame = 500;
constexpr int kTickWindowMonths = 3;
// The game keeps prices as Singles: a larger one would show as "Infinity" and make every figure it
// enters NaN, so its load refuses the data.
constexpr const char *kBeyondSingle = "any price the game can hold (a 32-bit float)";
// A tick decoded against the day's close: outside this ratio it is in other units (a price stored
// without the division by ten, Soybean in dollars, ...).
constexpr double kUnitsRatio = 2.0;
// A daily price this many times above, or below one this many times, the close of each day beside it
// (the day before and the day after; the two next days for the first day, the two last for the last)
// is taken for a slip: real futures prices have not moved a quarter of this in one day.
constexpr double kJumpRatio = 4.0;

const QDate kDisclaimerDate(kDisclaimerYear, kDisclaimerMonth, kDisclaimerDay);

std::string monthText(QDate d)
{
    return d.toString(QStringLiteral("yyyy-MM")).toStdString();
}

int whole(double serial)
{
    return static_cast<int>(std::floor(serial));
}

// The months from first up to (not including) until, each as its first day.
std::vector<QDate> monthsBetween(QDate first, QDate until)
{
    std::vector<QDate> months;
    for (QDate m(first.year(), first.month(), 1); m < until; m = m.addMonths(1))
        months.push_back(m);
    return months;
}

// A column's text as the engine holds it, quoted as a short printable excerpt.
std::string columnExcerpt(sqlite3_stmt *s, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(s, column));
    if (!text)
        return "null";
    return excerpt(std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(s, column))));
}

// Where the current row of a query lies, as a message names it ("DailyData row (Oil, 1996-02-05)").
// The text is made only for a message: made for every row, it cost more than all the rules together.
class RowPlace {
public:
    using Describe = std::string (*)(sqlite3_stmt *);
    RowPlace(const char *table, sqlite3_stmt *s, Describe describe = nullptr)
        : m_table(table), m_statement(s), m_describe(describe)
    {}
    std::string text() const
    {
        return m_describe ? std::string(m_table) + " row " + m_describe(m_statement) : std::string(m_table);
    }

private:
    const char *m_table;
    sqlite3_stmt *m_statement;
    Describe m_describe;
};

class Checker {
public:
    Checker(sqlite3 *db, const CheckOptions &options, CheckReport &report)
        : m_db(db), m_options(options), m_report(report)
    {}

    void run()
    {
        checkSchema();
        checkDatabaseInfo();
        checkDaily();
        checkTickCalendar();
        checkTicks();
        checkStories();
        checkReleases();
    }

private:
    struct Table {
        const char *name;
        std::vector<std::string> columns;
        std::vector<std::string> key;
    };

    // The expected tables come from the schema itself, created in memory, so that the check can never
    // drift from what the writers create.
    static std::vector<Table> expectedTables()
    {
        std::vector<Table> tables;
        sqlite3 *memory = nullptr;
        sqlite3_open(":memory:", &memory);
        sqlite3_exec(memory, kPriceSchemaSql, nullptr, nullptr, nullptr);
        for (const char *name : {"DailyData", "TickTradeDaysResults", "TickData", "OverviewNews",
                                 "sortedticknewsreleases", "DatabaseInfo"}) {
            Table t{name, {}, {}};
            readColumns(memory, name, t.columns, t.key);
            tables.push_back(t);
        }
        sqlite3_close(memory);
        return tables;
    }

    static void readColumns(sqlite3 *db, const char *table, std::vector<std::string> &columns,
                            std::vector<std::string> &key)
    {
        const std::string sql = std::string("PRAGMA table_info(\"") + table + "\")";
        sqlite3_stmt *s = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK)
            return;
        std::map<int, std::string> keyed;
        while (sqlite3_step(s) == SQLITE_ROW) {
            const std::string column = reinterpret_cast<const char *>(sqlite3_column_text(s, 1));
            columns.push_back(column);
            if (const int pk = sqlite3_column_int(s, 5); pk > 0)
                keyed[pk] = column;
        }
        sqlite3_finalize(s);
        for (const auto &entry : keyed)
            key.push_back(entry.second);
    }

    static std::string lower(std::string s)
    {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
        return s;
    }

    static std::string joined(const std::vector<std::string> &items)
    {
        std::string text;
        for (const std::string &i : items)
            text += (text.empty() ? "" : ", ") + i;
        return text;
    }

    void checkSchema()
    {
        for (const Table &expected : expectedTables()) {
            // A table whose rows are made only when read is never read here, as the game refuses it
            // before reading it: one over an endless query would hold the check for ever.
            if (const std::string made = madeWhenRead(expected.name); !made.empty()) {
                m_report.add("schema", made + "; the game refuses it, so it must be an ordinary table");
                continue;
            }
            std::vector<std::string> columns, key;
            readColumns(m_db, expected.name, columns, key);
            if (columns.empty()) {
                m_report.add("schema", std::string("table ") + expected.name + " is missing");
                continue;
            }
            bool complete = true;
            for (const std::string &c : expected.columns) {
                const bool found = std::any_of(columns.begin(), columns.end(),
                                               [&](const std::string &a) { return lower(a) == lower(c); });
                if (!found) {
                    m_report.add("schema", std::string("table ") + expected.name + " has no column " + c);
                    complete = false;
                }
            }
            std::vector<std::string> lowerKey;
            for (const std::string &k : key)
                lowerKey.push_back(lower(k));
            std::vector<std::string> expectedKey;
            for (const std::string &k : expected.key)
                expectedKey.push_back(lower(k));
            if (lowerKey != expectedKey)
                m_report.add("schema", std::string("table ") + expected.name + " has the primary key (" +
                                           joined(key) + ") instead of (" + joined(expected.key) +
                                           "); the game reads its rows in key order without sorting them");
            if (complete)
                m_present.insert(expected.name);
        }
    }

    // Why a table's rows are made only when read (a view, a virtual table, a column computed when read),
    // as the game's open judges it, or nothing for a table of stored rows or one that is missing.
    std::string madeWhenRead(const char *table) const
    {
        bool found = false, view = false;
        QString name, sql;
        sqlite3_stmt *s = nullptr;
        if (sqlite3_prepare_v2(m_db,
                               "SELECT name, type = 'view', sql FROM sqlite_master WHERE name = ?1 "
                               "COLLATE NOCASE AND type IN ('table', 'view')",
                               -1, &s, nullptr) == SQLITE_OK) {
            sqlite3_bind_text(s, 1, table, -1, SQLITE_STATIC);
            if (sqlite3_step(s) == SQLITE_ROW) {
                found = true;
                name = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 0)));
                view = sqlite3_column_int(s, 1) != 0;
                sql = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 2)));
            }
        }
        sqlite3_finalize(s);
        if (!found)
            return {};
        QString computed;
        switch (db::classifyTable(m_db, name, view, sql, &computed)) {
        case db::Database::TableKind::View:
            return std::string("table ") + table + " is a view, whose rows are made only when read";
        case db::Database::TableKind::Virtual:
            return std::string("table ") + table + " is a virtual table, whose rows are made only when read";
        case db::Database::TableKind::Computed:
            return "the column " + computed.toStdString() + " of table " + table +
                   " is computed only when read";
        case db::Database::TableKind::Missing:
        case db::Database::TableKind::Stored:
            break;
        }
        return {};
    }

    bool present(const char *table) const { return m_present.count(table) > 0; }

    // Calls row for every row of a query; a query that cannot run is reported.
    template <typename Row> void forEachRow(const char *sql, Row row)
    {
        sqlite3_stmt *s = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &s, nullptr) != SQLITE_OK) {
            m_report.add("schema", std::string("cannot read the rows: ") + sqlite3_errmsg(m_db));
            return;
        }
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW)
            row(s);
        if (rc != SQLITE_DONE)
            m_report.add("file", std::string("reading stopped: ") + sqlite3_errmsg(m_db));
        sqlite3_finalize(s);
    }

    void checkDatabaseInfo()
    {
        if (!present("DatabaseInfo"))
            return;
        std::map<std::string, std::string> info;
        forEachRow("SELECT Name, Value FROM DatabaseInfo", [&](sqlite3_stmt *s) {
            const auto *name = sqlite3_column_text(s, 0);
            const auto *value = sqlite3_column_text(s, 1);
            if (name && value)
                info[reinterpret_cast<const char *>(name)] = reinterpret_cast<const char *>(value);
        });
        const auto expect = [&](const char *name, const char *value, const char *why) {
            const auto it = info.find(name);
            if (it == info.end())
                m_report.add("database-info", std::string("DatabaseInfo has no ") + name + " row; " + why);
            else if (it->second != value)
                m_report.add("database-info", std::string("DatabaseInfo ") + name + " is '" + it->second +
                                                  "' instead of '" + value + "'; " + why);
        };
        expect("Password", kPricePassword, "the game's connect string carries that password");
        expect("SchemaVersion", kSchemaVersion, "the game reads only this version of the tables");
    }

    // A numeric field of the current row, reported when null or not a number.
    std::optional<double> number(sqlite3_stmt *s, int column, const char *field, const RowPlace &where)
    {
        const int type = sqlite3_column_type(s, column);
        if (type == SQLITE_NULL) {
            m_report.add("null-value", std::string(field) + " is null in " + where.text());
            return std::nullopt;
        }
        const double v = sqlite3_column_double(s, column);
        if ((type != SQLITE_INTEGER && type != SQLITE_FLOAT) || !std::isfinite(v)) {
            m_report.add("encoding", std::string(field) + " '" + columnExcerpt(s, column) +
                                         "' is not a number in " + where.text());
            return std::nullopt;
        }
        return v;
    }

    // A CommodityID of the current row, reported when not one of the allowed ids.
    std::optional<int> instrumentId(sqlite3_stmt *s, int lowest, const RowPlace &where)
    {
        const std::optional<double> v = number(s, 0, "CommodityID", where);
        if (!v)
            return std::nullopt;
        if (*v != std::floor(*v) || *v < lowest || *v > kInstrumentCount) {
            m_report.add("instrument-id", "CommodityID " + numberText(*v) + " in " + where.text() +
                                              " is not one of " + std::to_string(lowest) + "..6");
            return std::nullopt;
        }
        return static_cast<int>(*v);
    }

    // A date field that must be a whole day.
    std::optional<int> wholeDay(sqlite3_stmt *s, int column, const char *field, const RowPlace &where)
    {
        const std::optional<double> v = number(s, column, field, where);
        if (!v)
            return std::nullopt;
        if (*v != std::floor(*v) || !vb::fromSerial(*v).isValid()) {
            m_report.add("encoding", std::string(field) + " " + numberText(*v) + " in " + where.text() +
                                         " is not a whole day");
            return std::nullopt;
        }
        return static_cast<int>(*v);
    }

    void checkDaily()
    {
        if (!present("DailyData"))
            return;
        std::map<int, std::set<int>> datesOf; // instrument -> dates
        std::set<int> calendar;
        std::pair<int, int> last{-1, -1};
        forEachRow(
            "SELECT CommodityID, [Date], OpenInterest, DayVolume, [Open], High, Low, [Close] FROM DailyData "
            "ORDER BY CommodityID, [Date]",
            [&](sqlite3_stmt *s) {
                const RowPlace place("DailyData", s, rowDescription);
                const std::optional<int> id = instrumentId(s, 1, place);
                const std::optional<int> date = wholeDay(s, 1, "Date", place);
                for (int c : {2, 3}) {
                    const char *field = c == 2 ? "OpenInterest" : "DayVolume";
                    if (const auto v = number(s, c, field, place);
                        v && (*v != std::floor(*v) || *v < 0 || *v > 2147483647.0))
                        m_report.add("encoding", std::string(field) + " " + numberText(*v) + " in " +
                                                     place.text() +
                                                     " is not a whole number from 0 to 2147483647");
                }
                const auto open = number(s, 4, "Open", place);
                const auto high = number(s, 5, "High", place);
                const auto low = number(s, 6, "Low", place);
                const auto close = number(s, 7, "Close", place);
                if (!id || !date)
                    return;
                if (std::pair{*id, *date} == last)
                    m_report.add("duplicate-key", "more than one " + place.text());
                last = {*id, *date};
                datesOf[*id].insert(*date);
                calendar.insert(*date);
                const Instrument instrument = static_cast<Instrument>(*id);
                for (const auto &[name, v] :
                     {std::pair{"Open", open}, {"High", high}, {"Low", low}, {"Close", close}}) {
                    if (!v)
                        continue;
                    if (!fitsSingle(*v))
                        m_report.add("price-range", std::string(name) + " " + numberText(*v) + " in " +
                                                        place.text() + " is beyond " + kBeyondSingle);
                    else if (gamePrice(instrument, *v) <= kPriceFloor)
                        m_report.add("price-floor", std::string(name) + " " + numberText(*v) + " in " +
                                                        place.text() + " is at or below the price floor");
                    else if (!onGrid(*v, dailyGrid(instrument)))
                        m_report.add("encoding", std::string(name) + " " + numberText(*v) + " in " +
                                                     place.text() + " is not " + dailyUnits(instrument));
                }
                if (open && high && low && close &&
                    !(*low <= *open && *low <= *close && *open <= *high && *close <= *high))
                    m_report.add("high-low", place.text() + " does not have Low <= Open, Close <= High");
                if (close)
                    m_dailyClose[key(*id, *date)] = *close;
                m_dailyPrices[*id].push_back({*date, {open, high, low, close}});
            });
        checkJumps();
        for (int date : calendar)
            for (Instrument i : kAllInstruments)
                if (!datesOf[commodityId(i)].count(date))
                    m_report.add("missing-instrument-day",
                                 std::string("DailyData has no ") + std::string(instrumentKey(i)) +
                                     " row on " + dateText(date) + ", a day of the daily calendar");
        checkMonths("DailyData", calendar, m_options.dailyFrom, m_options.dailyUntil);
    }

    // A daily price far from the closes of the days beside it, each instrument's days in date order.
    void checkJumps()
    {
        static const char *const names[] = {"Open", "High", "Low", "Close"};
        for (const auto &[id, days] : m_dailyPrices) {
            const std::size_t n = days.size();
            for (std::size_t k = 0; n >= 2 && k < n; ++k) {
                const std::size_t first = k == 0 ? 1 : k == n - 1 ? (n >= 3 ? n - 3 : 0) : k - 1;
                const std::size_t last = k == 0       ? std::min<std::size_t>(2, n - 1)
                                         : k == n - 1 ? n - 2
                                                      : k + 1;
                std::vector<std::size_t> beside;
                for (std::size_t j = first; j <= last; ++j)
                    if (j != k && days[j].prices[3] && *days[j].prices[3] > 0 &&
                        fitsSingle(*days[j].prices[3]))
                        beside.push_back(j);
                for (int f = 0; f < 4 && !beside.empty(); ++f) {
                    const std::optional<double> &v = days[k].prices[f];
                    if (!v || !(*v > 0) || !fitsSingle(*v))
                        continue;
                    const bool far = std::all_of(beside.begin(), beside.end(), [&](std::size_t j) {
                        const double close = *days[j].prices[3];
                        return *v > close * kJumpRatio || *v < close / kJumpRatio;
                    });
                    if (!far)
                        continue;
                    std::string closes;
                    for (std::size_t j : beside)
                        closes += (closes.empty() ? "" : ", ") + numberText(*days[j].prices[3]) + " on " +
                                  dateText(days[j].date);
                    m_report.add("price-jump",
                                 std::string(names[f]) + " " + numberText(*v) + " of " +
                                     std::string(instrumentKey(static_cast<Instrument>(id))) + " on " +
                                     dateText(days[k].date) + " is " +
                                     (*v > *days[beside[0]].prices[3]
                                          ? "more than " + numberText(kJumpRatio) + " times"
                                          : "less than 1/" + numberText(kJumpRatio) + " of") +
                                     " the close of each day beside it (" + closes +
                                     "); no market moves so far in a day, so the price is mistyped or in "
                                     "other units");
                    break;
                }
            }
        }
    }

    void checkMonths(const std::string &table, const std::set<int> &days, QDate from, QDate until)
    {
        for (const QDate &month : monthsBetween(from, until)) {
            const int first = static_cast<int>(vb::toSerial(month));
            const int next = static_cast<int>(vb::toSerial(month.addMonths(1)));
            const auto count = std::distance(days.lower_bound(first), days.lower_bound(next));
            if (count < m_options.minDaysPerMonth)
                m_report.add("coverage", table + " has " + std::to_string(count) + " trading days in " +
                                             monthText(month) + "; every month from " + monthText(from) +
                                             " to " + monthText(until.addMonths(-1)) + " needs at least " +
                                             std::to_string(m_options.minDaysPerMonth));
        }
    }

    // The starts of the tick windows a game can load: the first of every month, and every trading day
    // (a replay starts on the first day it loaded).
    std::vector<int> tickWindowStarts() const
    {
        std::set<int> starts(m_tickDays.begin(), m_tickDays.end());
        if (!m_tickDays.empty()) {
            const QDate first = vb::fromSerial(*m_tickDays.begin());
            for (const QDate &m : monthsBetween(first, vb::fromSerial(*m_tickDays.rbegin()).addDays(1)))
                starts.insert(static_cast<int>(vb::toSerial(m)));
        }
        return {starts.begin(), starts.end()};
    }

    static int windowEnd(int start) { return static_cast<int>(vb::addMonths(start, kTickWindowMonths)); }

    void checkTickCalendar()
    {
        if (!present("TickTradeDaysResults"))
            return;
        std::optional<int> last;
        forEachRow("SELECT [Date] FROM TickTradeDaysResults ORDER BY [Date]", [&](sqlite3_stmt *s) {
            const std::optional<int> date = wholeDay(s, 0, "Date", RowPlace("TickTradeDaysResults", s));
            if (!date)
                return;
            if (date == last)
                m_report.add("duplicate-key",
                             "TickTradeDaysResults has " + dateText(*date) + " more than once");
            last = date;
            m_tickDays.insert(*date);
        });
        for (int start : tickWindowStarts()) {
            const auto count =
                std::distance(m_tickDays.lower_bound(start), m_tickDays.lower_bound(windowEnd(start)));
            if (count > kMaxTickDays)
                m_report.add("tick-window-length", "TickTradeDaysResults has " + std::to_string(count) +
                                                       " trading days in the three months from " +
                                                       dateText(start) + "; a tick game holds at most " +
                                                       std::to_string(kMaxTickDays));
        }
        checkMonths("TickTradeDaysResults", m_tickDays, m_options.tickFrom, m_options.tickUntil);
    }

    void checkTicks()
    {
        if (!present("TickData"))
            return;
        // Per tick day and instrument: bit 0 = any tick, bits 1..6 = a tick in that trading-time window.
        std::unordered_map<long long, unsigned> seen;
        std::optional<std::pair<int, double>> last;
        forEachRow("SELECT CommodityID, [DateTime], realprice FROM TickData ORDER BY CommodityID, [DateTime]",
                   [&](sqlite3_stmt *s) {
                       const RowPlace place("TickData", s, rowDescription);
                       const std::optional<int> id = instrumentId(s, 1, place);
                       const std::optional<double> when = number(s, 1, "DateTime", place);
                       const std::optional<double> raw = number(s, 2, "realprice", place);
                       if (!id || !when)
                           return;
                       const int day = whole(*when);
                       const double minutes = (*when - day) * 1440.0;
                       const int minute = static_cast<int>(std::lround(minutes));
                       if (std::fabs(minutes - minute) > 1e-3)
                           m_report.add("encoding", "DateTime in " + place.text() + " is not a whole minute");
                       if (last && last->first == *id && last->second == *when)
                           m_report.add("duplicate-key", "more than one " + place.text());
                       last = {{*id, *when}};
                       if (!m_tickDays.count(day)) {
                           m_report.add("tick-off-calendar",
                                        place.text() + " falls on a day missing from TickTradeDaysResults");
                       } else {
                           const int slot = slotOfMinute(static_cast<Instrument>(*id), minute);
                           seen[key(*id, day)] |= 1u | (slot > 0 ? 1u << slot : 0u);
                       }
                       if (raw)
                           checkTickPrice(static_cast<Instrument>(*id), day, *raw, place);
                   });
        for (int day : m_tickDays) {
            for (Instrument i : kAllInstruments) {
                const auto it = seen.find(key(commodityId(i), day));
                if (it == seen.end()) {
                    m_report.add("missing-instrument-day", std::string("TickData has no ") +
                                                               std::string(instrumentKey(i)) + " ticks on " +
                                                               dateText(day) + ", a tick trading day");
                    continue;
                }
                for (int slot = 1; slot <= kSlotsPerDay; ++slot)
                    if (!(it->second & (1u << slot)))
                        m_report.add("trading-window", std::string("TickData has no ") +
                                                           std::string(instrumentKey(i)) + " tick in the " +
                                                           windowText(i, slot) + " window on " +
                                                           dateText(day));
            }
        }
    }

    void checkTickPrice(Instrument instrument, int day, double raw, const RowPlace &place)
    {
        if (!fitsSingle(raw)) {
            m_report.add("price-range", "realprice " + numberText(raw) + " in " + place.text() +
                                            " is beyond " + kBeyondSingle);
            return;
        }
        const std::optional<double> price = decodeTick(instrument, raw);
        if (price && !fitsSingle(*price)) {
            m_report.add("price-range", "realprice " + numberText(raw) + " in " + place.text() +
                                            " reads as " + numberText(*price) + ", beyond " + kBeyondSingle);
            return;
        }
        if (!price) {
            m_report.add("encoding", "realprice " + numberText(raw) + " in " + place.text() + " is not " +
                                         tickUnits(instrument));
            return;
        }
        if (gamePrice(instrument, *price) <= kPriceFloor) {
            m_report.add("price-floor", "realprice " + numberText(raw) + " in " + place.text() +
                                            " is at or below the price floor");
            return;
        }
        const auto close = m_dailyClose.find(key(commodityId(instrument), day));
        if (close != m_dailyClose.end() && close->second > 0 &&
            (*price > close->second * kUnitsRatio || *price < close->second / kUnitsRatio))
            m_report.add("encoding", "realprice " + numberText(raw) + " in " + place.text() + " reads as " +
                                         numberText(*price) + ", far from the day's close " +
                                         numberText(close->second) + "; it should be " +
                                         tickUnits(instrument));
    }

    void checkStories()
    {
        if (!present("OverviewNews"))
            return;
        std::set<std::pair<int, int>> stories;
        std::optional<std::pair<int, int>> last;
        forEachRow("SELECT CommodityID, [Date], News FROM OverviewNews ORDER BY [Date], CommodityID",
                   [&](sqlite3_stmt *s) {
                       const RowPlace place("OverviewNews", s, rowDescription);
                       const std::optional<int> id = instrumentId(s, 0, place);
                       const std::optional<int> date = wholeDay(s, 1, "Date", place);
                       const bool hasText = text(s, 2, "News", place);
                       if (!id || !date)
                           return;
                       if (last == std::pair{*date, *id})
                           m_report.add("duplicate-key", "more than one " + place.text());
                       last = {{*date, *id}};
                       if (hasText)
                           stories.insert({*date, *id});
                   });
        if (!stories.count({static_cast<int>(vb::toSerial(kDisclaimerDate)), 0}))
            m_report.add("disclaimer",
                         "OverviewNews has no disclaimer text (dated 1965-10-17, CommodityID 0)");
        for (int year = m_options.storyFirstYear; year <= m_options.storyLastYear; ++year)
            for (Instrument i : kAllInstruments)
                if (!stories.count({static_cast<int>(vb::toSerial(year, 1, 1)), commodityId(i)}))
                    m_report.add("story", std::string("OverviewNews has no background story for ") +
                                              std::string(instrumentKey(i)) + " dated " +
                                              std::to_string(year) + "-01-01");
    }

    // A text field; reported when null, false when null or empty.
    bool text(sqlite3_stmt *s, int column, const char *field, const RowPlace &where)
    {
        if (sqlite3_column_type(s, column) == SQLITE_NULL) {
            m_report.add("null-value", std::string(field) + " is null in " + where.text());
            return false;
        }
        return sqlite3_column_bytes(s, column) > 0;
    }

    void checkReleases()
    {
        if (!present("sortedticknewsreleases"))
            return;
        std::vector<int> releaseDays;
        std::optional<std::tuple<double, double, std::string>> last;
        forEachRow("SELECT NRDate, NRTime, NRTitle, NRStory FROM sortedticknewsreleases "
                   "ORDER BY NRDate, NRTime, NRTitle",
                   [&](sqlite3_stmt *s) {
                       const RowPlace place("sortedticknewsreleases", s, releaseDescription);
                       const auto *title = sqlite3_column_text(s, 2);
                       const std::optional<int> date = wholeDay(s, 0, "NRDate", place);
                       const std::optional<double> time = number(s, 1, "NRTime", place);
                       const bool hasTitle = text(s, 2, "NRTitle", place);
                       const bool hasStory = text(s, 3, "NRStory", place);
                       if (time && (*time < 0 || *time >= 1))
                           m_report.add("encoding", "NRTime " + numberText(*time) + " in " + place.text() +
                                                        " is not a time of day alone (a fraction of a day)");
                       if (title && (!hasTitle || !hasStory))
                           m_report.add("release", place.text() + " has an empty title or story");
                       if (!date || !time)
                           return;
                       const auto current =
                           std::make_tuple(static_cast<double>(*date), *time,
                                           std::string(title ? reinterpret_cast<const char *>(title) : ""));
                       if (last == current)
                           m_report.add("duplicate-key", "more than one " + place.text());
                       last = current;
                       if (present("TickTradeDaysResults") && !m_tickDays.count(*date))
                           m_report.add("release", place.text() +
                                                       " falls on a day missing from TickTradeDaysResults; "
                                                       "the game never shows it");
                       releaseDays.push_back(*date);
                   });
        for (int start : tickWindowStarts()) {
            const auto count =
                std::distance(std::lower_bound(releaseDays.begin(), releaseDays.end(), start),
                              std::lower_bound(releaseDays.begin(), releaseDays.end(), windowEnd(start)));
            if (count > kMaxReleasesPerGame)
                m_report.add("release", "sortedticknewsreleases has " + std::to_string(count) +
                                            " releases in the three months from " + dateText(start) +
                                            "; a tick game holds at most " +
                                            std::to_string(kMaxReleasesPerGame));
        }
    }

    static long long key(int id, int day) { return static_cast<long long>(day) * 16 + id; }

    // "(Oil, 1996-02-05)" from a row's CommodityID and date, whatever they hold.
    static std::string rowDescription(sqlite3_stmt *s)
    {
        // The types first: reading a value as text may change the type the engine reports.
        const int idType = sqlite3_column_type(s, 0), dateType = sqlite3_column_type(s, 1);
        std::string idText;
        if (idType == SQLITE_INTEGER && sqlite3_column_int(s, 0) >= 1 &&
            sqlite3_column_int(s, 0) <= kInstrumentCount)
            idText = std::string(instrumentKey(static_cast<Instrument>(sqlite3_column_int(s, 0))));
        else
            idText = columnExcerpt(s, 0);
        const std::string dateValue = dateType == SQLITE_INTEGER || dateType == SQLITE_FLOAT
                                          ? dateTimeText(sqlite3_column_double(s, 1))
                                          : columnExcerpt(s, 1);
        return "(" + idText + ", " + dateValue + ")";
    }

    // "\"Employment Report:\" on 1996-02-05 08:30" from a release row's title, date and time.
    static std::string releaseDescription(sqlite3_stmt *s)
    {
        const std::string when = releaseWhen(s);
        const auto *title = reinterpret_cast<const char *>(sqlite3_column_text(s, 2));
        const std::string titleText =
            title ? excerpt(std::string_view(title, static_cast<std::size_t>(sqlite3_column_bytes(s, 2))))
                  : "";
        return "\"" + titleText + "\"" + when;
    }

    static std::string releaseWhen(sqlite3_stmt *s)
    {
        const int dt = sqlite3_column_type(s, 0), tt = sqlite3_column_type(s, 1);
        if ((dt != SQLITE_INTEGER && dt != SQLITE_FLOAT) || (tt != SQLITE_INTEGER && tt != SQLITE_FLOAT))
            return "";
        return " on " + dateTimeText(sqlite3_column_double(s, 0) + sqlite3_column_double(s, 1));
    }

    sqlite3 *m_db;
    const CheckOptions &m_options;
    CheckReport &m_report;
    std::set<std::string> m_present;
    std::set<int> m_tickDays;
    std::unordered_map<long long, double> m_dailyClose;
    struct DayPrices {
        int date;
        std::optional<double> prices[4]; // Open, High, Low, Close
    };
    std::map<int, std::vector<DayPrices>> m_dailyPrices; // by CommodityID, in date order
};

} // namespace

std::vector<Violation> checkPriceFile(const std::string &path, const CheckOptions &options)
{
    CheckReport report;
    // Opening a FIFO would wait for a writer, and a device or a folder is no price file: such a path is
    // refused before it is opened.
    std::error_code ec;
    if (const auto status = std::filesystem::status(path, ec);
        std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        report.add("file", path + " is not a regular file; a price database is one");
        return report.violations();
    }
    // A WAL-mode file is read as it stands ("immutable"), as the game reads it, so that nothing is made
    // or written beside it; with changes of another program waiting in its "-wal" file it is not read.
    std::string name = path;
    int flags = SQLITE_OPEN_READONLY;
    if (db::isWalModeFile(QString::fromStdString(path))) {
        const std::string wal = path + "-wal";
        if (std::filesystem::file_size(wal, ec) > 0 && !ec) {
            report.add("journal-mode", path + " is in WAL journal mode with changes waiting in " + wal +
                                           "; the game refuses it until the program writing it closes it");
            return report.violations();
        }
        report.add("journal-mode", path + " is in WAL journal mode; the game reads it as it stands, "
                                          "but 'PRAGMA journal_mode = DELETE' makes it an ordinary file");
        name = db::immutableFileUri(QString::fromStdString(path)).toStdString();
        flags |= SQLITE_OPEN_URI;
    }
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(name.c_str(), &db, flags, nullptr) != SQLITE_OK ||
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        report.add("file", "cannot read " + path + " as a price database: " +
                               (db ? sqlite3_errmsg(db) : std::string("out of memory")));
    } else {
        Checker(db, options, report).run();
    }
    sqlite3_close(db);
    return report.violations();
}

} // namespace tarvello::futuresdb
