#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace tarvello {

struct Bar {
    float open = 0.0f;
    float high = 0.0f;
    float low = 0.0f;
    float close = 0.0f;
};

// A price of period n (1-based) of the charted instrument.
using PeriodPrice = std::function<float(int n)>;

// The bar of tick n: the prices of the last three ticks (fewer at the start of the game).
Bar TickBar(const PeriodPrice &price, int n);

// One point of the stochastics, as fractions of 0 to 1.
struct StochasticsPoint {
    float k = 0.0f;       // the close within the highest high and lowest low of the last five points
    float d = 0.0f;       // the mean of the last three %K, from the third point on
    float slow = 0.0f;    // the mean of the last three %D, from the third point on
    bool noRange = false; // the %K window's high equals its low: %K is 0 by rule, not a reading
};

// The stochastics of the chart's points, each over the points of the chart before it (at most five
// for %K); a window whose high equals its low gives %K 0.
std::vector<StochasticsPoint> Stochastics(const std::vector<Bar> &bars);

// The points %D and the slow line leave unwritten before their first reading: a mean of three needs
// three points.
inline constexpr std::size_t kStochasticsWarmUp = 2;

// The first `warmUp` points take the value of the first computed reading after them, as Tick charts
// fill the start of a line; every later point, a reading of 0 included, stays as it is. A set with no
// reading after its warm-up is left unchanged.
void FillWarmUp(std::vector<float> &values, std::size_t warmUp);

// The points flagged in `noRange` take the set's first value other than 0, as Tick charts fill a %K
// that is no reading; every other point, a reading of 0 included, stays as it is. A set with no value
// other than 0 is left unchanged.
void FillNoRange(std::vector<float> &values, const std::vector<bool> &noRange);

// The relative strength index of periods first to last: for a period of 15 or more, 100 - 100 / (1 +
// RS) with RS the simple mean of the gains over the simple mean of the losses of its 14 price changes;
// 0 for earlier periods. Fourteen changes without a fall give 100, or 50 when nothing changed at all.
std::vector<float> RelativeStrength(const PeriodPrice &price, int first, int last);

} // namespace tarvello
