#pragma once

#include "common/Level.h"
#include "state/GameState.h"

#include <QString>

namespace tarvello {

// Values the instrument's open lots at its current price and sets its unrealized profit and loss; 0
// for a flat position. PLOilCalc, PLGoldCalc, PLTBondCalc, PLSP500Calc, PLCattleCalc and PLSoybeanCalc
// are this one procedure with the instrument's own rounding of the price difference.
void PLCalc(GameState &state, Instrument instrument);

// Recomputes UnrealizedPL (Oil only in a Novice game, all six in an Expert game), the account value
// (capital + unrealized + realized, added in Double, kept as a Single) and the margin requirement.
void RecalcAccount(GameState &state, Level level);

// Refreshes the margin requirement and returns the caption of the cash-margin label ("Cash Margin
// (%):"): (account value - margin) / account value as a percentage, or 0.00% when the account value
// is 0 or below.
QString CountAndRecalcExposure(GameState &state);

} // namespace tarvello
