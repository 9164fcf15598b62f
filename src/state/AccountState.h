#pragma once

#include <cstdint>

namespace tarvello {

// The player's account for the whole run. The types are the ones the shown figures are computed in:
// the account value is computed in Double and kept as a Single, the profit and loss in Double.
struct AccountState {
    float startingCapital = 100000.0f; // 10,000 in a Novice game, 100,000 in an Expert game
    float accountValue = 100000.0f;    // capital + unrealized + realized profit and loss
    double unrealizedPL = 0.0;         // of the open lots, at the period's prices
    double realizedPL = 0.0;           // of the lots closed in this game
    float score = 0.0f;                // realized + unrealized
    double marginRequirementTotal = 0.0;
    double marginExcess = 0.0;     // account value minus the margin counted, to two decimals
    double marginCallAmount = 0.0; // the size of a negative margin excess, else 0
    // Fills in this game. 32 bits, because the trade history grows with the game and a long game can
    // hold more fills than 16 bits count.
    int32_t totalTrades = 0;
    float totalCommissions = 0.0f; // 20 dollars per fill in an Expert game
};

} // namespace tarvello
