#include "news/BackgroundYear.h"

#include "common/VbDate.h"

#include <cmath>

namespace tarvello {

std::optional<int16_t> BackgroundYearOf(double startDate)
{
    for (int y = kFirstNewsYear; y <= kLastNewsYear; ++y)
        if (startDate >= vb::toSerial(y, 1, 1) && startDate <= vb::toSerial(y, 12, 31))
            return static_cast<int16_t>(y - 1);
    return std::nullopt;
}

std::optional<int16_t> BackgroundYearOfNewYear(double startDate)
{
    for (int y = kFirstNewsYear; y <= kLastNewsYear; ++y)
        if (startDate == vb::toSerial(y, 1, 1))
            return static_cast<int16_t>(y - 1);
    return std::nullopt;
}

double BackgroundStoryDay(double startDate)
{
    const auto year = BackgroundYearOf(startDate);
    return year ? vb::toSerial(*year, 1, 1) : 0.0;
}

std::vector<double> StoryDays(double startDate)
{
    return {BackgroundStoryDay(startDate), std::floor(startDate)};
}

QString StoryText(const std::vector<OverviewStory> &stories, double day, int32_t commodityId)
{
    for (const OverviewStory &story : stories)
        if (story.Date == day && story.CommodityID == commodityId)
            return story.News;
    return {};
}

} // namespace tarvello
