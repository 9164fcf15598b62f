#pragma once

#include "state/NewsItem.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tarvello {

// The game periods that have background news: years 1984 to 1997. The stories are filed under
// 1 January of the year before.
inline constexpr int kFirstNewsYear = 1984;
inline constexpr int kLastNewsYear = 1997;

// The year before the one the start date lies in, when that year has background news.
std::optional<int16_t> BackgroundYearOf(double startDate);
// The year before the start date's, when the start date is 1 January of a year with background news.
std::optional<int16_t> BackgroundYearOfNewYear(double startDate);

// The day "&Background Story" reads its story under: 1 January of BackgroundYearOf, or the zero day
// for a period without background news.
double BackgroundStoryDay(double startDate);
// The days whose OverviewNews stories a game may show: the background story's day and the start day
// (the Daily news history).
std::vector<double> StoryDays(double startDate);
// The story filed under a day and a CommodityID among those the load read (the first that matches), or
// an empty text when there is none.
QString StoryText(const std::vector<OverviewStory> &stories, double day, int32_t commodityId);

} // namespace tarvello
