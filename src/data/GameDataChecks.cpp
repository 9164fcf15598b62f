#include "data/GameDataChecks.h"

#include "data/PriceDatabase.h"
#include "data/PriceFields.h"
#include "data/TickData.h"
#include "data/TradingCalendar.h"
#include "state/GameState.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tarvello {

namespace {

// A table of the game's data and the columns that place its rows: the day (or moment) and, for price
// tables, the instrument.
struct PlacedTable {
    const char *name;
    const char *dateColumn;
    bool priced; // has a CommodityID
};

constexpr PlacedTable kDailyData{"DailyData", "Date", true};
constexpr PlacedTable kTickCalendar{"TickTradeDaysResults", "Date", false};
constexpr PlacedTable kTickData{"TickData", "DateTime", true};

QString quoted(const char *name)
{
    return QStringLiteral("[%1]").arg(QLatin1String(name));
}

QString serialText(double serial)
{
    return QString::number(serial, 'g', 17);
}

// A row whose date is NULL or a text (a text sorts after every number, a blob after every text) is
// found through the table's key, an instrument at a time, without reading the rows of the period. A
// NULL is looked for only where the schema lets the column hold one: the game's own schema declares its
// date columns NOT NULL, and the look would cost a pass over every row. One query asks every table.
db::Status checkDates(const db::Database &db, const std::vector<PlacedTable> &tables)
{
    QStringList probes;
    for (size_t t = 0; t < tables.size(); ++t) {
        const PlacedTable &table = tables[t];
        const QString name = QLatin1String(table.name), date = quoted(table.dateColumn);
        const QString select =
            QStringLiteral("SELECT %1 AS t, %2 AS id FROM %3 WHERE ")
                .arg(QString::number(t),
                     table.priced ? QStringLiteral("CommodityID") : QStringLiteral("NULL"), name);
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
    if (owner.isNull())
        return db::Status::failure(missingValueText(table.name, QString::fromLatin1(table.dateColumn)));
    return db::Status::failure(
        QStringLiteral("The price database has a %1 row of %2 without a valid %3 value.")
            .arg(QLatin1String(table.name), instrumentLabel(owner.toInt()), QLatin1String(table.dateColumn)));
}

// Why an instrument may have no rows where it should: rows of the period that belong to no instrument.
QString unknownOwners(const db::Database &db, const PlacedTable &table, double start, double end)
{
    const QString date = quoted(table.dateColumn);
    auto found = db.openRecordset(
        QStringLiteral(
            "SELECT CommodityID AS id, %1 AS day FROM %2 WHERE (CommodityID IS NULL OR CommodityID "
            "NOT IN (1, 2, 3, 4, 5, 6)) AND %1 >= %3 AND %1 < %4 LIMIT 1")
            .arg(date, QLatin1String(table.name), serialText(start), serialText(end)));
    if (!found || found.value().eof())
        return {};
    const db::Value owner = found.value().field(u"id");
    return QStringLiteral(" Rows of %1 in the game's period carry no known CommodityID (%2 on %3).")
        .arg(QLatin1String(table.name), owner.isNull() ? QStringLiteral("NULL") : owner.toString(),
             dayText(found.value().field(u"day").toDouble()));
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

db::Status checkNewsReleases(const db::Database &db)
{
    auto releases = db.openRecordset(
        QStringLiteral("SELECT NRDate, NRTime, NRTitle, NRStory FROM sortedticknewsreleases LIMIT 0"));
    if (releases)
        return db::Status::success();
    return db::Status::failure(QStringLiteral("The news releases of a Tick game cannot be read. ") +
                               releases.description());
}

} // namespace

db::Status CheckDatesReadable(const GameState &state)
{
    const db::Database &db = state.priceDatabase.FuturesDb;
    if (state.settings.dataType != DataKind::Tick)
        return checkDates(db, {kDailyData});
    return checkDates(db, {kTickCalendar, kTickData});
}

db::Status CheckGameData(const GameState &state)
{
    if (db::Status dates = CheckDatesReadable(state); !dates)
        return dates;
    if (state.market.GameCalendar.Count < 1)
        return db::Status::success();
    if (state.settings.dataType != DataKind::Tick)
        return checkDailyCoverage(state);
    if (db::Status ticks = checkTickCoverage(state); !ticks)
        return ticks;
    return checkNewsReleases(state.priceDatabase.FuturesDb);
}

} // namespace tarvello
