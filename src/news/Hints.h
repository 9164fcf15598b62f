#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace tarvello {

// The hints about how often the player trades. `period` is the period being left, `totalTrades` the
// fills of the game so far; `marker` is the program-wide hint marker: no hint comes until the period
// has passed it, and a hint moves it on (to 105, 110 or period + 90). Returns the hint to show, if any;
// at most one per call.
std::optional<QString> NextHint(int16_t period, int32_t totalTrades, int16_t &marker);

inline constexpr const char *kHintTitle = "* Helpful Hint *";

} // namespace tarvello
