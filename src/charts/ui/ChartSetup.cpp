// Putting the two charts into a known state before anything is plotted on them.
#include "charts/ui/ChartDrawing.h"
#include "charts/ui/ChartServices.h"

#include "common/Services.h"
#include "common/VbDate.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

namespace p = graph::prop;

namespace {

ChartControl &chartOf(App &app, Graph graph)
{
    Halvern &w = app.main();
    return graph == Graph::Left ? *w.GraphLeft : *w.GraphRight;
}

// Every point of every set empty; set 1 yellow and the later sets 9, 10, 11.
void EmptyAllSets(ChartControl &graph)
{
    const int sets = graph.number(p::SetCount);
    const int points = graph.number(p::PointCount);
    for (int s = 1; s <= sets; ++s) {
        for (int n = 1; n <= points; ++n) {
            graph.set(p::CurrentSet, s);
            graph.setAt(p::Value, n, graph::kEmptyValue);
        }
        graph.setAt(p::SetColor, s, s == 1 ? 14 : s + 7);
    }
}

// The four points labelled January 1 of the game's year onward, as "mm-dd-yy", and shown.
void LabelYearStart(App &app, ChartControl &graph)
{
    const QDate first(app.state.settings.gameYear, 1, 1);
    for (int n = 1; n <= 4; ++n)
        graph.setAt(p::XLabel, n, first.addDays(n - 1).toString(QStringLiteral("MM-dd-yy")));
    graph.set(p::HostVisible, true);
}

} // namespace

void LabelTodayOnward(App &app, ChartControl &graph)
{
    const double today = std::floor(app.clock.now());
    for (int n = 1; n <= graph.number(p::PointCount); ++n)
        graph.setAt(p::XLabel, n, vb::shortDate(today + n - 1));
}

void InitGraphDefaults(App &app, ChartControl &graph)
{
    const GameState &state = app.state;
    const int16_t tradeDay = state.clock.tradeDay;
    const bool noGameYear = state.settings.gameYear == 0;
    graph.set(p::HostVisible, false);
    graph.set(p::PlotPhase, 18);
    graph.set(p::PlotPhase, 9);
    app.main().GraphRight->set(115, 0);
    graph.set(p::BorderStyle, 1);
    graph.set(2, 0);
    if (tradeDay == 0 && noGameYear) {
        graph.set(p::PlotPhase, 1);
        graph.set(p::PointCount, 4);
    } else if (tradeDay == 0) {
        graph.set(p::PointCount, 4);
        for (int n = 1; n <= graph.number(p::PointCount); ++n) {
            for (int s = 1; s <= 3; ++s) {
                graph.set(p::CurrentSet, s);
                graph.setAt(p::Value, n, graph::kEmptyValue);
            }
        }
    } else if (!noGameYear) {
        graph.set(p::PointCount, tradeDay < 4 ? 4 : tradeDay <= 30 ? tradeDay + 1 : 30);
    }
    const std::pair<int32_t, QVariant> fixed[] = {{100, 0},
                                                  {104, 1},
                                                  {192, 1},
                                                  {183, 0},
                                                  {115, 0},
                                                  {p::XTickStep, 1},
                                                  {p::XLabelStep, 1},
                                                  {122, 2},
                                                  {120, 0},
                                                  {p::YDivisions, 6},
                                                  {p::YLabelFormat, QStringLiteral("\\$#,##0")},
                                                  {37, 2},
                                                  {35, -95},
                                                  {static_cast<int32_t>(0x8001004Au), QString()},
                                                  {7, 0},
                                                  {p::Background, 1},
                                                  {p::ElementSelect, 12},
                                                  {p::ElementColor, 14},
                                                  {p::ElementSelect, 6},
                                                  {p::ElementColor, 15},
                                                  {p::ElementSelect, 4},
                                                  {p::ElementColor, 15},
                                                  {p::DataColor, 14}};
    for (const auto &[dispid, value] : fixed)
        graph.set(dispid, value);
    graph.set(p::CurrentSet, 1);
    graph.setAt(p::SetColor, 1, 14);
}

void ResetGraph(App &app, ChartControl &graph)
{
    InitGraphDefaults(app, graph);
    graph.set(p::GraphType, graph::kBarGraph);
    graph.set(42, 0);
    graph.set(p::SetCount, 4);
    SetYearAxisLabels(app, graph);
}

void SetIndicatorGraphLabels(App &app, ChartControl &graph)
{
    InitGraphDefaults(app, graph);
    graph.set(p::GraphType, graph::kLineGraph);
    graph.set(42, 0);
    graph.set(155, 1);
    graph.set(p::SetCount, 3);
    SetYearAxisLabels(app, graph);
    graph.set(p::CurrentSet, 1);
    graph.setAt(p::SetColor, 1, 14);
    const QString &kind = app.state.chart.graphType;
    if (kind == QLatin1String("Stochastic") || kind == QLatin1String("MovingAverage")) {
        graph.set(p::SetCount, 3);
        for (int s = 1; s <= 3; ++s)
            graph.setAt(p::SetColor, s, 14);
    }
    if (kind == QLatin1String("Stochastic")) {
        graph.set(p::YDivisions, 4);
        const char *labels[] = {"0", "25%", "50%", "75%", "100%"};
        for (int i = 1; i <= 5; ++i)
            graph.setAt(p::YLabel, i, QString::fromLatin1(labels[i - 1]));
    }
}

void SetYearAxisLabels(App &app, ChartControl &graph)
{
    const int16_t tradeDay = app.state.clock.tradeDay;
    const int16_t gameYear = app.state.settings.gameYear;
    graph.set(p::YDivisions, 4);
    if (gameYear == 0 && tradeDay == 0) {
        EmptyAllSets(graph);
        LabelTodayOnward(app, graph);
        graph.set(p::HostVisible, true);
        ApplyGraphColors(app);
    } else if (tradeDay < 4) {
        graph.set(p::PointCount, 4);
        LabelYearStart(app, graph);
    } else {
        graph.set(p::PointCount, std::min<int>(tradeDay, 30));
    }
    if (tradeDay == 0 && gameYear != 0) {
        graph.set(p::PointCount, 4);
        EmptyAllSets(graph);
        LabelYearStart(app, graph);
        ApplyGraphColors(app);
    }
}

void ResetGraph(App &app)
{
    ResetGraph(app, *app.main().GraphLeft);
}

void SetIndicatorGraphLabels(App &app)
{
    SetIndicatorGraphLabels(app, *app.main().GraphRight);
}

void SetGraphTitle(App &app, Graph graph, const QString &title)
{
    chartOf(app, graph).set(p::Title, title);
}

void SetGraphDisplay(App &app, Graph graph, int value)
{
    chartOf(app, graph).set(p::PlotPhase, value);
}

void SetGraphColorSetting(App &app, Graph graph, GraphColorSetting setting, int16_t value)
{
    static constexpr int32_t kMember[] = {p::DataColor, p::Background, p::ElementSelect, p::ElementColor};
    chartOf(app, graph).set(kMember[static_cast<std::size_t>(setting)], value);
}

} // namespace tarvello
