#include "charts/YAxisScaling.h"

#include "common/Formats.h"

#include <algorithm>
#include <cmath>

namespace tarvello {

namespace {

// The span as the 16-bit whole number the rules compare, rounded half to even; a span beyond the
// range counts as its end.
int span16(float max, float min)
{
    const float s = max - min;
    return static_cast<int>(std::clamp(std::nearbyint(s), -32768.0f, 32767.0f));
}

int roundingStep(int s)
{
    if (s >= 501)
        return 100;
    if (s >= 201)
        return 25;
    if (s >= 101)
        return 10;
    if (s >= 21)
        return 5;
    if (s >= 6)
        return 2;
    return 0;
}

struct Stretch {
    int span;
    int divisions;
};

std::optional<Stretch> stretchOf(int s)
{
    if (s > 1000)
        return Stretch{s, 5};
    if (s >= 501)
        return Stretch{1000, 5};
    if (s >= 201)
        return Stretch{500, 5};
    if (s >= 101)
        return Stretch{200, 4};
    if (s >= 51)
        return Stretch{100, 5};
    if (s >= 21)
        return Stretch{50, 5};
    if (s >= 11)
        return Stretch{20, 4};
    if (s >= 6)
        return Stretch{10, 5};
    return std::nullopt;
}

// Labels evenly spread from the minimum to the maximum over four divisions.
QStringList evenLabels(float min, float max, QStringView pattern)
{
    QStringList labels;
    for (int i = 1; i <= 5; ++i) {
        const float v = min + (i - 1) / 4.0f * (max - min);
        labels << (pattern.isEmpty() ? vb::str(v) : vb::format(v, pattern));
    }
    return labels;
}

} // namespace

std::optional<YAxisFit> FitYAxis(float highest, float lowest, DataKind kind)
{
    if (kind != DataKind::Daily && kind != DataKind::Tick)
        return std::nullopt;
    if (lowest > highest)
        return std::nullopt;
    const bool daily = kind == DataKind::Daily;
    YAxisFit fit;
    if (!daily && highest - lowest <= 1.0f) {
        fit.min = static_cast<float>(lowest - 0.1);
        fit.max = static_cast<float>(highest + 0.1);
    } else {
        fit.max = static_cast<float>(std::floor(highest + 0.9999) + 1.0);
        fit.min = lowest >= 5.0f ? static_cast<float>(std::floor(lowest) - 1.0) : 0.0f;
    }

    int s = span16(fit.max, fit.min);
    if (const int k = roundingStep(s)) {
        const auto whole = static_cast<long long>(std::nearbyint(fit.min));
        fit.min = static_cast<float>(whole / k * k);
    }
    if (daily && s <= 0) {
        fit.min = static_cast<float>(std::floor(lowest * 10.0) / 10.0);
        fit.max = static_cast<float>(std::floor((highest + 0.1) * 10.0) / 10.0);
        fit.divisions = 4;
        fit.labels = evenLabels(fit.min, fit.max, {});
    }

    s = span16(fit.max, fit.min);
    if (const auto stretch = stretchOf(s)) {
        fit.max = fit.max + static_cast<float>(stretch->span - s);
        fit.divisions = stretch->divisions;
        return fit;
    }
    if (daily && s >= 2) {
        fit.divisions = 4;
    } else if (daily && s > 0) {
        fit.max = static_cast<float>(std::floor(fit.max + 0.9999));
        fit.min = std::floor(fit.min);
        fit.divisions = 4;
        // The labels follow the axis they stand on, a quarter of the span apart.
        fit.labels = evenLabels(fit.min, fit.max, {});
    } else if (!daily) {
        if (fit.max - fit.min >= 2.0f)
            return fit;
        fit.divisions = 4;
        fit.labels = evenLabels(fit.min, fit.max, u"#,###.##");
    }
    return fit;
}

} // namespace tarvello
