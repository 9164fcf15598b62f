#pragma once

#include <cstdint>
#include <optional>

namespace tarvello {

// The game periods that have background news: years 1984 to 1997. The stories are filed under
// 1 January of the year before.
inline constexpr int kFirstNewsYear = 1984;
inline constexpr int kLastNewsYear = 1997;

// The year before the one the start date lies in, when that year has background news.
std::optional<int16_t> BackgroundYearOf(double startDate);
// The year before the start date's, when the start date is 1 January of a year with background news.
std::optional<int16_t> BackgroundYearOfNewYear(double startDate);

} // namespace tarvello
