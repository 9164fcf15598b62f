#include "data/TradingCalendar.h"

#include "common/Formats.h"
#include "common/VbDate.h"
#include "data/MarketHooks.h"
#include "data/PriceFields.h"
#include "state/GameState.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace tarvello {

namespace {

constexpr int kHourglass = 11;
constexpr int kDefaultPointer = 0;
// Counts and indexes are 16-bit; no year of trading days comes near this.
constexpr int kMaxRows = std::numeric_limits<int16_t>::max();

bool positionInCalendar(const TradingCalendar &calendar)
{
    return calendar.Count >= 1 && calendar.Position >= 0 && calendar.Position < calendar.Count;
}

double calendarDay(const TradingCalendar &calendar, int index)
{
    if (calendar.Count < 1)
        return 0.0;
    return calendar.Days[static_cast<size_t>(std::clamp(index, 0, calendar.Count - 1))];
}

} // namespace

void InitCalendar(TradingCalendar &calendar)
{
    calendar = TradingCalendar{};
}

void InitSeriesRecord(PriceSeries &series)
{
    series = PriceSeries{};
}

void ResetSeriesCursor(PriceSeries &series)
{
    series.Cursor = -1;
    series.MaxHigh = 0.0f;
    series.MinLow = 100000.0f;
}

double CalendarSpanEnd(const GameSettings &settings, double start)
{
    if (settings.dataType == DataKind::Tick)
        return vb::addMonths(start, settings.lengthOption == GameLengthOption::OneMonth ? 1 : 3);
    return vb::addMonths(start, 12);
}

db::Result<int32_t> LoadTradingDays(GameState &state, double start, MarketHooks &hooks)
{
    TradingCalendar &calendar = state.market.GameCalendar;
    InitCalendar(calendar);
    hooks.setMousePointer(kHourglass);

    const double end = CalendarSpanEnd(state.settings, start);
    const bool tick = state.settings.dataType == DataKind::Tick;
    auto query = state.priceDatabase.FuturesDb.openRecordset(tick ? TickCalendarQuery(start, end)
                                                                  : DailyCalendarQuery(start, end));
    if (!query) {
        hooks.setMousePointer(kDefaultPointer);
        state.clock.tradeDaysInPeriod = 0;
        return queryFailure(query.description());
    }
    db::Recordset &rs = query.value();
    rs.moveLast();
    rs.moveFirst();
    const int n = std::min(rs.recordCount(), kMaxRows);

    PriceFieldReader fields(rs, tick ? "TickTradeDaysResults" : "DailyData");
    const auto date = fields.field(u"Date");
    QString found; // the value of a date that is no number, for the notice
    if (n >= 1) {
        calendar.Days.assign(static_cast<size_t>(n), 0.0);
        for (int i = 0; i < n && !rs.eof() && !fields.failed(); ++i, rs.moveNext()) {
            calendar.Days[static_cast<size_t>(i)] = fields.required(date);
            if (fields.failed())
                found = rs.field(u"Date").toString();
        }
        calendar.Count = static_cast<int16_t>(n);
    }
    hooks.setMousePointer(kDefaultPointer);
    rs.close();
    if (fields.failed()) {
        InitCalendar(calendar);
        state.clock.tradeDaysInPeriod = 0;
        return db::Status::failure(
            QStringLiteral("The price database has a %1 row of the game's period whose Date is not a day "
                           "serial ('%2').")
                .arg(tick ? QStringLiteral("TickTradeDaysResults") : QStringLiteral("DailyData"), found));
    }
    state.clock.tradeDaysInPeriod = calendar.Count;
    return int32_t(calendar.Count);
}

namespace {

// Counts the game keeps as 32-bit integers.
bool fitsLong(double value)
{
    return value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max();
}

// Two rows of one instrument on one day leave the day's price, the chart's bars and the walk of the
// series to the order the rows happen to come in.
db::Status checkOneRowADay(const std::vector<DailyRow> &rows, int32_t commodityId)
{
    std::vector<double> days;
    days.reserve(rows.size());
    for (const DailyRow &row : rows)
        days.push_back(std::floor(row.Date));
    if (!std::is_sorted(days.begin(), days.end()))
        std::sort(days.begin(), days.end());
    const auto twice = std::adjacent_find(days.begin(), days.end());
    if (twice == days.end())
        return db::Status::success();
    return db::Status::failure(QStringLiteral("The price database has two DailyData rows of %1 on %2.")
                                   .arg(instrumentLabel(commodityId), dayText(*twice)));
}

} // namespace

db::Status LoadDailyData(const PriceDatabaseState &database, int32_t commodityId, double start,
                         PriceSeries &series)
{
    const double end = vb::addMonths(start, 12);
    // The rows are read as the engine finds them, each straight into the series' list.
    auto query = database.FuturesDb.streamRows(DailyRowsQuery(commodityId, start, end));
    if (!query)
        return queryFailure(query.description());
    db::RowStream &rs = query.value();

    std::vector<DailyRow> rows;
    StreamFieldReader fields(rs, "DailyData");
    const auto openInterest = fields.field(u"OpenInterest"), dayVolume = fields.field(u"DayVolume"),
               open = fields.field(u"Open"), high = fields.field(u"High"), low = fields.field(u"Low"),
               close = fields.field(u"Close"), date = fields.field(u"Date");
    while (static_cast<int>(rows.size()) < kMaxRows && rs.next()) {
        const double day = fields.required(date);
        const double interest = fields.optional(openInterest, 0.0), volume = fields.optional(dayVolume, 0.0);
        const double prices[] = {fields.required(open), fields.required(high), fields.required(low),
                                 fields.required(close)};
        // The day's text only for a notice: a text for every row would cost more than reading it.
        const auto when = [day] { return QStringLiteral("on ") + dayText(day); };
        if (fields.failed()) {
            if (fields.failedField() == date.name)
                return fields.status();
            return missingValue("DailyData", commodityId, when(), fields.failedField());
        }
        const decltype(open) *priceFields[] = {&open, &high, &low, &close};
        for (int i = 0; i < 4; ++i) {
            if (!fitsSingle(prices[i]))
                return beyondSingle("DailyData", commodityId, when(), priceFields[i]->name, prices[i]);
        }
        for (const auto &[value, field] :
             {std::pair{interest, &openInterest}, std::pair{volume, &dayVolume}}) {
            if (!fitsLong(value)) {
                return db::Status::failure(
                    QStringLiteral("The price database has a DailyData row of %1 %2 whose %3 (%4) is beyond "
                                   "any count the game can hold.")
                        .arg(instrumentLabel(commodityId), when(), field->name.toString(), vb::str(value)));
            }
        }
        rows.push_back({static_cast<int32_t>(interest), static_cast<int32_t>(volume),
                        static_cast<float>(prices[0]), static_cast<float>(prices[1]),
                        static_cast<float>(prices[2]), static_cast<float>(prices[3]), day});
    }
    if (!rs.status().ok())
        return queryFailure(rs.status().description());
    rs.close();
    if (rows.empty())
        return db::Status::success();
    if (db::Status once = checkOneRowADay(rows, commodityId); !once)
        return once;
    series.RowCount = static_cast<int16_t>(rows.size());
    series.Rows = std::move(rows);
    return db::Status::success();
}

bool CalendarReady(const TradingCalendar &calendar)
{
    return calendar.Count > 0 && calendar.Position >= 0;
}

bool IsCalendarDayBefore(const TradingCalendar &calendar, double date)
{
    return positionInCalendar(calendar) && date <= calendar.Days[static_cast<size_t>(calendar.Position)];
}

bool IsCurrentCalendarDay(const TradingCalendar &calendar, double date)
{
    return positionInCalendar(calendar) && date == calendar.Days[static_cast<size_t>(calendar.Position)];
}

void AdvanceCalendarDay(TradingCalendar &calendar, GameClock &clock)
{
    if (calendar.Position + 1 < calendar.Count) {
        // A position that drifted from the clock is put back in step with it.
        calendar.Position = calendar.Position == clock.tradeDay ? static_cast<int16_t>(calendar.Position + 1)
                                                                : static_cast<int16_t>(clock.tradeDay + 1);
    } else {
        clock.endOfCalendar = true;
    }
}

QString DayLabelCaption(const TradingCalendar &calendar, double endDate)
{
    const int p = calendar.Position;
    // Once the day reached the end date (a game shorter than the year loaded), the label stays on the
    // day before; at the very first day there is none before it, so the first day stays.
    const double day =
        calendarDay(calendar, p - 1) >= endDate ? calendarDay(calendar, p - 2) : calendarDay(calendar, p - 1);
    return QStringLiteral("Date: ") + vb::shortDate(day);
}

bool AdvanceSeries(PriceSeries &series, const TradingCalendar &calendar, double endDate, MarketHooks &hooks)
{
    const int next = series.Cursor + 1;
    if (next < 0 || next >= series.RowCount)
        return false;
    if (!IsCurrentCalendarDay(calendar, series.Rows[static_cast<size_t>(next)].Date))
        return false;
    series.Cursor = static_cast<int16_t>(next);
    hooks.setDayLabel(DayLabelCaption(calendar, endDate));
    hooks.letEventsRun();
    return true;
}

void AdvanceAllSeries(MarketState &market, const GameSettings &settings, MarketHooks &hooks)
{
    for (Instrument i : kAllInstruments)
        AdvanceSeries(market.series(i), market.GameCalendar, settings.endDate, hooks);
}

double ShownCalendarDay(const TradingCalendar &calendar, const GameClock &clock)
{
    // The calendar runs a day ahead of the clock until it is exhausted; then the clock passes it and
    // the period trades on the last day.
    const int index = clock.tradeDay > calendar.Position ? calendar.Position : calendar.Position - 1;
    return calendarDay(calendar, index);
}

float GetSeriesClose(const PriceSeries &series, const TradingCalendar &calendar, const GameClock &clock)
{
    if (series.Cursor < 0 || series.Cursor >= series.RowCount)
        return -1.0f;
    // The last row dated on or before the day shown: an instrument missing a day shows its previous
    // close, never the next day's, and no index falls outside the rows.
    const double shown = ShownCalendarDay(calendar, clock);
    const DailyRow *found = nullptr;
    for (int i = 0; i < series.RowCount; ++i) {
        const DailyRow &row = series.Rows[static_cast<size_t>(i)];
        if (row.Date <= shown && (!found || row.Date >= found->Date))
            found = &row;
    }
    return found ? found->Close : -1.0f;
}

float GetInstrumentClose(const GameState &state, int32_t commodityId)
{
    if (commodityId < 1 || commodityId > kInstrumentCount)
        return -1.0f;
    const Instrument i = static_cast<Instrument>(commodityId);
    return GetSeriesClose(state.market.series(i), state.market.GameCalendar, state.clock);
}

} // namespace tarvello
