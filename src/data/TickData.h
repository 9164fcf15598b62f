#pragma once

#include "platform/db/Result.h"
#include "state/GameState.h"
#include "state/MarketState.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace tarvello {

struct GameState;

// Minutes after a slot's reference time during which a tick still counts for the slot (the end is
// included).
inline constexpr int kTickWindowMinutes = 30;

// The reference time of day of each instrument's six slots, in minutes after midnight.
int TickReferenceMinutes(int32_t commodityId, int slot);
// Fills MarketState::TickReferenceTimes (fractions of a day) from the table above.
void InitTickTimes(MarketState &market);
// The first slot (1..6) whose window holds the minute of the day, or 0.
int MatchingTickSlot(int32_t commodityId, int minuteOfDay);

// The end of the ticks a game reads (excluded): one month from `start` with the One Month option,
// three months otherwise.
double TickSpanEnd(const GameSettings &settings, double start);

// Loads one instrument's ticks from `start` to TickSpanEnd into MarketState::TickDays, which the caller
// has sized to the game's calendar (one record per trading day). For each day it keeps six slot prices
// (the earliest tick of a window in slots 1 to 3, the latest in slots 4 to 6), fills days without
// ticks with the last close and the days after the last tick with its sixth slot, and marks the days
// that hold a tick of their own (TickBlock::HasTicks). Ticks after the last calendar day are skipped.
// The rows are read one at a time, without a record count. Fails, leaving a partial load, when the
// database cannot answer, when a price taken lies beyond a Single, or when two rows of the instrument
// share a moment with different prices.
db::Status LoadTickData(GameState &state, int32_t commodityId, double start);

// A T-Bond quote in points and 32nds (98.16 is 98 16/32) in points: 98.5.
double ConvertTBondQuote(float quote);
// A Soybean quote in cents and eighths (580.4 is 580 4/8 cents) as a dollar text: "5.805".
QString ConvertSoybeanQuote(float quote);
// A raw tick price in the game's units: ten times the quote for Cattle, Gold, Oil and SP500 (rounded
// to cents), the conversions above for Soybean and T-Bond. Computed arithmetically, with exactly the
// results of the formatted text read back.
float ConvertTickPrice(int32_t commodityId, float quote);

// The tick arithmetic of a period index n: the trading day Int((n - 1) / 6), the slot n mod 6 with 0
// read as 6, and 6 * day + slot (which is n). Each is empty for n <= 0; callers read empty as 0.
std::optional<float> TickDayIndex(int16_t n);
std::optional<int16_t> TickSlot(int16_t n);
std::optional<float> TickNumber(int16_t n);

} // namespace tarvello
