#pragma once

#include "common/Services.h"

#include <cstdint>

namespace tarvello {

// The game's random source: a 32-bit generator giving Single draws in [0, 1).
class DefaultRandomSource : public RandomSource {
public:
    explicit DefaultRandomSource(uint32_t seed = 1);
    void randomize() override;
    void seed(uint32_t value) override;
    float rnd() override;

private:
    uint64_t m_state;
};

// A pick of 1..n, as the game draws: Int(Rnd * n + 1).
int pick(RandomSource &random, int n);

} // namespace tarvello
