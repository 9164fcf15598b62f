#pragma once

#include <cstdint>

namespace tarvello {

// The periods a chart shows: `points` points for periods `first` to `last` (1-based).
struct GraphWindow {
    int16_t points = 0;
    int first = 1;
    int last = 0;

    bool operator==(const GraphWindow &) const = default;
};

// The price chart's window of days (Daily) or ticks (the Tick price line): the last 30 periods once
// more than 30 are played or the calendar has ended, the first five while five or fewer are played,
// else every period so far. A window never starts before period 1.
GraphWindow PriceWindow(int16_t tradeDay, bool endOfCalendar);

// The Tick price chart's window of day bars: the finished trading days, at most the last 30, five empty
// days before the first day is finished.
GraphWindow TickBarWindow(int16_t tradeDay, bool endOfCalendar);

// The indicator chart's window: the last 30 periods up to `tradeDay` (at least 2 points, so a line has
// room), never starting before period 1 and never reaching past the last of `days` periods of data (no
// limit for a negative `days`; a Daily game passes its calendar's days).
GraphWindow IndicatorWindow(int16_t tradeDay, bool endOfCalendar, int days);

} // namespace tarvello
