#pragma once

#include "common/Level.h"
#include "state/GameState.h"

namespace tarvello {

// The account's part of setting up a level: the starting capital (10,000 for Novice, 100,000 for
// Expert) becomes the account value, and the margin requirement is refreshed.
void setupAccountForLevel(GameState &state, Level level);

// The account's and the order's part of a new-game reset: positions and lot counts to 0 (the old lots
// are never read again), profit and loss, score, trade count and commissions to 0, the account value
// back to the starting capital, the pending order emptied and the position and transaction limits
// set. The trade history keeps its records; the new game numbers its trades from 1 again.
void resetAccountForNewGame(GameState &state);

} // namespace tarvello
