#pragma once

#include "state/GameState.h"

#include <QString>

#include <optional>

namespace tarvello {

// The two readings of the maximum-units display ("&Maximum Display" > "&Transaction" / "&Positions").
enum class MaximumDisplay : int16_t { Transaction = 0, Positions = 1 };

// The caption of LabelMaxiPos for a reading.
QString maximumDisplayCaption(MaximumDisplay display);

// The largest quantity the pending order may have, as the caption of lblMaxSelected: the contracts
// this order may trade ("&Transaction"), or how far that moves the position ("&Positions"). "0" when
// the account value is 0 or below; none (leave the caption as it is) when no side is chosen. Computed
// wide and capped by the position and transaction limits before it is narrowed, so no free equity is
// too large; an allowance below zero shows as 0.
std::optional<QString> ShowMaximumUnits(GameState &state, MaximumDisplay display);

} // namespace tarvello
