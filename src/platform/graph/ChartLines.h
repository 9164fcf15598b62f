#pragma once

#include <optional>
#include <vector>

namespace tarvello {

// The lines a chart draws over one data set: each point's value, or nothing where no value is drawn.
using PlottedPoints = std::vector<std::optional<float>>;

// The arithmetic mean of the drawn values; nothing when none is drawn.
std::optional<float> LineMean(const PlottedPoints &points);

struct MinMax {
    float min;
    float max;
};
// The lowest and highest drawn value; nothing when none is drawn.
std::optional<MinMax> LineMinMax(const PlottedPoints &points);

// The simple moving average over `period` points: at each point whose own value and the period - 1
// before it are all drawn, their mean; nothing elsewhere (and everywhere when period < 1).
PlottedPoints MovingAverageLine(const PlottedPoints &points, int period);

} // namespace tarvello
