#pragma once

#include "data/PriceDatabase.h"
#include "platform/db/Result.h"
#include "state/GameState.h"
#include "state/MarketState.h"

#include <QString>

#include <cstdint>

namespace tarvello {

struct GameState;
class MarketHooks;

// Empty records: no day, no row, cursor 0.
void InitCalendar(TradingCalendar &calendar);
void InitSeriesRecord(PriceSeries &series);
// Before a chart walks a series from its start: cursor -1 and the high and low forgotten.
void ResetSeriesCursor(PriceSeries &series);

// The end of the calendar a game loads (excluded): one month or three for a Tick game by its length
// option, one year for a Daily game whatever its length.
double CalendarSpanEnd(const GameSettings &settings, double start);

// Fills the game's calendar from `start` to CalendarSpanEnd from the tick calendar (Tick games) or the
// distinct dates of the daily rows, and sets TradeDaysInPeriod. Returns the number of trading days (0
// for a period without any), or the failure when the database cannot answer.
db::Result<int32_t> LoadTradingDays(GameState &state, double start, MarketHooks &hooks);

// Fills `series` with a year of the instrument's daily rows from `start`, read one at a time. With no
// row it stays as the reset left it; the cursor is not touched. Fails, leaving the series as it was,
// when the database cannot answer, when a row lacks a value, holds a price beyond a Single or a count
// beyond a Long, or when two rows fall on one day.
db::Status LoadDailyData(const PriceDatabaseState &database, int32_t commodityId, double start,
                         PriceSeries &series);

// The calendar tests the charts make while they walk a series. Each is false on an empty calendar or
// a position outside it.
bool CalendarReady(const TradingCalendar &calendar);
bool IsCalendarDayBefore(const TradingCalendar &calendar, double date); // date <= the current day
bool IsCurrentCalendarDay(const TradingCalendar &calendar, double date);

// One step of the calendar per period, before the clock moves: the position follows the clock to
// TradeDay + 1, or EndOfCalendar is set when there is no next day.
void AdvanceCalendarDay(TradingCalendar &calendar, GameClock &clock);

// Moves the series' cursor onto the next row when that row is dated the current calendar day; an
// instrument without a row for the day keeps its cursor. When it moves, the date label is written
// (see DayLabelCaption) and events run. Returns whether it moved.
bool AdvanceSeries(PriceSeries &series, const TradingCalendar &calendar, double endDate, MarketHooks &hooks);
// AdvanceSeries on the six series, in CommodityID order.
void AdvanceAllSeries(MarketState &market, const GameSettings &settings, MarketHooks &hooks);

// "Date: " and the day of the period: Days[Position - 1], or the day before it once that day has
// reached `endDate`. Indexes never leave the calendar.
QString DayLabelCaption(const TradingCalendar &calendar, double endDate);

// The calendar day whose prices the period trades at: Days[Position - 1] while the calendar runs one
// day ahead of the clock, Days[Position] once it is exhausted, Days[0] before the first period.
// 0 on an empty calendar.
double ShownCalendarDay(const TradingCalendar &calendar, const GameClock &clock);

// The close of the period: the close of the last row dated on or before ShownCalendarDay. -1.0 when
// the series has no row there or its cursor is outside its rows.
float GetSeriesClose(const PriceSeries &series, const TradingCalendar &calendar, const GameClock &clock);
// GetSeriesClose of an instrument's series; -1.0 for a CommodityID outside 1..6.
float GetInstrumentClose(const GameState &state, int32_t commodityId);

} // namespace tarvello
