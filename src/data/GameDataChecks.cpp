#include "data/GameDataChecks.h"

#include "data/PriceDatabase.h"
#include "data/PriceFields.h"
#include "data/TickData.h"
#include "data/TradingCalendar.h"
#include "state/GameState.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace tarvello {

namespace {

// A table of the game's data and the columns that place its rows: the day (or moment) and, for price
// tables, the instrument.
struct PlacedTable {
    const char *name;
    const char *dateColumn;
    bool priced;  // has a CommodityID
    bool moments; // the date column holds a time of day too
};

constexpr PlacedTable kDailyData{"DailyData", "Date", true, false};
constexpr PlacedTable kTickCalendar{"TickTradeDaysResults", "Date", false, false};
constexpr PlacedTable kTickData{"TickData", "DateTime", true, true};

QString quoted(const char *name)
{
    return QStringLiteral("[%1]").arg(QLatin1String(name));
}

QString serialText(double serial)
{
    return QString::number(serial, 'g', 17);
}

QString whenText(const PlacedTable &table, double serial)
{
    return table.moments ? QStringLiteral("at ") + momentText(serial)
                         : QStringLiteral("on ") + dayText(serial);
}

QString mendText(const GameState &state)
{
    return QStringLiteral(" No %1 game can be played until the file is mended.")
        .arg(state.settings.dataType == DataKind::Tick ? QStringLiteral("Tick") : QStringLiteral("Daily"));
}

// Where a row without a date lies in the file: the date of the row before it (of the same instrument),
// for a table that keeps its rows in the order written. Empty where the table cannot tell.
QString neighbourOfNull(const db::Database &db, const PlacedTable &table, const db::Value &owner)
{
    const QString name = QLatin1String(table.name), date = quoted(table.dateColumn);
    const QString sameOwner = table.priced && owner.kind() == db::Value::Kind::Integer
                                  ? QStringLiteral(" AND CommodityID = %1").arg(owner.toString())
                                  : QString();
    auto found = db.openRecordset(
        QStringLiteral(
            "SELECT %1 AS day FROM %2 WHERE rowid < (SELECT rowid FROM %2 WHERE %1 IS NULL%3 LIMIT 1)"
            " AND typeof(%1) IN ('integer', 'real')%3 ORDER BY rowid DESC LIMIT 1")
            .arg(date, name, sameOwner));
    if (!found || found.value().eof())
        return {};
    return QStringLiteral("; the row before it in the file is dated %1")
        .arg(dayText(found.value().field(u"day").toDouble()));
}

// A row whose date is NULL or a text (a text sorts after every number, a blob after every text) is
// found through the table's key, an instrument at a time, without reading the rows of the period. A
// NULL is looked for only where the schema lets the column hold one: the game's own schema declares its
// date columns NOT NULL, and the look would cost a pass over every row. One query asks every table.
// Such a row cannot be placed in any period, so no game of the kind can be played until it is mended.
db::Status checkDates(const GameState &state, const std::vector<PlacedTable> &tables)
{
    const db::Database &db = state.priceDatabase.FuturesDb;
    QStringList probes;
    for (size_t t = 0; t < tables.size(); ++t) {
        const PlacedTable &table = tables[t];
        const QString name = QLatin1String(table.name), date = quoted(table.dateColumn);
        const QString select =
            QStringLiteral("SELECT %1 AS t, %2 AS id, quote(%3) AS found FROM %4 WHERE ")
                .arg(QString::number(t),
                     table.priced ? QStringLiteral("CommodityID") : QStringLiteral("NULL"), date, name);
        probes << select +
                      (table.priced ? QStringLiteral("CommodityID IN (1, 2, 3, 4, 5, 6) AND ") : QString()) +
                      date + QStringLiteral(" >= ''");
        if (!db.columnNotNull(name, QLatin1String(table.dateColumn)).value_or(false))
            probes << select + date + QStringLiteral(" IS NULL");
    }
    auto found = db.openRecordset(probes.join(QStringLiteral(" UNION ALL ")) + QStringLiteral(" LIMIT 1"));
    if (!found)
        return queryFailure(found.description());
    if (found.value().eof())
        return db::Status::success();
    const PlacedTable &table = tables.at(static_cast<size_t>(found.value().field(u"t").toInt()));
    const db::Value owner = found.value().field(u"id");
    const QString value = found.value().field(u"found").toString();
    const QString row =
        table.priced
            ? QStringLiteral("a %1 row of %2").arg(QLatin1String(table.name), instrumentLabel(owner.toInt()))
            : QStringLiteral("a %1 row").arg(QLatin1String(table.name));
    const QString what = value == QLatin1String("NULL")
                             ? QStringLiteral("is empty (NULL)") + neighbourOfNull(db, table, owner)
                             : QStringLiteral("is not a day serial (%1)").arg(value);
    return db::Status::failure(QStringLiteral("The price database has %1 whose %2 %3.")
                                   .arg(row, QLatin1String(table.dateColumn), what) +
                               mendText(state));
}

// A row of the period that belongs to no instrument: a NULL CommodityID, one outside 1..6 (a text
// sorts after every number), or one between two instruments (3.5). Each probe reads the table's key from
// the CommodityID it asks for, so a sound table costs one look-up a probe; the unary + keeps the engine
// off the date index, which would have it read every row of the period once a probe.
struct UnknownOwner {
    QString id;
    double when = 0.0;
};

std::optional<UnknownOwner> findUnknownOwner(const db::Database &db, const PlacedTable &table, double start,
                                             double end)
{
    const QString date = quoted(table.dateColumn);
    QStringList owners{QStringLiteral("IS NULL"), QStringLiteral("< 1"), QStringLiteral("> 6")};
    for (int id = 1; id < 6; ++id)
        owners << QStringLiteral("> %1 AND CommodityID < %2").arg(id).arg(id + 1);
    QStringList probes;
    for (const QString &owner : owners) {
        probes << QStringLiteral("SELECT quote(CommodityID) AS id, %1 AS day FROM %2 WHERE CommodityID %3 "
                                 "AND +%1 >= %4 AND +%1 < %5")
                      .arg(date, QLatin1String(table.name), owner, serialText(start), serialText(end));
    }
    auto found = db.openRecordset(probes.join(QStringLiteral(" UNION ALL ")) + QStringLiteral(" LIMIT 1"));
    if (!found || found.value().eof())
        return std::nullopt;
    return UnknownOwner{found.value().field(u"id").toString(), found.value().field(u"day").toDouble()};
}

// Why an instrument may have no rows where it should: rows of the period that belong to no instrument.
QString unknownOwners(const db::Database &db, const PlacedTable &table, double start, double end)
{
    const auto found = findUnknownOwner(db, table, start, end);
    if (!found)
        return {};
    return QStringLiteral(" Rows of %1 in the game's period carry no known CommodityID (%2 on %3).")
        .arg(QLatin1String(table.name), found->id, dayText(found->when));
}

// Rows of the period that belong to no instrument leave that instrument's prices out of the game from
// their day on, whichever day it is.
db::Status checkOwners(const GameState &state)
{
    const bool tick = state.settings.dataType == DataKind::Tick;
    const PlacedTable &table = tick ? kTickData : kDailyData;
    const double start = state.settings.startDate;
    const double end = tick ? TickSpanEnd(state.settings, start) : CalendarSpanEnd(state.settings, start);
    const auto found = findUnknownOwner(state.priceDatabase.FuturesDb, table, start, end);
    if (!found)
        return db::Status::success();
    return db::Status::failure(
        QStringLiteral("The price database has a %1 row %2 that belongs to no instrument (CommodityID %3): "
                       "the game cannot tell whose price it is.")
            .arg(QLatin1String(table.name), whenText(table, found->when), found->id));
}

// A calendar day with a time of day moves every later period onto the day before its own, and a day
// listed twice shows its date twice: the game's days must be whole and each listed once.
db::Status checkCalendarDays(const GameState &state)
{
    const TradingCalendar &calendar = state.market.GameCalendar;
    const bool tick = state.settings.dataType == DataKind::Tick;
    const PlacedTable &table = tick ? kTickCalendar : kDailyData;
    for (int k = 0; k < calendar.Count; ++k) {
        const double day = calendar.Days[static_cast<size_t>(k)];
        if (day == std::floor(day))
            continue;
        QString row = QStringLiteral("a %1 row").arg(QLatin1String(table.name));
        if (!tick) {
            auto owner = state.priceDatabase.FuturesDb.openRecordset(
                QStringLiteral("SELECT CommodityID FROM DailyData WHERE [Date] = %1 LIMIT 1")
                    .arg(serialText(day)));
            if (owner && !owner.value().eof())
                row += QStringLiteral(" of ") + instrumentLabel(owner.value().field(u"CommodityID").toInt());
        }
        return db::Status::failure(
            QStringLiteral(
                "The price database has %1 dated %2: its %3 is not a whole day, so the game cannot "
                "tell which trading day it belongs to.")
                .arg(row, momentText(day), QLatin1String(table.dateColumn)));
    }
    for (int k = 1; k < calendar.Count; ++k) {
        const double day = calendar.Days[static_cast<size_t>(k)];
        if (day == calendar.Days[static_cast<size_t>(k - 1)]) {
            return db::Status::failure(
                QStringLiteral(
                    "The price database lists %1 twice in %2: each trading day may be listed once.")
                    .arg(dayText(day), QLatin1String(table.name)));
        }
    }
    return db::Status::success();
}

std::vector<Instrument> tradedInstruments(const GameSettings &settings)
{
    if (settings.level == Level::Novice)
        return {Instrument::Oil};
    return {kAllInstruments.begin(), kAllInstruments.end()};
}

// An instrument without a row on the first trading day has no close to show there and trades at the
// price floor until its first row; a day missing later repeats the last close, as the game means.
db::Status checkDailyCoverage(const GameState &state)
{
    const TradingCalendar &calendar = state.market.GameCalendar;
    const double first = std::floor(calendar.Days.front());
    for (Instrument i : tradedInstruments(state.settings)) {
        const PriceSeries &series = state.market.series(i);
        bool priced = false;
        for (int r = 0; r < series.RowCount && !priced; ++r)
            priced = std::floor(series.Rows[static_cast<size_t>(r)].Date) <= first;
        if (priced)
            continue;
        const double start = state.settings.startDate;
        return db::Status::failure(
            QStringLiteral(
                "The price database has no %1 row in DailyData on %2, the first trading day of the "
                "game.")
                .arg(instrumentLabel(commodityId(i)), dayText(first)) +
            unknownOwners(state.priceDatabase.FuturesDb, kDailyData, start,
                          CalendarSpanEnd(state.settings, start)));
    }
    return db::Status::success();
}

// A trading day without a tick of an instrument repeats its last price in all six periods: its quote
// stands still for the day.
db::Status checkTickCoverage(const GameState &state)
{
    const std::vector<TickDay> &days = state.market.TickDays;
    const TradingCalendar &calendar = state.market.GameCalendar;
    const size_t count = std::min(days.size(), static_cast<size_t>(calendar.Count));
    for (Instrument i : tradedInstruments(state.settings)) {
        const auto id = static_cast<size_t>(commodityId(i));
        for (size_t k = 0; k < count; ++k) {
            if (days[k].Blocks[id].HasTicks)
                continue;
            const double start = state.settings.startDate;
            return db::Status::failure(
                QStringLiteral("The price database has no %1 tick in TickData on %2, a trading day in "
                               "TickTradeDaysResults.")
                    .arg(instrumentLabel(commodityId(i)), dayText(calendar.Days[k])) +
                unknownOwners(state.priceDatabase.FuturesDb, kTickData, start,
                              TickSpanEnd(state.settings, start)));
        }
    }
    return db::Status::success();
}

} // namespace

db::Status CheckDatesReadable(const GameState &state)
{
    if (state.settings.dataType != DataKind::Tick)
        return checkDates(state, {kDailyData});
    return checkDates(state, {kTickCalendar, kTickData});
}

db::Status CheckGameData(const GameState &state)
{
    if (db::Status dates = CheckDatesReadable(state); !dates)
        return dates;
    if (state.market.GameCalendar.Count < 1)
        return db::Status::success();
    if (db::Status days = checkCalendarDays(state); !days)
        return days;
    const db::Status covered =
        state.settings.dataType != DataKind::Tick ? checkDailyCoverage(state) : checkTickCoverage(state);
    if (!covered)
        return covered;
    return checkOwners(state);
}

} // namespace tarvello
