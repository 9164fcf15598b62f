#pragma once

#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace tarvello::futuresdb {

// The sample's random numbers: our own generator and normal draws, so that the same seed gives the
// same file with any standard library. Each stream is keyed (instrument, day, ...), so one day's ticks
// do not depend on how many days were generated before it.
class SampleRandom {
public:
    explicit SampleRandom(uint64_t seed) : m_state(seed) {}
    SampleRandom(uint64_t seed, std::initializer_list<uint64_t> keys) : m_state(seed)
    {
        for (uint64_t k : keys)
            m_state = mix(m_state ^ (k + 0x9E3779B97F4A7C15ull));
    }

    uint64_t next()
    {
        m_state += 0x9E3779B97F4A7C15ull;
        return mix(m_state);
    }
    // [0, 1)
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    // 0 .. n-1
    int below(int n) { return static_cast<int>(uniform() * n); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(double p) { return uniform() < p; }
    double normal()
    {
        const double u1 = 1.0 - uniform(), u2 = uniform();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
    }
    template <typename T, std::size_t N> const T &pickFrom(const T (&items)[N]) { return items[below(N)]; }

private:
    static uint64_t mix(uint64_t z)
    {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    uint64_t m_state;
};

} // namespace tarvello::futuresdb
