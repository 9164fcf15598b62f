#pragma once

#include "support/MainWindowFixture.h"

#include "charts/ui/ChartServices.h"
#include "common/VbDate.h"
#include "platform/graph/ChartControl.h"

#include <cmath>

namespace tarvello::test {

// The main window over market data made in memory: a Daily game's rows and calendar, or a Tick game's
// days, for the charted instrument (Oil unless a test charts another).
class ChartTest : public MainWindowTest {
protected:
    graph::ChartControl &left() { return *w().GraphLeft; }
    graph::ChartControl &right() { return *w().GraphRight; }

    // The price of day d (from 0): a gentle wave around `base`, so highs, lows and closes differ.
    static float dayClose(int d, float base) { return base + 2.0f * std::sin(d * 0.7f) + 0.1f * d; }

    // `days` trading days from 2 January 1990 (weekdays only), with their Oil rows.
    void dailyGame(int days, float base = 20.0f, int32_t commodity = 3)
    {
        state.settings.dataType = DataKind::Daily;
        state.settings.gameYear = 1990;
        state.chart.selectedCommodity = commodity;
        TradingCalendar &calendar = state.market.GameCalendar;
        PriceSeries &series = state.market.Series[static_cast<std::size_t>(commodity - 1)];
        calendar.Days.clear();
        series.Rows.clear();
        double day = vb::toSerial(1990, 1, 2);
        for (int d = 0; d < days; ++d) {
            while (vb::fromSerial(day).dayOfWeek() > 5)
                day += 1;
            calendar.Days.push_back(day);
            const float close = dayClose(d, base);
            series.Rows.push_back({0, 0, close - 0.3f, close + 0.6f, close - 0.7f, close, day});
            day += 1;
        }
        calendar.Count = static_cast<int16_t>(days);
        series.RowCount = static_cast<int16_t>(days);
        state.clock.tradeDaysInPeriod = static_cast<int16_t>(days);
    }

    // `days` trading days of six ticks each for the charted instrument.
    void tickGame(int days, float base = 20.0f)
    {
        dailyGame(days, base);
        state.settings.dataType = DataKind::Tick;
        state.market.TickDays.assign(static_cast<std::size_t>(days), TickDay{});
        for (int d = 0; d < days; ++d) {
            TickDay &day = state.market.TickDays[static_cast<std::size_t>(d)];
            day.Date = state.market.GameCalendar.Days[static_cast<std::size_t>(d)];
            TickBlock &block = day.Blocks[3];
            for (int s = 1; s <= 6; ++s)
                block.Slots[static_cast<std::size_t>(s)].Price = dayClose(d * 6 + s, base);
            block.Open = block.Slots[1].Price;
            block.Close = block.Slots[6].Price;
            block.High = block.Low = block.Open;
            for (int s = 1; s <= 6; ++s) {
                block.High = std::max(block.High, block.Slots[static_cast<std::size_t>(s)].Price);
                block.Low = std::min(block.Low, block.Slots[static_cast<std::size_t>(s)].Price);
            }
        }
    }

    // The period `tradeDay` of the game, as the period advance leaves it, with both charts redrawn.
    void playTo(int16_t tradeDay)
    {
        state.clock.tradeDay = tradeDay;
        UpdateGraphs(app);
    }
};

} // namespace tarvello::test
