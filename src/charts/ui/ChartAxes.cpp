// The x-axis labelling of both charts for the current period, and their labels before the first one.
#include "charts/ui/ChartDrawing.h"

#include "common/VbDate.h"
#include "data/TickData.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

namespace p = graph::prop;

namespace {

constexpr int32_t kXAxisStyle = 115;

// Daily spacing by the point count: ticks, then labels, at the same step; past 30 points only the first
// point and the current day's carry labels.
void dailyLadder(ChartControl &graph, int16_t tradeDay, const QString &currentDay)
{
    const int n = graph.number(p::PointCount);
    if (n >= 31) {
        graph.set(p::XTickStep, 1);
        graph.set(p::XLabelStep, tradeDay - 1);
        graph.setAt(p::XLabel, tradeDay, currentDay);
        return;
    }
    const int step = n <= 7 ? 1 : n <= 14 ? 2 : n <= 16 ? 3 : n <= 21 ? 4 : n <= 25 ? 5 : 7;
    graph.set(p::XTickStep, step);
    graph.set(p::XLabelStep, step);
}

// Tick spacing: the day's first tick carries the label, at one day in six ticks.
void tickLadder(ChartControl &graph, int wideLabelStep, int wideTickStep)
{
    const int n = graph.number(p::PointCount);
    if (n >= 31)
        return;
    const auto [label, tick] = n <= 6    ? std::pair{6, 1}
                               : n <= 23 ? std::pair{3, 2}
                                         : std::pair{wideLabelStep, wideTickStep};
    graph.set(p::XLabelStep, label);
    graph.set(p::XTickStep, tick);
}

} // namespace

void SetIndicatorXAxis(App &app)
{
    const GameState &state = app.state;
    Halvern &w = app.main();
    ChartControl &left = *w.GraphLeft;
    ChartControl &right = *w.GraphRight;
    const int16_t tradeDay = state.clock.tradeDay;
    const QString &type = state.chart.graphType;
    if (state.settings.dataType == DataKind::Daily) {
        const QString today = CalendarDayText(app, tradeDay - 1);
        left.set(kXAxisStyle, 2);
        dailyLadder(left, tradeDay, today);
        if (type != QLatin1String("Stochastic")) {
            right.set(kXAxisStyle, 2);
            dailyLadder(right, tradeDay, today);
        }
    } else if (state.settings.dataType == DataKind::Tick) {
        if (!w.mnuGLType[0]->checked() || tradeDay < 7) {
            tickLadder(left, 6, 6);
        } else {
            const auto day = static_cast<std::size_t>(TickDayIndex(tradeDay).value_or(0.0f));
            const auto &days = state.market.TickDays;
            dailyLadder(left, tradeDay, day < days.size() ? vb::shortDate(days[day].Date) : QString());
        }
        if (type == QLatin1String("MovingAverage"))
            tickLadder(right, 45, 1);
    }
}

void SetIndicatorYLabels(App &app)
{
    if (app.state.clock.tradeDay != 0)
        return;
    Halvern &w = app.main();
    const QString &type = app.state.chart.graphType;
    const bool percent =
        type == QLatin1String("RelativeStrengthIndex") || type == QLatin1String("Stochastic");
    const QStringList money = {QStringLiteral("0"), QStringLiteral("$25"), QStringLiteral("$50"),
                               QStringLiteral("$75"), QStringLiteral("$100")};
    const QStringList percents = {QStringLiteral("0%"), QStringLiteral("25%"), QStringLiteral("50%"),
                                  QStringLiteral("75%"), QStringLiteral("100%")};
    for (ChartControl *graph : {w.GraphLeft, w.GraphRight}) {
        graph->set(kXAxisStyle, 0);
        graph->set(p::PointCount, 4);
        graph->set(p::XTickStep, 1);
        graph->set(p::XLabelStep, 1);
        graph->set(p::YDivisions, 4);
        const bool percentChart = graph == w.GraphRight && percent;
        const QStringList &labels = percentChart ? percents : money;
        for (int i = 1; i <= 5; ++i)
            graph->setAt(p::YLabel, i, labels[i - 1]);
        if (percentChart)
            graph->set(71, 0);
    }
}

} // namespace tarvello
