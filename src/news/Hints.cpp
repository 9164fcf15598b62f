#include "news/Hints.h"

namespace tarvello {

std::optional<QString> NextHint(int16_t period, int32_t totalTrades, int16_t &marker)
{
    const int p = period;
    const int32_t t = totalTrades;
    if (p <= marker)
        return std::nullopt;
    // The quotient is taken only once there is a trade to divide by, in single precision, and both
    // comparisons with it are strict.
    const float perTrade = t > 0 ? static_cast<float>(p) / static_cast<float>(t) : 0.0f;
    const auto moveMarker = [&marker](int to) { marker = static_cast<int16_t>(to); };

    if (p == 15 && t == 0) {
        moveMarker(105);
        return QStringLiteral("Don't be Scared to Execute A Trade ");
    }
    if (t > 0 && perTrade > 45.0f) {
        moveMarker(p + 90);
        return QStringLiteral("Don't be Scared to Execute a Trade ");
    }
    if (p == 20 && t >= 10) {
        moveMarker(110);
        return QStringLiteral("Be Careful Not to Trade too Much:  Commissions Eat Up Profits");
    }
    if (p > marker && p > 3 && t > 0 && perTrade < 1.5f) {
        moveMarker(p + 90);
        return QStringLiteral("  Be Careful Not to Trade too Much:  Commissions Eat Up Profits");
    }
    return std::nullopt;
}

} // namespace tarvello
