#pragma once

#include "state/GameState.h"

#include <QString>

namespace tarvello {

// The state's part of the level set-up: the level itself, the starting capital (10,000 at Novice,
// 100,000 at Expert) as account value, the contracts that capital can margin as each instrument's
// maximum units (Oil alone at Novice), and at Novice a game of one quarter.
void SetupLevelFigures(GameState &state, Level level);

// The state's part of both game-state resets: period 0, the account back to its starting capital with
// no position, lot, profit, trade or commission, the pending order emptied with no instrument chosen,
// the position and transaction limits written, and no news listed. Settings, the loaded data and the
// chart options stay.
void ResetGameFigures(GameState &state);

// The time of day the clock label shows before the first period: "8:00 am" in a Tick game, "4:00 pm"
// (the close) otherwise.
QString startingTradeTime(DataKind kind);

// Fills the time-axis texts: the hours "9:00" to "4:00" in a Tick game, the single "4:00" otherwise.
void FillTimeAxisLabels(GameState &state);

} // namespace tarvello
