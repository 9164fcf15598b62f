#include "charts/GraphWindows.h"

#include <algorithm>

namespace tarvello {

namespace {

GraphWindow lastThirty(int last)
{
    const int first = std::max(1, last - 29);
    return {static_cast<int16_t>(last - first + 1), first, last};
}

} // namespace

GraphWindow PriceWindow(int16_t tradeDay, bool endOfCalendar)
{
    if (endOfCalendar || tradeDay > 30)
        return lastThirty(tradeDay);
    if (tradeDay <= 5)
        return {5, 1, 5};
    return {tradeDay, 1, tradeDay};
}

GraphWindow TickBarWindow(int16_t tradeDay, bool endOfCalendar)
{
    const int d = tradeDay / 6;
    if (d > 30) {
        const int last = endOfCalendar ? d : (tradeDay - 1) / 6;
        return {30, last - 29, last};
    }
    if ((!endOfCalendar && d >= 1) || (endOfCalendar && tradeDay > 6))
        return {static_cast<int16_t>(d), 1, d};
    return {5, 1, 5};
}

GraphWindow IndicatorWindow(int16_t tradeDay, bool endOfCalendar, int days)
{
    GraphWindow window =
        endOfCalendar || tradeDay > 30 ? lastThirty(tradeDay) : GraphWindow{tradeDay, 1, tradeDay};
    window.points = std::max<int16_t>(window.points, 2);
    if (days >= 0 && window.last > days)
        window.last = days;
    return window;
}

} // namespace tarvello
