#pragma once

#include <cstdint>

namespace tarvello {

// The kind of price data a game replays: one period per trading day, or six trading times a day.
// None stands for a kind not chosen yet (the value is empty before the first game).
enum class DataKind : uint8_t { None, Daily, Tick };

// The game length chosen in the game options dialog (its OptMonth, OptQuarter and OptYear buttons).
// None: no length button is selected.
enum class GameLengthOption : uint8_t { None, OneMonth, OneQuarter, OneYear };

} // namespace tarvello
