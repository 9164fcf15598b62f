#pragma once

#include "common/Level.h"
#include "common/Services.h"
#include "state/AccountState.h"

#include <QString>

namespace tarvello {

// What the verdict depends on besides the account.
struct RatingContext {
    Level level = Level::Expert;
    int16_t tradeDay = 0;   // the current period; 0 before the first
    int16_t gameLength = 0; // the index of the game's final period
};

// The gain on the starting capital as the rating reads it: a Single rounded to four decimals.
float ratingGain(const AccountState &account);

// The one-line verdict on a finished game, picked from the gain, the level, the number of trades and a
// random draw; some draws give an empty line. It is empty before the first period, and for a lost
// account before the final period. The window writes it into the end-of-game window's rating label
// and copies it into the game-over window's text line.
QString RateEndOfGame(const AccountState &account, const RatingContext &context, RandomSource &random);

} // namespace tarvello
