#include "common/VbMath.h"

#include <cmath>
#include <limits>

namespace tarvello::vb {

namespace {

// Half to even, then clamped to T's range: the game never relies on the overflow error, and a cast
// of an out-of-range double is undefined in C++.
template <typename T> T roundHalfEven(double x)
{
    if (std::isnan(x))
        return 0;
    double r = std::floor(x);
    const double rest = x - r;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(r, 2.0) != 0.0))
        r += 1.0;
    constexpr double lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
    return static_cast<T>(r < lo ? lo : r > hi ? hi : r);
}

} // namespace

double Int(double x)
{
    return std::floor(x);
}

double Fix(double x)
{
    return std::trunc(x);
}

int16_t CInt(double x)
{
    return roundHalfEven<int16_t>(x);
}

int32_t CLng(double x)
{
    return roundHalfEven<int32_t>(x);
}

int32_t Mod(int32_t a, int32_t b)
{
    // A zero divisor, or the one quotient that overflows, gives 0 rather than a crash.
    if (b == 0 || b == -1)
        return 0;
    return a % b;
}

} // namespace tarvello::vb
