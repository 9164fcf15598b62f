#include "news/BackgroundYear.h"

#include "common/VbDate.h"

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

} // namespace tarvello
