#pragma once

#include <cstdint>

namespace tarvello {

// The level of the current game. It decides the starting capital, which instruments are traded and
// valued (Novice: Oil only), the commissions and the rating tables.
enum class Level : uint8_t { Novice, Expert };

} // namespace tarvello
