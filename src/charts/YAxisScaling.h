#pragma once

#include "common/GameOptions.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tarvello {

// A fitted Y axis: round bounds, a round span and a division count with round steps. `divisions` is
// empty when the fit leaves the chart's count as it was; `labels` (bottom first) are written over the
// automatic ones when the span is too small for them.
struct YAxisFit {
    float max = 0.0f;
    float min = 0.0f;
    std::optional<int> divisions;
    QStringList labels;
};

// The axis for values from `lowest` to `highest` in a game of the given data kind. Nothing for a data
// kind other than Daily or Tick, and nothing when no value was plotted (lowest above highest): the
// axis then stays as it was.
std::optional<YAxisFit> FitYAxis(float highest, float lowest, DataKind kind);

} // namespace tarvello
