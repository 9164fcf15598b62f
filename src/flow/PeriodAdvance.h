#pragma once

#include "common/GameOptions.h"
#include "state/GameState.h"

#include <cstdint>
#include <optional>

namespace tarvello {

// The arithmetic and the state changes of a period advance that need no window. The "&Forward" click
// (flow/ui/PeriodAdvance.h) runs them in its order.

// The notice that the last trading day begins, in a game of more than 15 periods.
inline constexpr const char *kFinalDayTitle = "Trader Notification";
inline constexpr const char *kFinalDayMessage = "   * Begin Final Day of Trading *";
inline constexpr int16_t kFinalDayNoticeMinLength = 15;

// The end date of a game of the chosen length starting on `start`: one, three or twelve months on.
// None without a length (the end date then stays as it was), and none for One Year unless
// `yearCounts`: once a Tick game's first day is known only its month or quarter is measured again.
std::optional<double> lengthEndDate(double start, GameLengthOption option, bool yearCounts = true);

// A Tick game's last trading time (six a day), and its final period: one more, which ends the game.
int16_t tickLastPeriod(int16_t tradeDaysInPeriod);
int16_t tickGameLength(int16_t tradeDaysInPeriod);

// The trading day (0-based) of a Tick game's period; 0 for period 0 and below.
int16_t tickDayIndexOf(int16_t tradeDay);

// Whether the period about to start opens the last trading day: in a Daily game when the current
// period is two before the last, in a Tick game when it is seven before (the next one is the first
// trading time of the last day). The caller gives the notice only in games longer than 15 periods.
bool finalDayNoticeDue(DataKind kind, int16_t tradeDay, int16_t gameLength);

// The end test of a click: the game's date has reached its end date. A period without a date has not.
bool endDateReached(std::optional<double> date, double endDate);

// The period the final period settles on: a Tick game's last trading time of its last day (trading
// days x 6). A Daily game stays where it is: the Tick formula would throw its clock far past its data.
int16_t finalPeriodTradeDay(DataKind kind, int16_t tradeDay, int16_t tradeDaysInPeriod);

// The hand-over at "&Forward": each instrument's previous close becomes its current price (a Single),
// or before the first period the price of period 0's record; then every current price is 0 until the
// new period loads its own.
void HandOverPrices(GameState &state);

// Copies the prices of period TradeDay's record into the current prices (T-Bond in double precision).
// A period outside the records leaves them as they are.
void TakePeriodPrices(GameState &state);

} // namespace tarvello
