// The indicators of the right chart (stochastics, relative strength index) and the price chart's
// mean and min-max lines.
#include "charts/ui/ChartDrawing.h"

#include "charts/Indicators.h"
#include "data/TickData.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

namespace p = graph::prop;

namespace {

// The "display setting" of the indicator chart.
constexpr int32_t kIndicatorDisplay = 71;

void percentLabels(ChartControl &chart)
{
    for (int i = 1; i <= 5; ++i)
        chart.setAt(p::YLabel, i, QString::number((i - 1) * 25) + QLatin1Char('%'));
}

// The price of period n of the charted instrument: the day's close or the tick's price.
PeriodPrice periodPrice(const App &app, const PriceSeries &series)
{
    if (app.state.settings.dataType == DataKind::Daily)
        return [&app, &series](int n) { return DayRow(app, series, n).Close; };
    return [&app](int n) { return ChartedTickPrice(app, n); };
}

bool chartedKind(const App &app)
{
    const DataKind kind = app.state.settings.dataType;
    return kind == DataKind::Daily || kind == DataKind::Tick;
}

} // namespace

void DrawStochastics(App &app, PriceSeries &series, ChartControl &chart, int first, int last)
{
    if (!chartedKind(app))
        return;
    const bool daily = app.state.settings.dataType == DataKind::Daily;
    const int16_t tradeDay = app.state.clock.tradeDay;
    if (tradeDay <= 4) {
        chart.set(p::GraphType, graph::kLineGraph);
        chart.set(kIndicatorDisplay, 0);
        chart.set(p::Background, 1);
        chart.set(p::YDivisions, 1);
        ScaleIndicatorYAxis(app, series, chart);
        return;
    }
    chart.set(p::PointCount, std::min<int>(tradeDay, 30));
    chart.set(p::SetCount, 4);
    if (last > 30)
        first = last - 29;
    first = std::max(first, 1);
    const PeriodPrice price = periodPrice(app, series);

    std::vector<Bar> bars;
    for (int n = first; n <= last && bars.size() < 30; ++n) {
        Bar bar;
        if (daily) {
            const DailyRow row = DayRow(app, series, n);
            bar = {row.Open, row.High, row.Low, row.Close};
        } else {
            bar = TickBar(price, n);
        }
        const int k = static_cast<int>(bars.size()) + 1;
        const float values[] = {bar.open, bar.high, bar.low, bar.close};
        for (int s = 1; s <= 4; ++s) {
            chart.set(p::CurrentSet, s);
            chart.setAt(p::Value, k, values[s - 1]);
        }
        bars.push_back(bar);
    }
    const std::vector<StochasticsPoint> lines = Stochastics(bars);

    chart.set(p::PlotPhase, 25);
    chart.set(115, 0);
    const bool fast = app.state.chart.stochasticsKind == QLatin1String("FastStochastics");
    for (int k = 1; k <= static_cast<int>(lines.size()); ++k) {
        const StochasticsPoint &point = lines[static_cast<std::size_t>(k - 1)];
        chart.setAt(p::SecondValue, k, bars[static_cast<std::size_t>(k - 1)].close);
        chart.set(p::CurrentSet, 1);
        chart.setAt(p::Value, k, fast ? point.k : point.d);
        chart.set(p::CurrentSet, 2);
        chart.setAt(p::Value, k, fast ? point.d : point.slow);
    }
    if (!daily) {
        // Tick lines show a value only where there is a reading: %D and the slow line have none at the
        // first two points, and %K none where its window has no range (tick 1 alone, at the first
        // point). A close on the window's lowest low is a reading and still shows 0%, and the bars of
        // sets 3 and 4 keep every value.
        std::vector<bool> noRange;
        for (const StochasticsPoint &point : lines)
            noRange.push_back(point.noRange);
        const int points = chart.number(p::PointCount);
        for (int s = 1; s <= chart.number(p::SetCount); ++s) {
            const bool hasWarmUp = s == 2 || (s == 1 && !fast);
            const bool percentK = s == 1 && fast;
            if (!hasWarmUp && !percentK)
                continue;
            chart.set(p::CurrentSet, s);
            std::vector<float> values;
            for (int k = 1; k <= points; ++k)
                values.push_back(chart.getAt(p::Value, k).toFloat());
            if (hasWarmUp)
                FillWarmUp(values, kStochasticsWarmUp);
            else
                FillNoRange(values, noRange);
            for (int k = 1; k <= points; ++k)
                chart.setAt(p::Value, k, values[static_cast<std::size_t>(k - 1)]);
        }
    }
    chart.set(kIndicatorDisplay, 2);
    chart.set(188, 4);
    chart.set(kIndicatorDisplay, 0);
    chart.set(p::YLabelStyle, 0);
    chart.setAt(p::SetColor, 1, 12);
    chart.setAt(p::SetColor, 2, 10);
    chart.set(p::Background, 1);
    chart.set(p::GraphType, graph::kLineGraph);
    chart.set(p::YMin, 0);
    chart.set(p::YMax, 1);
    chart.set(p::YDivisions, 4);
    percentLabels(chart);
}

void DrawRSI(App &app, PriceSeries &series, ChartControl &chart, int first, int last)
{
    if (!chartedKind(app))
        return;
    const int16_t tradeDay = app.state.clock.tradeDay;
    if (tradeDay > 30)
        chart.set(p::PointCount, 30);
    chart.set(p::SetCount, 1);
    if (tradeDay <= 15) {
        chart.set(p::YDivisions, 1);
        ScaleIndicatorYAxis(app, series, chart);
        return;
    }
    if (last > 30)
        first = last - 29;
    first = std::max(first, 1);
    const PeriodPrice price = periodPrice(app, series);
    const std::vector<float> rsi = RelativeStrength(price, first, last);
    const bool tick = app.state.settings.dataType == DataKind::Tick;
    for (int k = 1; k <= static_cast<int>(rsi.size()); ++k) {
        const int n = first + k - 1;
        chart.setAt(p::Value, k, rsi[static_cast<std::size_t>(k - 1)]);
        if (tick)
            chart.setAt(
                p::XLabel, k,
                CalendarDayText(app, static_cast<int>(TickDayIndex(static_cast<int16_t>(n)).value_or(0.0f))));
    }
    for (int k = 1; k <= static_cast<int>(rsi.size()); ++k)
        chart.setAt(p::SecondValue, k, price(first + k - 1));
    chart.set(p::YLabelStyle, 1);
    chart.set(p::YDivisions, 4);
    chart.set(kIndicatorDisplay, 2);
    chart.set(p::YLabelStyle, 0);
    chart.set(p::YMin, 0);
    chart.set(p::YMax, 100);
    chart.set(p::YDivisions, 4);
    percentLabels(chart);
    chart.set(p::SetCount, 1);
}

void SetPriceLineOptions(App &app, ChartControl &graph)
{
    const DataKind kind = app.state.settings.dataType;
    if (kind != DataKind::Daily && kind != DataKind::Tick)
        return;
    Halvern &w = app.main();
    const int16_t tradeDay = app.state.clock.tradeDay;
    const bool daily = kind == DataKind::Daily;
    const bool laterDay = daily ? tradeDay >= 7 : TickDayIndex(tradeDay).value_or(0.0f) >= 1;
    auto fourSets = [&graph] {
        graph.set(p::CurrentSet, 4);
        for (int s = 1; s <= 3; ++s)
            graph.setAt(p::SetColor, s, graph.number(p::Background));
        graph.setAt(p::SetColor, 4, 14);
    };
    auto oneSet = [&graph] {
        graph.set(p::CurrentSet, 1);
        graph.setAt(p::SetColor, 1, graph.number(p::Background));
    };
    auto lineColour = [&graph](int element) {
        graph.set(p::ElementSelect, element);
        graph.set(p::ElementColor, 15);
    };
    if (w.mnuGLType[0]->checked() && (daily || laterDay)) {
        graph.set(p::GraphType, graph::kBarGraph);
        graph.set(p::PlotPhase, 25);
        graph.set(155, 1);
        graph.set(p::DataColor, 14);
        graph.set(p::CurrentSet, 4);
        graph.set(100, 0);
        graph.set(p::Repaint, 3);
        return;
    }
    const bool mean = w.mnuGLPrice[0]->checked();
    const bool minMax = w.mnuGLPrice[1]->checked();
    if (mean && !minMax) {
        graph.set(p::GraphType, graph::kLineGraph);
        graph.set(p::PlotPhase, 25);
        graph.set(155, 1);
        laterDay ? fourSets() : oneSet();
        graph.set(p::CurrentSet, daily ? 4 : 1);
        graph.set(p::Lines, graph::kLineMean);
        lineColour(graph::kMeanElement);
        graph.set(100, daily ? 1 : 0);
    } else if (!mean && minMax) {
        graph.set(p::GraphType, graph::kLineGraph);
        daily ? fourSets() : oneSet();
        graph.set(p::Lines, graph::kLineMinMax);
        graph.set(155, 1);
        lineColour(graph::kMinMaxElement);
        graph.set(100, 0);
    } else if (mean && minMax) {
        graph.set(p::GraphType, graph::kLineGraph);
        daily ? fourSets() : oneSet();
        graph.set(p::Lines, graph::kLineMean + graph::kLineMinMax);
        graph.set(155, 1);
        lineColour(graph::kMeanElement);
        lineColour(graph::kMinMaxElement);
        graph.set(100, 1);
    }
}

} // namespace tarvello
