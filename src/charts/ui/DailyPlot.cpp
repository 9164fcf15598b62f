// The Daily game's day-by-day feed of the charts from the charted instrument's series: one step that
// adds the current day, or the whole series up to the current day.
#include "charts/ui/ChartDrawing.h"
#include "charts/ui/ChartServices.h"

#include "common/VbDate.h"
#include "data/TradingCalendar.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

namespace p = graph::prop;

namespace {

// Labels at every (c / 5 + 1)-th point for row c; the first row starts the axis and shows the chart.
void spaceLabels(ChartControl &graph, int c)
{
    if (c == 0) {
        graph.set(p::XTickStep, 1);
        graph.set(p::XLabelStep, 1);
        graph.set(p::HostVisible, true);
        return;
    }
    graph.set(p::XLabelStep, c / 5 + 1);
    if (graph.number(p::PointCount) >= 6)
        graph.set(p::XTickStep, graph.number(p::XLabelStep));
}

// A new last point for row c: one more point, or two points in all before the first period.
void addPoint(ChartControl &graph, int c, int16_t tradeDay = 1)
{
    if (c != 0)
        graph.set(p::PointCount, tradeDay != 0 ? graph.number(p::PointCount) + 1 : 2);
    spaceLabels(graph, c);
}

void plotRow(ChartControl &graph, int point, const DailyRow &row)
{
    const float values[] = {row.Open, row.High, row.Low, row.Close};
    for (int s = 1; s <= 4; ++s) {
        graph.set(p::CurrentSet, s);
        graph.setAt(p::Value, point, values[s - 1]);
    }
}

bool widenRange(PriceSeries &series, const DailyRow &row)
{
    bool changed = false;
    if (row.High > series.MaxHigh) {
        series.MaxHigh = row.High;
        changed = true;
    }
    if (row.Low < series.MinLow) {
        series.MinLow = row.Low;
        changed = true;
    }
    return changed;
}

int rowsOf(const PriceSeries &series)
{
    return std::min<int>(series.RowCount, static_cast<int>(series.Rows.size()));
}

// The day the game shows. During a "Forward" click the calendar and the series cursors already stand
// on the day after it, and between clicks the calendar runs a day ahead of the clock; the charts show
// no close of a later day.
double shownDay(const App &app)
{
    return ShownCalendarDay(app.state.market.GameCalendar, app.state.clock);
}

// The index of the row dated the day shown, or -1 when the instrument has no row that day.
int shownRow(const App &app, const PriceSeries &series)
{
    if (!CalendarReady(app.state.market.GameCalendar))
        return -1;
    const double day = shownDay(app);
    const int r = RowOnOrBefore(series, day);
    return r >= 0 && series.Rows[static_cast<std::size_t>(r)].Date == day ? r : -1;
}

void PlotSeriesFull(App &app, PriceSeries &series, ChartControl &graph)
{
    ResetGraph(app, graph);
    ResetSeriesCursor(series);
    const TradingCalendar &calendar = app.state.market.GameCalendar;
    if (!CalendarReady(calendar))
        return;
    // The cursor walks up to the calendar's position, where the period advance expects it; the points
    // stop at the day shown (none before the first period).
    const bool dayShown = app.state.clock.tradeDay > 0;
    const double lastShown = shownDay(app);
    int plotted = 0;
    while (series.Cursor + 1 < rowsOf(series) &&
           IsCalendarDayBefore(calendar, series.Rows[static_cast<std::size_t>(series.Cursor + 1)].Date)) {
        const int c = ++series.Cursor;
        const DailyRow &row = series.Rows[static_cast<std::size_t>(c)];
        if (!dayShown || row.Date > lastShown)
            continue;
        ++plotted;
        addPoint(graph, c);
        const int n = graph.number(p::PointCount);
        graph.setAt(p::XLabel, n, vb::shortDate(row.Date));
        plotRow(graph, n, row);
        if (widenRange(series, row))
            ScaleGraphYAxis(app, series, graph);
    }
    if (plotted == 0)
        ScaleGraphYAxis(app, series, graph);
    Halvern &w = app.main();
    if (!w.GraphLeft->visible())
        w.GraphLeft->set(p::HostVisible, true);
    if (!w.GraphRight->visible())
        w.GraphRight->set(p::HostVisible, true);
}

void PlotSeriesStep(App &app, PriceSeries &series, ChartControl &graph)
{
    const int c = shownRow(app, series);
    if (c < 0)
        return;
    const DailyRow *row = &series.Rows[static_cast<std::size_t>(c)];
    const int16_t tradeDay = app.state.clock.tradeDay;
    addPoint(graph, c, tradeDay);
    const int n = graph.number(p::PointCount);
    if (tradeDay <= 4) {
        plotRow(graph, n, *row);
    } else {
        for (int i = 1; i <= n - 1 && i <= c; ++i) {
            const DailyRow &earlier = series.Rows[static_cast<std::size_t>(i)];
            graph.setAt(p::XLabel, i, vb::shortDate(earlier.Date));
            plotRow(graph, i, earlier);
        }
    }
    if (widenRange(series, *row))
        ScaleGraphYAxis(app, series, graph);
    ScaleGraphYAxis(app, series, graph);
}

void PlotSeriesRightFull(App &app, PriceSeries &series, ChartControl &graph)
{
    SetIndicatorGraphLabels(app, graph);
    if (!CalendarReady(app.state.market.GameCalendar))
        return;
    const bool dayShown = app.state.clock.tradeDay > 0;
    const double lastShown = shownDay(app);
    for (int j = 0; j <= series.Cursor && j < rowsOf(series); ++j) {
        if (!dayShown || series.Rows[static_cast<std::size_t>(j)].Date > lastShown)
            break;
        addPoint(graph, j);
        const int n = graph.number(p::PointCount);
        graph.setAt(p::XLabel, n, QString());
        graph.set(p::CurrentSet, 1);
        graph.setAt(p::Value, n, series.Rows[static_cast<std::size_t>(j)].Close);
        graph.set(p::CurrentSet, 2);
        if (j == 0)
            ScaleGraphYAxis(app, series, graph);
    }
}

void PlotSeriesRightStep(App &app, PriceSeries &series, ChartControl &graph)
{
    const int c = shownRow(app, series);
    if (c < 0)
        return;
    const DailyRow *row = &series.Rows[static_cast<std::size_t>(c)];
    const int16_t tradeDay = app.state.clock.tradeDay;
    addPoint(graph, c, tradeDay);
    graph.setAt(p::XLabel, graph.number(p::PointCount), vb::shortDate(row->Date));
    ScaleGraphYAxis(app, series, graph);
    if (tradeDay >= 11)
        graph.set(p::PointCount, graph.number(p::PointCount) + 1);
}

} // namespace

void PlotBothGraphs(App &app, int whole)
{
    GameState &state = app.state;
    const int32_t id = state.chart.selectedCommodity;
    if (id < 1 || id > 6)
        return;
    PriceSeries &series = state.market.Series[static_cast<std::size_t>(id - 1)];
    Halvern &w = app.main();
    if (whole != 0) {
        // A Tick game keeps no daily rows: the whole-series plot would only blank the tick charts.
        if (state.settings.dataType == DataKind::Tick)
            return;
        PlotSeriesFull(app, series, *w.GraphLeft);
        PlotSeriesRightFull(app, series, *w.GraphRight);
    } else {
        PlotSeriesStep(app, series, *w.GraphLeft);
        PlotSeriesRightStep(app, series, *w.GraphRight);
    }
}

} // namespace tarvello
