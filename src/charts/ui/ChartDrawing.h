#pragma once

#include "platform/graph/ChartControl.h"

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;
struct DailyRow;
struct PriceSeries;

// The chart procedures behind the services of ChartServices.h, each on the chart it is given.
using graph::ChartControl;

// Set-up (ChartSetup.cpp).
void InitGraphDefaults(App &app, ChartControl &graph);
void ResetGraph(App &app, ChartControl &graph);
void SetIndicatorGraphLabels(App &app, ChartControl &graph);
void SetYearAxisLabels(App &app, ChartControl &graph);
// The four points of a chart before the first period: today and the next three days.
void LabelTodayOnward(App &app, ChartControl &graph);

// The left chart (PriceGraph.cpp, YearToDateGraph.cpp).
void DrawPriceGraph(App &app, ChartControl &graph);
void DrawFirstPeriodsGraph(App &app);
void DrawYearToDateGraph(App &app);
// Fits the chart's Y axis to the series' highest and lowest plotted value (both charts).
void ScaleGraphYAxis(App &app, const PriceSeries &series, ChartControl &graph);
void ScaleIndicatorYAxis(App &app, const PriceSeries &series, ChartControl &graph);

// The right chart (IndicatorGraph.cpp, Indicators.cpp).
void DrawIndicatorGraph(App &app, ChartControl &graph);
void DrawRSI(App &app, PriceSeries &series, ChartControl &chart, int first, int last);
void DrawStochastics(App &app, PriceSeries &series, ChartControl &chart, int first, int last);
void SetPriceLineOptions(App &app, ChartControl &graph);
void SetIndicatorXAxis(App &app);
void SetIndicatorYLabels(App &app);

// The charted instrument's series, or an empty one for an instrument number outside 1 to 6.
PriceSeries ChartedSeries(const App &app);
// The price of tick n of the charted instrument; 0 for a tick the game's days do not hold.
float ChartedTickPrice(const App &app, int n);
// The date of trading day k + 1 of the game's calendar as the short date, "" past the calendar.
QString CalendarDayText(const App &app, int k);
// The row a Daily chart shows for trading day d (from 1): the series' last row dated on or before the
// calendar's day d, so a day the instrument did not trade repeats the day before, as the quote lines
// price it, and no day takes a later day's row. A zero row (empty on the price chart) when the series
// has no row by then or d is outside the calendar.
DailyRow DayRow(const App &app, const PriceSeries &series, int d);
// The index of the series' last row dated on or before `date`, or -1. Rows ascend by date.
int RowOnOrBefore(const PriceSeries &series, double date);

} // namespace tarvello
