#include "common/Random.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace tarvello {

DefaultRandomSource::DefaultRandomSource(uint32_t seed)
{
    this->seed(seed);
}

void DefaultRandomSource::randomize()
{
    m_state = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
              static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) << 17;
}

void DefaultRandomSource::seed(uint32_t value)
{
    m_state = value;
}

// splitmix64: small, fast and well mixed even from neighbouring seeds. The draw is built from 24 bits,
// all a Single holds below 1, so it can never round up to 1.0.
float DefaultRandomSource::rnd()
{
    uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<float>(z >> 40) * 0x1.0p-24f;
}

int pick(RandomSource &random, int n)
{
    if (n <= 1)
        return 1;
    const double k = std::floor(static_cast<double>(random.rnd()) * n + 1.0);
    return static_cast<int>(std::clamp(k, 1.0, static_cast<double>(n)));
}

} // namespace tarvello
