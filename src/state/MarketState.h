#pragma once

#include "common/GameOptions.h"
#include "common/Instrument.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarvello {

// One trading day of one instrument, as the DailyData table holds it.
struct DailyRow {
    int32_t OpenInterest = 0;
    int32_t DayVolume = 0;
    float Open = 0.0f;
    float High = 0.0f;
    float Low = 0.0f;
    float Close = 0.0f;
    double Date = 0.0; // day serial
};

// An instrument's daily rows for a Daily game. The cursor walks the rows as the calendar moves on; the
// charts reset it to -1 and walk the rows again, widening the highest high and the lowest low.
struct PriceSeries {
    int16_t RowCount = 0;
    int16_t Cursor = 0;
    float MaxHigh = 0.0f;
    float MinLow = 100000.0f;
    std::vector<DailyRow> Rows = std::vector<DailyRow>(1); // a single zero row when nothing is loaded
};

// The trading days of the game period, ascending. Position runs one day ahead of the clock: during
// period k of a Daily game it is k and the date shown is Days[k - 1].
struct TradingCalendar {
    int16_t Count = 0;
    int16_t Position = 0;
    std::vector<double> Days = std::vector<double>(1, 0.0); // a single zero day when Count is 0
};

// One of an instrument's six trading times on one day: the price and the time of the tick taken.
struct TickEntry {
    float Price = 0.0f;
    double Time = 0.0; // fraction of a day
};

// One instrument on one trading day of a Tick game. Slots 1..6 are the day's periods; slot 0 is unused.
struct TickBlock {
    std::array<TickEntry, 7> Slots{};
    float Open = 0.0f;
    float High = 0.0f;
    float Low = 0.0f;
    float Close = 0.0f;
    bool HasData = false;
    // A tick row of the instrument is dated this day, whether or not it fell in a slot's window; false
    // for a day whose prices the load carried over from another.
    bool HasTicks = false;
};

// One trading day of a Tick game; Blocks are indexed by CommodityID 1..6 (block 0 is unused).
struct TickDay {
    double Date = 0.0;
    std::array<TickBlock, 7> Blocks{};
};

// One period's prices. T-Bond is kept in double precision, the others in single precision. The four
// leading slots belong to instruments the game does not trade.
struct PeriodPriceRecord {
    std::array<float, 4> Untraded{};
    float Oil = 0.0f;
    float Gold = 0.0f;
    double TBond = 0.0;
    float SP500 = 0.0f;
    float Cattle = 0.0f;
    float Soybean = 0.0f;
};

// Periods 0..3602, indexed by TradeDay.
inline constexpr int kPeriodPriceRecords = 3603;

// What the tick records in memory were loaded for. Only a completed tick load writes it, so a later
// Tick game over the same period can reuse the records.
struct LoadedTicks {
    bool Complete = false;
    double Start = 0.0;   // the game's StartDate
    double End = 0.0;     // the game's EndDate
    double SpanEnd = 0.0; // the end of the ticks actually read (start plus one or three months)
};

// The market data of the current game, kept for the whole run.
struct MarketState {
    TradingCalendar GameCalendar;
    // The six daily series, indexed by slotOf(Instrument): Cattle, Gold, Oil, SP500, Soybean, TBond.
    std::array<PriceSeries, kInstrumentCount> Series;
    // The tick records of the last tick load, one per trading day of its calendar. They survive Daily
    // games.
    std::vector<TickDay> TickDays;
    // Per CommodityID 1..6 and slot 1..6, the reference time of day of the slot (a fraction of a day).
    std::array<std::array<double, 7>, 7> TickReferenceTimes{};
    // The kind of the last data played: the period advance sets it to the game's DataType at every
    // click, and a tick load sets it to Tick.
    DataKind LoadedDataType = DataKind::None;
    LoadedTicks Loaded;
    std::vector<PeriodPriceRecord> PeriodPrices = std::vector<PeriodPriceRecord>(kPeriodPriceRecords);

    PriceSeries &series(Instrument i) { return Series[slotOf(i)]; }
    const PriceSeries &series(Instrument i) const { return Series[slotOf(i)]; }
};

} // namespace tarvello
