#pragma once

namespace tarvello {

struct App;

// "&Forward" (btnChangePeriod): the game's main loop, one period per click. The screen is locked
// while it works. A Daily game first moves its calendar, date label, series and charts one day on; a
// Tick game works out the trading day of the period and, before the first period, its end date. A
// game whose date has reached its end date ends with the game-over window. Then the margin test runs:
// a blow-out ends the game, and a forced fill stops the click without a new period. Otherwise the
// current prices become the previous closes, a hint may be shown and the next period starts. After
// it, the game ends when its end date or the end of its data has been reached; otherwise "&Forward"
// and "&Trade" are enabled again.
// "&Play Again" in any summary window that comes up on the way ends the click with the game back at
// its period 0, exactly as a new game with the same options starts.
void btnChangePeriod_Click(App &app);

// The start of a new period: the pending order is emptied, the final-day notice is given when due,
// the settings menus are locked at the first period and the period index moves on. The final period
// shows the game-over summary and its rating; every other period shows its time and date, its news,
// loads its six prices, redraws the charts and runs the blow-out and margin-call checks with the
// account panel and quote lines.
void StartNewPeriod(App &app);

} // namespace tarvello
