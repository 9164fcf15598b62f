// The right chart: a window of at most 30 closes or ticks with the indicator chosen, and the driver
// that redraws both charts.
#include "charts/ui/ChartDrawing.h"
#include "charts/ui/ChartServices.h"

#include "charts/GraphWindows.h"
#include "data/TickData.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

namespace p = graph::prop;

namespace {

// The moving average over the plotted prices, once as many periods as it needs have been played.
void MovingAverageSetUp(App &app, ChartControl &graph, bool movingAverageChart)
{
    ChartControl &right = *app.main().GraphRight;
    const int16_t period = app.state.chart.movingAveragePeriod;
    if (movingAverageChart)
        right.set(71, 0);
    if (app.state.clock.tradeDay < period)
        return;
    const std::pair<int32_t, int> writes[] = {{155, 1},
                                              {p::PlotPhase, 25},
                                              {115, 2},
                                              {p::FirstShown, 0},
                                              {p::LastShown, graph.number(p::PointCount) - 1},
                                              {116, 5},
                                              {122, 2},
                                              {p::YDivisions, 5},
                                              {p::ElementSelect, graph::kMovingAverageElement},
                                              {p::ElementColor, 12},
                                              {17, 12},
                                              {p::MaPeriod, period},
                                              {p::Lines, graph::kLineMovingAverage},
                                              {100, 0}};
    for (const auto &[dispid, value] : writes)
        graph.set(dispid, value);
}

// The mean and min-max lines the moving-average menu marks, with the moving average once it is due.
void MovingAverageLines(App &app, ChartControl &graph, bool movingAverageChart)
{
    Halvern &w = app.main();
    const bool mean = w.mnuMoving[0]->checked();
    const bool minMax = w.mnuMoving[1]->checked();
    const int16_t period = app.state.chart.movingAveragePeriod;
    const int16_t tradeDay = app.state.clock.tradeDay;
    auto lineColours = [&graph] {
        graph.set(p::ElementSelect, graph::kMeanElement);
        graph.set(p::ElementColor, 15);
        graph.set(p::ElementSelect, graph::kMinMaxElement);
        graph.set(p::ElementColor, 15);
    };
    auto withAverage = [&](int lines) {
        graph.set(p::Lines, lines);
        graph.set(17, 12);
        graph.set(p::MaPeriod, period);
    };
    if (mean && !minMax) {
        if (tradeDay < period)
            graph.set(p::Lines, graph::kLineMean);
        else
            withAverage(graph::kLineMean + graph::kLineMovingAverage);
        lineColours();
        graph.set(100, 0);
        if (movingAverageChart) {
            graph.set(p::CurrentSet, 1);
            graph.set(155, 1);
        }
    } else if (!mean && minMax) {
        if (tradeDay < period)
            graph.set(p::Lines, graph::kLineMinMax);
        else
            withAverage(graph::kLineMinMax + graph::kLineMovingAverage);
        lineColours();
        graph.set(100, 0);
    } else if (mean && minMax) {
        if (tradeDay > period) {
            graph.set(17, 12);
            graph.set(p::MaPeriod, period);
            graph.set(p::Lines, graph::kLineMean + graph::kLineMinMax + graph::kLineMovingAverage);
        } else {
            graph.set(p::Lines, graph::kLineMean + graph::kLineMinMax);
        }
        lineColours();
        graph.set(100, 1);
    }
}

} // namespace

void DrawIndicatorGraph(App &app, ChartControl &graph)
{
    GameState &state = app.state;
    ChartControl &right = *app.main().GraphRight;
    graph.set(p::PlotPhase, 9);
    graph.set(88, 0);
    graph.set(188, 0);
    for (int i = 1; i <= graph.number(p::PointCount); ++i)
        graph.setAt(p::XLabel, i, QString());
    graph.set(116, 4);
    graph.set(p::YMin, 0);
    graph.set(p::YMax, 100);
    graph.set(p::YDivisions, 5);
    const int16_t tradeDay = state.clock.tradeDay;
    if (tradeDay == 0) {
        graph.set(p::PointCount, 4);
        LabelTodayOnward(app, graph);
        graph.set(p::PlotPhase, 25);
        graph.set(88, 0);
        return;
    }
    graph.set(p::PlotPhase, 25);
    PriceSeries copy = ChartedSeries(app);
    const DataKind kind = state.settings.dataType;
    // A Daily window reaches no further than the calendar: each day shows its own date's row.
    const int days = kind == DataKind::Daily ? state.market.GameCalendar.Count : -1;
    const GraphWindow window = IndicatorWindow(tradeDay, state.clock.endOfCalendar, days);
    graph.set(p::PointCount, 30);
    if (!state.clock.endOfCalendar && tradeDay > 30)
        graph.set(p::PointCount, tradeDay);

    float highest = 0.0f, lowest = 0.0f;
    auto plot = [&](int n, float v) {
        right.set(p::SetCount, 3);
        graph.set(p::CurrentSet, 1);
        graph.setAt(p::SetColor, n, 14);
        graph.setAt(p::Value, n, v);
        const float back = graph.getAt(p::Value, n).toFloat();
        highest = n == 1 ? back : std::max(highest, back);
        lowest = n == 1 ? back : std::min(lowest, back);
    };
    if (kind == DataKind::Daily || kind == DataKind::Tick) {
        graph.set(p::SetCount, 3);
        if (tradeDay < 30)
            graph.set(p::PointCount, tradeDay == 1 ? 2 : tradeDay);
    }
    if (kind == DataKind::Daily) {
        int n = 1;
        for (int k = window.first; k <= window.last; ++k, ++n) {
            graph.setAt(p::XLabel, n, CalendarDayText(app, k - 1));
            plot(n, DayRow(app, copy, k).Close);
        }
    } else if (kind == DataKind::Tick) {
        const int ticks = state.clock.tradeDaysInPeriod * 6;
        if (ticks <= window.last + 1)
            copy.RowCount = static_cast<int16_t>(ticks);
        int n = 1;
        for (int k = window.first; k <= window.last; ++k, ++n) {
            const auto tick = static_cast<int16_t>(k);
            const int day = static_cast<int>(TickDayIndex(tick).value_or(0.0f));
            const int slot = TickSlot(tick).value_or(0);
            graph.setAt(p::XLabel, n, slot == 1 ? CalendarDayText(app, day) : QString());
            const float v = ChartedTickPrice(app, k);
            plot(n, v);
        }
    }
    copy.MaxHigh = highest;
    copy.MinLow = lowest;

    const QString &type = state.chart.graphType;
    if (type == QLatin1String("MovingAverage")) {
        MovingAverageSetUp(app, graph, true);
        MovingAverageLines(app, graph, true);
        ScaleIndicatorYAxis(app, copy, graph);
    } else if (type == QLatin1String("RelativeStrengthIndex")) {
        DrawRSI(app, copy, right, window.first, window.last);
    } else if (type == QLatin1String("Stochastic")) {
        if (kind == DataKind::Daily || (kind == DataKind::Tick && tradeDay > 4)) {
            DrawStochastics(app, copy, right, window.first, window.last);
        } else if (kind == DataKind::Tick) {
            MovingAverageSetUp(app, graph, false);
            MovingAverageLines(app, graph, false);
            ScaleIndicatorYAxis(app, copy, graph);
        } else {
            ScaleIndicatorYAxis(app, copy, graph);
        }
    } else {
        ScaleIndicatorYAxis(app, copy, graph);
    }
}

void UpdateGraphs(App &app)
{
    Halvern &w = app.main();
    const DataKind kind = app.state.settings.dataType;
    const int16_t tradeDay = app.state.clock.tradeDay;
    ChartControl &left = *w.GraphLeft;
    if (kind == DataKind::Tick && tradeDay < 6) {
        w.mnuGLType[2]->setChecked(false);
        left.set(p::Title, QStringLiteral("Price"));
    }
    const bool ohlc = w.mnuGLType[0]->checked();
    if (!ohlc && !w.mnuGLType[2]->checked())
        left.set(p::Title, QStringLiteral("Price"));
    if (ohlc) {
        if (kind == DataKind::Daily)
            left.set(p::Title, QStringLiteral("Open-High-Low-Close"));
        else if (kind == DataKind::Tick)
            left.set(p::Title, TickDayIndex(tradeDay).value_or(0.0f) >= 1
                                   ? QStringLiteral("Open-High-Low-Close")
                                   : QStringLiteral("Price"));
    }
    if (w.mnuGLType[2]->checked())
        left.set(p::Title, QStringLiteral("Year-to-Date"));
    DrawPriceGraph(app, left);
    DrawIndicatorGraph(app, *w.GraphRight);
    ApplyGraphColors(app);
}

} // namespace tarvello
