#include "charts/Indicators.h"

#include <algorithm>

namespace tarvello {

Bar TickBar(const PeriodPrice &price, int n)
{
    const int w = n <= 3 ? n - 1 : 2;
    Bar bar{price(n - w), price(n - w), price(n - w), price(n)};
    for (int p = n - w; p <= n; ++p) {
        bar.high = std::max(bar.high, price(p));
        bar.low = std::min(bar.low, price(p));
    }
    return bar;
}

std::vector<StochasticsPoint> Stochastics(const std::vector<Bar> &bars)
{
    std::vector<StochasticsPoint> points(bars.size());
    const int count = static_cast<int>(bars.size());
    for (int k = 0; k < count; ++k) {
        const int from = std::max(0, k - 4);
        float highest = bars[from].high;
        float lowest = bars[from].low;
        for (int j = from; j <= k; ++j) {
            highest = std::max(highest, bars[j].high);
            lowest = std::min(lowest, bars[j].low);
        }
        const float range = highest - lowest;
        StochasticsPoint &point = points[k];
        point.noRange = range == 0.0f;
        point.k = point.noRange ? 0.0f : (bars[k].close - lowest) / range;
        if (k >= 2) {
            point.d = (point.k + points[k - 1].k + points[k - 2].k) / 3.0f;
            point.slow = (point.d + points[k - 1].d + points[k - 2].d) / 3.0f;
        }
    }
    return points;
}

void FillWarmUp(std::vector<float> &values, std::size_t warmUp)
{
    if (warmUp >= values.size())
        return;
    std::fill(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(warmUp), values[warmUp]);
}

void FillNoRange(std::vector<float> &values, const std::vector<bool> &noRange)
{
    const auto first = std::find_if(values.begin(), values.end(), [](float v) { return v != 0.0f; });
    if (first == values.end())
        return;
    const float fill = *first;
    for (std::size_t i = 0; i < values.size() && i < noRange.size(); ++i) {
        if (noRange[i])
            values[i] = fill;
    }
}

std::vector<float> RelativeStrength(const PeriodPrice &price, int first, int last)
{
    std::vector<float> rsi;
    for (int n = first; n <= last; ++n) {
        if (n < 15) {
            rsi.push_back(0.0f);
            continue;
        }
        float gains = 0.0f, losses = 0.0f;
        for (int p = n - 13; p <= n; ++p) {
            const float change = price(p) - price(p - 1);
            gains += change > 0.0f ? change : 0.0f;
            losses += change < 0.0f ? -change : 0.0f;
        }
        const float averageGain = gains / 14.0f;
        const float averageLoss = losses / 14.0f;
        if (averageLoss == 0.0f) {
            rsi.push_back(averageGain > 0.0f ? 100.0f : 50.0f);
            continue;
        }
        const float rs = averageGain / averageLoss;
        rsi.push_back(100.0f - 100.0f / (rs + 1.0f));
    }
    return rsi;
}

} // namespace tarvello
