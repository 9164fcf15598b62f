#include "platform/graph/ChartLines.h"

#include <algorithm>

namespace tarvello {

std::optional<float> LineMean(const PlottedPoints &points)
{
    double sum = 0.0;
    int count = 0;
    for (const auto &p : points) {
        if (p) {
            sum += *p;
            ++count;
        }
    }
    if (count == 0)
        return std::nullopt;
    return static_cast<float>(sum / count);
}

std::optional<MinMax> LineMinMax(const PlottedPoints &points)
{
    std::optional<MinMax> range;
    for (const auto &p : points) {
        if (!p)
            continue;
        if (!range)
            range = MinMax{*p, *p};
        range->min = std::min(range->min, *p);
        range->max = std::max(range->max, *p);
    }
    return range;
}

PlottedPoints MovingAverageLine(const PlottedPoints &points, int period)
{
    PlottedPoints average(points.size());
    if (period < 1)
        return average;
    const auto n = static_cast<int>(points.size());
    for (int i = period - 1; i < n; ++i) {
        double sum = 0.0;
        bool whole = true;
        for (int k = i - period + 1; k <= i && whole; ++k) {
            whole = points[k].has_value();
            if (whole)
                sum += *points[k];
        }
        if (whole)
            average[i] = static_cast<float>(sum / period);
    }
    return average;
}

} // namespace tarvello
