#pragma once

#include "state/GameState.h"

namespace tarvello {

// The margin the open book ties up: the sum over the six instruments of |position| times the
// instrument's margin per contract, with no netting between instruments. Sets MarginRequirementTotal.
void MarginRequirement(GameState &state);

// The margin refresh order entry and the account panel run before they show margin figures.
void UpdateMarginRoom(GameState &state);

// How many contracts of the instrument the free equity (account value minus the margin in use) carries,
// rounded down; negative when the margin in use exceeds the account value, 0 when the account value
// is 0 or below. The same for a Buy and a Sell. Refreshes MarginRequirementTotal on the way.
double MaxAffordableUnits(GameState &state, Instrument instrument);

// Sets MarginExcess (the account value minus the margin counted, to two decimals; with an account
// value of 0 or below the whole value counts) and MarginCallAmount (the size of a negative excess).
void ComputeMarginExcess(GameState &state);

} // namespace tarvello
