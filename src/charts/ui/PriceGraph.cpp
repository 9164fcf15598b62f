// The left chart: the 30-period window of prices, in days or ticks, and the first five periods.
#include "charts/ui/ChartDrawing.h"

#include "charts/GraphWindows.h"
#include "charts/YAxisScaling.h"
#include "common/VbDate.h"
#include "data/TickData.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tarvello {

namespace p = graph::prop;

namespace {

using Writes = std::vector<std::pair<int32_t, int>>;

// clang-format off
// The price chart's settings after its points: bars, or the price line with its mean (1) and min-max
// (2) lines, bound to the closes (set 4) of a Daily game or the ticks (set 1) of a Tick game.
const Writes kBarLayout = {{p::GraphType, graph::kBarGraph}, {p::PlotPhase, 25}, {155, 1}, {p::CurrentSet, 4},
                               {100, 0}};
const Writes kTickLineBeforeBars = {{p::GraphType, 6}, {p::PlotPhase, 25}, {155, 1}, {p::CurrentSet, 1},
                                        {p::Lines, 0}, {p::ElementSelect, 8}, {p::ElementColor, 15},
                                        {p::SetCount, 4}, {p::CurrentSet, 4}, {100, 0}};
struct LineCase {
    bool daily, mean, minMax;
    Writes writes;
};
const LineCase kLineCases[] = {
    {true, true, false, {{p::GraphType, 6}, {p::PlotPhase, 25}, {155, 1}, {p::CurrentSet, 4}, {p::Lines, 1},
                         {p::ElementSelect, 8}, {p::ElementColor, 15}, {p::CurrentSet, 4}, {100, 0}}},
    {true, false, true, {{p::GraphType, 6}, {p::CurrentSet, 4}, {p::Lines, 2}, {155, 1}, {p::ElementSelect, 9},
                         {p::ElementColor, 15}, {p::CurrentSet, 4}, {100, 0}}},
    {true, true, true, {{p::GraphType, 6}, {p::CurrentSet, 4}, {p::Lines, 3}, {155, 1}, {p::ElementSelect, 8},
                        {p::ElementColor, 15}, {p::ElementSelect, 9}, {p::ElementColor, 15}, {p::CurrentSet, 4},
                        {100, 1}}},
    {false, true, false, {{p::GraphType, 6}, {p::PlotPhase, 25}, {155, 1}, {p::CurrentSet, 1}, {p::Lines, 1},
                          {p::ElementSelect, 8}, {p::ElementColor, 15}, {p::SetCount, 4}, {p::CurrentSet, 4},
                          {100, 0}}},
    {false, false, true, {{p::GraphType, 6}, {p::Lines, 2}, {155, 1}, {p::ElementSelect, 9}, {p::ElementColor, 15},
                          {100, 0}, {p::CurrentSet, 1}, {p::Lines, 2}}},
    {false, true, true, {{p::GraphType, 6}, {155, 1}, {p::ElementSelect, 8}, {p::ElementColor, 15},
                         {p::ElementSelect, 9}, {p::ElementColor, 15}, {100, 1}, {p::CurrentSet, 1},
                         {p::Lines, 3}}},
};
// clang-format on

void send(ChartControl &graph, const Writes &writes)
{
    for (const auto &[dispid, value] : writes)
        graph.set(dispid, value);
}

const TickBlock &tickBlockOf(const App &app, int dayIndex)
{
    static const TickBlock kNone{};
    const auto &days = app.state.market.TickDays;
    const int32_t id = app.state.chart.selectedCommodity;
    if (dayIndex < 0 || dayIndex >= static_cast<int>(days.size()) || id < 1 || id > 6)
        return kNone;
    return days[static_cast<std::size_t>(dayIndex)].Blocks[static_cast<std::size_t>(id)];
}

void plotBar(ChartControl &graph, int point, float open, float high, float low, float close)
{
    const float values[] = {open, high, low, close};
    for (int s = 1; s <= 4; ++s) {
        graph.set(p::CurrentSet, s);
        graph.setAt(p::Value, point, values[s - 1]);
    }
}

bool ohlcChecked(App &app)
{
    return app.main().mnuGLType[0]->checked();
}

bool ytdChecked(App &app)
{
    return app.main().mnuGLType[2]->checked();
}

int tickDayOf(int16_t n)
{
    return static_cast<int>(TickDayIndex(n).value_or(0.0f));
}

void drawDailyWindow(App &app, ChartControl &graph, PriceSeries &copy, const GraphWindow &window)
{
    float highest = 0.0f, lowest = 0.0f;
    const DailyRow seed = DayRow(app, copy, window.first);
    highest = ohlcChecked(app) ? seed.High : seed.Close;
    lowest = ohlcChecked(app) ? seed.Low : seed.Close;
    int point = 1;
    for (int d = window.first; d <= window.last; ++d, ++point) {
        const DailyRow row = DayRow(app, copy, d);
        graph.setAt(p::XLabel, point, CalendarDayText(app, d - 1));
        graph.set(p::CurrentSet, 1);
        graph.setAt(p::Value, point, ohlcChecked(app) ? row.Open : 0.0f);
        graph.set(p::CurrentSet, 2);
        graph.setAt(p::Value, point, ohlcChecked(app) ? row.High : 0.0f);
        graph.set(p::CurrentSet, 3);
        graph.setAt(p::Value, point, ohlcChecked(app) ? row.Low : 0.0f);
        graph.set(p::CurrentSet, 4);
        graph.setAt(p::Value, point, row.Close);
        graph.set(p::DataColor, 14);
        const float up = ohlcChecked(app) ? row.High : row.Close;
        const float down = ohlcChecked(app) ? row.Low : row.Close;
        highest = std::max(highest, up);
        lowest = std::min(lowest, down);
    }
    copy.MaxHigh = highest;
    copy.MinLow = lowest;
}

void drawTickWindow(App &app, ChartControl &graph, PriceSeries &copy, const GraphWindow &window)
{
    float highest = 0.0f, lowest = 0.0f;
    int point = 1;
    for (int n = window.first; n <= window.last; ++n, ++point) {
        const int type = graph.number(p::GraphType);
        if (type == graph::kBarGraph) {
            const int k = n - 1;
            const TickBlock &block = tickBlockOf(app, k);
            if (point == 1) {
                highest = block.High;
                lowest = block.Low;
            }
            if (window.last < 3 && n == 1) {
                // An empty slot first, so that a single bar does not sit on the axis.
                graph.setAt(p::XLabel, point, QString());
                graph.set(p::SetCount, 4);
                plotBar(graph, point, 0.0f, 0.0f, 0.0f, 0.0f);
                ++point;
            }
            graph.setAt(p::XLabel, point, CalendarDayText(app, k));
            graph.set(p::SetCount, 4);
            plotBar(graph, point, block.Open, block.High, block.Low, block.Close);
            graph.set(p::CurrentSet, 2);
            highest = std::max(highest, graph.getAt(p::Value, point).toFloat());
            graph.set(p::CurrentSet, 3);
            lowest = std::min(lowest, graph.getAt(p::Value, point).toFloat());
            graph.set(p::DataColor, 14);
            if (graph.number(p::PointCount) < 3)
                graph.set(p::PointCount, 3);
        } else if (type == graph::kLineGraph) {
            const auto tick = static_cast<int16_t>(n);
            const int slot = TickSlot(tick).value_or(0);
            graph.set(p::CurrentSet, 1);
            graph.setAt(p::Value, point, ChartedTickPrice(app, n));
            const float v = graph.getAt(p::Value, point).toFloat();
            highest = point == 1 ? v : std::max(highest, v);
            lowest = point == 1 ? v : std::min(lowest, v);
            graph.setAt(p::XLabel, point, slot == 1 ? CalendarDayText(app, tickDayOf(tick)) : QString());
        }
    }
    copy.MaxHigh = highest;
    copy.MinLow = lowest;
}

} // namespace

PriceSeries ChartedSeries(const App &app)
{
    const int32_t id = app.state.chart.selectedCommodity;
    if (id < 1 || id > 6)
        return {};
    return app.state.market.Series[static_cast<std::size_t>(id - 1)];
}

float ChartedTickPrice(const App &app, int n)
{
    if (n < 1)
        return 0.0f;
    const auto tick = static_cast<int16_t>(n);
    const auto slot = static_cast<std::size_t>(TickSlot(tick).value_or(0));
    return tickBlockOf(app, tickDayOf(tick)).Slots[slot].Price;
}

QString CalendarDayText(const App &app, int k)
{
    const auto &days = app.state.market.GameCalendar.Days;
    if (k < 0 || k >= static_cast<int>(days.size()))
        return {};
    return vb::shortDate(days[static_cast<std::size_t>(k)]);
}

int RowOnOrBefore(const PriceSeries &series, double date)
{
    const auto rows = series.Rows.begin();
    const auto end = rows + std::clamp<int>(series.RowCount, 0, static_cast<int>(series.Rows.size()));
    const auto after =
        std::upper_bound(rows, end, date, [](double d, const DailyRow &row) { return d < row.Date; });
    return static_cast<int>(after - rows) - 1;
}

DailyRow DayRow(const App &app, const PriceSeries &series, int d)
{
    const TradingCalendar &calendar = app.state.market.GameCalendar;
    if (d < 1 || d > calendar.Count || d > static_cast<int>(calendar.Days.size()))
        return {};
    const int r = RowOnOrBefore(series, calendar.Days[static_cast<std::size_t>(d - 1)]);
    return r < 0 ? DailyRow{} : series.Rows[static_cast<std::size_t>(r)];
}

void ScaleGraphYAxis(App &app, const PriceSeries &series, ChartControl &graph)
{
    const auto fit = FitYAxis(series.MaxHigh, series.MinLow, app.state.settings.dataType);
    if (!fit)
        return;
    graph.set(p::YLabelStyle, 0);
    graph.set(p::YMax, fit->max);
    graph.set(p::YMin, fit->min);
    if (fit->divisions)
        graph.set(p::YDivisions, *fit->divisions);
    for (int i = 0; i < fit->labels.size(); ++i)
        graph.setAt(p::YLabel, i + 1, fit->labels[i]);
}

void ScaleIndicatorYAxis(App &app, const PriceSeries &series, ChartControl &graph)
{
    ScaleGraphYAxis(app, series, graph);
}

void DrawPriceGraph(App &app, ChartControl &graph)
{
    GameState &state = app.state;
    const DataKind kind = state.settings.dataType;
    if (kind != DataKind::Daily && kind != DataKind::Tick)
        return;
    const int16_t tradeDay = state.clock.tradeDay;
    const bool endOfCalendar = state.clock.endOfCalendar;
    Halvern &w = app.main();
    ChartControl &left = *w.GraphLeft;
    if (tradeDay > 30)
        send(graph, {{p::FirstShown, 1}, {p::LastShown, 30}});
    send(graph, {{p::GraphType, graph::kLineGraph}, {p::PlotPhase, 9}, {88, 0}});
    for (int i = 1; i <= graph.number(p::PointCount); ++i)
        graph.setAt(p::XLabel, i, QString());
    send(graph, {{116, 4}, {p::YMin, 0}, {p::YMax, 100}, {p::YDivisions, 5}});
    if (tradeDay == 0) {
        graph.set(p::PointCount, 4);
        LabelTodayOnward(app, graph);
        send(graph, {{p::PlotPhase, 25}, {88, 0}});
        return;
    }
    graph.set(p::PlotPhase, 25);
    PriceSeries copy = ChartedSeries(app);
    if (kind == DataKind::Tick)
        state.settings.gameLength = static_cast<int16_t>(state.clock.tradeDaysInPeriod * 6 + 1);
    graph.set(p::GraphType, ohlcChecked(app) ? graph::kBarGraph : graph::kLineGraph);
    const bool dayBars = tickDayOf(tradeDay) >= 1;

    if (kind == DataKind::Daily) {
        const GraphWindow window = PriceWindow(tradeDay, endOfCalendar);
        graph.set(p::PointCount, window.points);
        if (tradeDay <= 5) {
            DrawFirstPeriodsGraph(app);
            return;
        }
        drawDailyWindow(app, graph, copy, window);
    } else {
        if (ohlcChecked(app)) {
            graph.set(p::GraphType, dayBars ? graph::kBarGraph : graph::kLineGraph);
            graph.set(p::Title, dayBars ? QStringLiteral("Open-High-Low-Close") : QStringLiteral("Price"));
        }
        const GraphWindow window = graph.number(p::GraphType) == graph::kLineGraph
                                       ? PriceWindow(tradeDay, endOfCalendar)
                                       : TickBarWindow(tradeDay, endOfCalendar);
        graph.set(p::PointCount, window.points);
        if (tradeDay <= 5) {
            DrawFirstPeriodsGraph(app);
            return;
        }
        drawTickWindow(app, graph, copy, window);
    }
    ScaleGraphYAxis(app, copy, left);
    if (ohlcChecked(app))
        left.set(p::Title, kind == DataKind::Tick && !dayBars ? QStringLiteral("Price")
                                                              : QStringLiteral("Open-High-Low-Close"));
    if (ytdChecked(app)) {
        left.set(p::Title, QStringLiteral("Year-to-Date"));
        DrawYearToDateGraph(app);
        return;
    }
    const bool daily = kind == DataKind::Daily;
    if (ohlcChecked(app) && (daily || dayBars)) {
        send(graph, kBarLayout);
        return;
    }
    if (ohlcChecked(app)) {
        // Bars need a finished day: until then the ticks stay a line, without lines over them.
        send(graph, kTickLineBeforeBars);
        return;
    }
    const bool mean = w.mnuGLPrice[0]->checked();
    const bool minMax = w.mnuGLPrice[1]->checked();
    for (const LineCase &c : kLineCases) {
        if (c.daily == daily && c.mean == mean && c.minMax == minMax)
            send(graph, c.writes);
    }
    if (!daily)
        graph.set(155, 1);
    ScaleGraphYAxis(app, copy, graph);
}

void DrawFirstPeriodsGraph(App &app)
{
    const DataKind kind = app.state.settings.dataType;
    if (kind != DataKind::Daily && kind != DataKind::Tick)
        return;
    ChartControl &left = *app.main().GraphLeft;
    PriceSeries copy = ChartedSeries(app);
    if (left.number(p::GraphType) != graph::kBarGraph) {
        DrawYearToDateGraph(app);
        return;
    }
    left.set(88, 0);
    const int16_t tradeDay = app.state.clock.tradeDay;
    if (tradeDay >= 1 && tradeDay <= 5) {
        left.set(p::SetCount, 4);
        left.set(p::PointCount, 6);
        // The first slot stays empty; writing it so keeps an earlier drawing from showing there.
        left.setAt(p::XLabel, 1, QString());
        plotBar(left, 1, 0.0f, 0.0f, 0.0f, 0.0f);
        const bool ohlc = ohlcChecked(app);
        for (int i = 2; i <= tradeDay + 1; ++i) {
            const DailyRow row = DayRow(app, copy, i - 1);
            if (i == 2) {
                copy.MaxHigh = row.High;
                copy.MinLow = row.Low;
            }
            left.setAt(p::XLabel, i, CalendarDayText(app, i - 2));
            plotBar(left, i, ohlc ? row.Open : 0.0f, ohlc ? row.High : 0.0f, ohlc ? row.Low : 0.0f,
                    row.Close);
            copy.MaxHigh = std::max(copy.MaxHigh, ohlc ? row.High : row.Close);
            copy.MinLow = std::min(copy.MinLow, ohlc ? row.Low : row.Close);
        }
        for (int j = tradeDay + 2; j <= left.number(p::PointCount); ++j) {
            left.setAt(p::XLabel, j, QString());
            plotBar(left, j, 0.0f, 0.0f, 0.0f, 0.0f);
        }
    }
    ScaleGraphYAxis(app, copy, left);
    send(left, {{p::Background, 1},
                {p::DataColor, 14},
                {100, 0},
                {p::ElementColor, 15},
                {122, 2},
                {p::GraphType, graph::kBarGraph}});
}

} // namespace tarvello
