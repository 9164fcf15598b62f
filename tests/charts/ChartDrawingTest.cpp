#include "ChartFixture.h"

#include "charts/ui/ChartDrawing.h"

namespace tarvello::test {
namespace {

namespace p = graph::prop;

QStringList xLabels(graph::ChartControl &chart)
{
    QStringList labels;
    for (int i = 1; i <= chart.number(p::PointCount); ++i)
        labels << chart.getAt(p::XLabel, i).toString();
    return labels;
}

// Before any game both charts show four empty points from today on; once a game is set up, from
// January 1 of its year.
TEST_F(ChartTest, SetUpBeforeAGameAndBeforeTheFirstPeriod)
{
    ResetGraph(app);
    SetIndicatorGraphLabels(app);
    for (graph::ChartControl *chart : {&left(), &right()}) {
        EXPECT_TRUE(chart->visible());
        EXPECT_EQ(xLabels(*chart), (QStringList{"12/10/2026", "12/11/2026", "12/12/2026", "12/13/2026"}));
        EXPECT_EQ(chart->value(1, 1), graph::kEmptyValue);
        EXPECT_EQ(chart->setColor(1), graph::paletteColor(14));
        EXPECT_EQ(chart->yLabels(), (QStringList{"0", "$25", "$50", "$75", "$100"}));
    }
    EXPECT_EQ(left().number(p::GraphType), graph::kBarGraph);
    EXPECT_EQ(left().number(p::SetCount), 4);

    state.settings.gameYear = 1990;
    ResetGraph(app);
    EXPECT_EQ(xLabels(left()), (QStringList{"01-01-90", "01-02-90", "01-03-90", "01-04-90"}));
    EXPECT_TRUE(left().visible());
}

TEST_F(ChartTest, AResetDuringAGameHidesTheChartUntilItIsShown)
{
    dailyGame(60);
    for (auto [tradeDay, points] : {std::pair<int16_t, int>{17, 17}, {45, 30}}) {
        state.clock.tradeDay = tradeDay;
        ResetGraph(app);
        EXPECT_EQ(left().number(p::PointCount), points);
        EXPECT_FALSE(left().visible());
    }
    ShowGraphs(app);
    EXPECT_TRUE(left().visible());
}

TEST_F(ChartTest, StochasticIndicatorStartsWithPercentLabels)
{
    state.chart.graphType = QStringLiteral("Stochastic");
    state.settings.gameYear = 1990;
    SetIndicatorGraphLabels(app);
    EXPECT_EQ(right().yLabels(), (QStringList{"0", "25%", "50%", "75%", "100%"}));
}

TEST_F(ChartTest, LeftTitleFollowsTheMenuMarksAndTheDataKind)
{
    const struct {
        DataKind kind;
        int16_t tradeDay;
        bool ohlc, ytd;
        const char *title;
        bool ytdAfter;
    } cases[] = {
        {DataKind::Daily, 1, true, false, "Open-High-Low-Close", false},
        {DataKind::Daily, 8, false, false, "Price", false},
        {DataKind::Daily, 8, true, true, "Year-to-Date", true},
        {DataKind::Tick, 5, false, true, "Price", false},
        {DataKind::Tick, 6, false, true, "Year-to-Date", true},
        {DataKind::Tick, 6, true, false, "Price", false},
        {DataKind::Tick, 7, true, false, "Open-High-Low-Close", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "period " << c.tradeDay << " ohlc " << c.ohlc << " ytd " << c.ytd);
        c.kind == DataKind::Tick ? tickGame(10) : dailyGame(40);
        w().mnuGLType[0]->setChecked(c.ohlc);
        w().mnuGLType[2]->setChecked(c.ytd);
        playTo(c.tradeDay);
        EXPECT_EQ(left().title(), QString::fromLatin1(c.title));
        EXPECT_EQ(w().mnuGLType[2]->checked(), c.ytdAfter);
    }
}

TEST_F(ChartTest, DailyPriceWindowShowsTheLastThirtyDays)
{
    dailyGame(60);
    w().mnuGLType[0]->setChecked(false);
    playTo(31);
    EXPECT_EQ(left().number(p::PointCount), 30);
    EXPECT_EQ(left().number(p::FirstShown), 1);
    EXPECT_EQ(left().number(p::LastShown), 30);
    EXPECT_EQ(left().getAt(p::XLabel, 1).toString(), CalendarDayText(app, 1));
    EXPECT_EQ(left().value(4, 1), state.market.Series[2].Rows[1].Close);
    EXPECT_EQ(left().value(4, 30), state.market.Series[2].Rows[30].Close);
    EXPECT_EQ(left().value(1, 30), 0.0f); // the open is an empty bar part on the price line

    w().mnuGLType[0]->setChecked(true);
    playTo(12);
    EXPECT_EQ(left().number(p::GraphType), graph::kBarGraph);
    EXPECT_EQ(left().number(p::PointCount), 12);
    EXPECT_EQ(left().value(2, 12), state.market.Series[2].Rows[11].High);
    EXPECT_GE(left().single(p::YMax), state.market.Series[2].Rows[11].High);
}

// A calendar that runs out before the thirtieth day must not put the window before the first day.
TEST_F(ChartTest, ShortCalendarStartsTheWindowsAtTheFirstDay)
{
    dailyGame(12);
    state.clock.endOfCalendar = true;
    w().mnuGLType[0]->setChecked(false);
    playTo(12);
    EXPECT_EQ(left().number(p::PointCount), 12);
    EXPECT_EQ(left().getAt(p::XLabel, 1).toString(), CalendarDayText(app, 0));
    EXPECT_EQ(right().value(1, 1), state.market.Series[2].Rows[0].Close);
}

// The indicator chart never reaches past the current day, even when the series holds the next one.
TEST_F(ChartTest, IndicatorWindowEndsAtTheCurrentDay)
{
    dailyGame(20);
    playTo(19);
    EXPECT_EQ(right().number(p::PointCount), 19);
    EXPECT_EQ(right().value(1, 19), state.market.Series[2].Rows[18].Close);
    EXPECT_EQ(right().value(1, 20), graph::kEmptyValue);
}

TEST_F(ChartTest, FirstFiveDaysAsBarsAfterAnEmptySlot)
{
    dailyGame(20);
    left().set(p::CurrentSet, 1);
    left().setAt(p::Value, 1, 99.0f); // left over from an earlier drawing
    playTo(2);
    EXPECT_EQ(left().number(p::PointCount), 6);
    EXPECT_EQ(xLabels(left()),
              (QStringList{"", CalendarDayText(app, 0), CalendarDayText(app, 1), "", "", ""}));
    EXPECT_EQ(left().value(1, 1), 0.0f);
    EXPECT_EQ(left().value(4, 3), state.market.Series[2].Rows[1].Close);
    EXPECT_EQ(left().value(4, 4), 0.0f);
}

TEST_F(ChartTest, TickChartsLabelTheFirstTickOfEachDay)
{
    tickGame(5);
    w().mnuGLType[0]->setChecked(false);
    playTo(13);
    EXPECT_EQ(state.settings.gameLength, 5 * 6 + 1);
    const QStringList labels = xLabels(left());
    ASSERT_EQ(labels.size(), 13);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(labels[i].isEmpty(), i % 6 != 0) << "point " << i + 1;
    EXPECT_EQ(left().value(1, 7), state.market.TickDays[1].Blocks[3].Slots[1].Price);

    // Day bars from the seventh tick: one day after an empty slot, at least three slots.
    w().mnuGLType[0]->setChecked(true);
    playTo(7);
    EXPECT_EQ(left().number(p::GraphType), graph::kBarGraph);
    EXPECT_EQ(left().number(p::PointCount), 3);
    EXPECT_EQ(left().value(2, 1), 0.0f);
    EXPECT_EQ(left().value(2, 2), state.market.TickDays[0].Blocks[3].High);
}

TEST_F(ChartTest, YearToDateDrawsEveryDayAndAnEmptyPoint)
{
    dailyGame(60);
    w().mnuGLType[0]->setChecked(false);
    w().mnuGLType[2]->setChecked(true);
    playTo(45);
    EXPECT_EQ(left().title(), QStringLiteral("Year-to-Date"));
    EXPECT_EQ(left().number(p::GraphType), graph::kLineGraph);
    EXPECT_EQ(left().number(p::PointCount), 45);
    EXPECT_EQ(left().value(4, 1), state.market.Series[2].Rows[0].Close);
    EXPECT_EQ(left().value(4, 46), 0.0f);
}

TEST_F(ChartTest, MovingAverageAndLinesByPeriodAndMarks)
{
    const struct {
        int16_t tradeDay;
        bool mean, minMax;
        int lines;
    } cases[] = {
        {12, false, false, 16}, {4, false, false, 0}, {3, true, false, 1}, {5, true, false, 17},
        {3, false, true, 2},    {5, false, true, 18}, {5, true, true, 3},  {6, true, true, 19},
    };
    dailyGame(40);
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "period " << c.tradeDay << " mean " << c.mean << " min-max " << c.minMax);
        w().mnuMoving[0]->setChecked(c.mean);
        w().mnuMoving[1]->setChecked(c.minMax);
        playTo(c.tradeDay);
        EXPECT_EQ(right().lines(1), c.lines);
    }
}

TEST_F(ChartTest, PriceLinesOnTheClosesOrTheTicks)
{
    dailyGame(40);
    w().mnuGLType[0]->setChecked(false);
    w().mnuGLPrice[0]->setChecked(true);
    playTo(10);
    EXPECT_EQ(left().lines(4), 1);
    w().mnuGLPrice[1]->setChecked(true);
    playTo(11);
    EXPECT_EQ(left().lines(4), 3);

    tickGame(5);
    playTo(20);
    EXPECT_EQ(left().lines(1), 3);
    EXPECT_EQ(left().lines(4), 0);
}

TEST_F(ChartTest, RelativeStrengthFromTheSixteenthPeriod)
{
    dailyGame(60);
    state.chart.graphType = QStringLiteral("RelativeStrengthIndex");
    playTo(15);
    EXPECT_GT(right().single(p::YMax), 20.0f); // still the price line, scaled to prices
    EXPECT_TRUE(right().yLabels().first().startsWith(QLatin1Char('$')));

    playTo(16);
    for (int k = 1; k <= 14; ++k)
        EXPECT_EQ(right().value(1, k), 0.0f) << k;
    EXPECT_GT(right().value(1, 16), 0.0f);
    EXPECT_EQ(right().single(p::YMax), 100.0f);
    EXPECT_EQ(right().yLabels(), (QStringList{"0%", "25%", "50%", "75%", "100%"}));
}

TEST_F(ChartTest, StochasticsOnAFixedPercentScale)
{
    dailyGame(60);
    state.chart.graphType = QStringLiteral("Stochastic");
    state.chart.stochasticsKind = QStringLiteral("FastStochastics");
    playTo(4);
    EXPECT_GT(right().single(p::YMax), 20.0f); // too early: the price line

    playTo(45);
    EXPECT_EQ(right().number(p::PointCount), 30);
    EXPECT_EQ(right().single(p::YMax), 1.0f);
    EXPECT_EQ(right().yLabels(), (QStringList{"0%", "25%", "50%", "75%", "100%"}));
    EXPECT_EQ(right().value(4, 1), state.market.Series[2].Rows[15].Close); // point 1 is day 16
    for (int k = 1; k <= 30; ++k) {
        EXPECT_GE(right().value(1, k), 0.0f);
        EXPECT_LE(right().value(1, k), 1.0f);
    }
}

// A Tick bar closing on its window's lowest low reads 0; the warm-up points of %D and the slow line
// (points 1 and 2, never computed) show the first computed reading, and a fast %K whose window has no
// range (tick 1 alone) the first %K other than 0.
TEST_F(ChartTest, TickStochasticsKeepGenuineZeroReadings)
{
    tickGame(3);
    const float ticks[] = {20.0f, 20.5f, 21.0f, 20.2f, 19.8f, 20.4f, 20.1f, 19.6f, 19.9f,
                           19.5f, 19.0f, 19.1f, 18.0f, 17.9f, 17.8f, 18.2f, 18.5f, 18.4f};
    for (int n = 1; n <= 18; ++n)
        state.market.TickDays[static_cast<std::size_t>((n - 1) / 6)]
            .Blocks[3]
            .Slots[static_cast<std::size_t>((n - 1) % 6 + 1)]
            .Price = ticks[n - 1];
    state.chart.graphType = QStringLiteral("Stochastic");

    state.chart.stochasticsKind = QStringLiteral("FastStochastics");
    playTo(15);
    ASSERT_EQ(right().number(p::PointCount), 15);
    for (int k = 13; k <= 15; ++k)
        EXPECT_EQ(right().value(1, k), 0.0f) << "fast %K at point " << k;
    EXPECT_NE(right().value(1, 2), 0.0f);
    EXPECT_EQ(right().value(1, 1), right().value(1, 2)) << "tick 1 alone: no range, no reading";
    EXPECT_NE(right().value(2, 3), 0.0f);
    EXPECT_EQ(right().value(2, 1), right().value(2, 3));
    EXPECT_EQ(right().value(2, 2), right().value(2, 3));
    EXPECT_EQ(right().value(2, 15), 0.0f); // %D of three readings of 0
    EXPECT_EQ(right().value(3, 13), 18.0f);
    EXPECT_EQ(right().value(4, 15), 17.8f);

    state.chart.stochasticsKind = QStringLiteral("SlowStochastics");
    playTo(15);
    EXPECT_EQ(right().value(1, 15), 0.0f) << "slow %D at point 15";
    EXPECT_GT(right().value(2, 15), 0.0f);
    for (int s = 1; s <= 2; ++s) {
        EXPECT_EQ(right().value(s, 1), right().value(s, 3)) << "set " << s;
        EXPECT_EQ(right().value(s, 2), right().value(s, 3)) << "set " << s;
    }
}

// The first period's price line holds one price, with no neighbour to draw a line to: it shows as a
// dot in its set's colour, in a Daily and in a Tick game.
TEST_F(ChartTest, TheFirstPeriodsPriceLineShowsItsPrice)
{
    w().mnuGLType[0]->setChecked(false);
    const struct {
        const char *game;
        bool tick;
        int set;
    } games[] = {{"Daily", false, 4}, {"Tick", true, 1}};
    for (const auto &g : games) {
        SCOPED_TRACE(g.game);
        g.tick ? tickGame(3) : dailyGame(10);
        playTo(1);
        ASSERT_TRUE(left().shows(g.set, 1));
        const float price = left().value(g.set, 1);
        const QImage image = left().grab().toImage();
        const QColor shown(image.pixel(static_cast<int>(left().xOf(1)), static_cast<int>(left().yOf(price))));
        EXPECT_EQ(shown, left().setColor(g.set));
    }
}

// Points of set s that the chart draws, 1 to the point count.
int shownPoints(graph::ChartControl &chart, int set)
{
    int shown = 0;
    for (int k = 1; k <= chart.number(p::PointCount); ++k)
        shown += chart.shows(set, k) ? 1 : 0;
    return shown;
}

// A view draws only the sets it wrote: the moving average after the stochastics, the Tick price line
// after the day bars, and the first day bar after the tick line.
TEST_F(ChartTest, EachViewDrawsOnlyItsOwnSets)
{
    dailyGame(40);
    state.chart.graphType = QStringLiteral("Stochastic");
    playTo(20); // sets 3 and 4 now hold the bar lows and closes
    state.chart.graphType = QStringLiteral("MovingAverage");
    playTo(20);
    EXPECT_EQ(shownPoints(right(), 1), 20);
    for (int s = 2; s <= 4; ++s)
        EXPECT_EQ(shownPoints(right(), s), 0) << "moving average view, set " << s;

    tickGame(5);
    w().mnuGLType[0]->setChecked(true);
    playTo(20);
    ASSERT_EQ(left().number(p::GraphType), graph::kBarGraph);
    EXPECT_EQ(shownPoints(left(), 2), 3);
    w().mnuGLType[0]->setChecked(false);
    w().mnuGLPrice[0]->setChecked(true); // the mean line keeps four data sets
    playTo(20);
    ASSERT_EQ(left().number(p::GraphType), graph::kLineGraph);
    EXPECT_EQ(shownPoints(left(), 1), 20);
    for (int s = 2; s <= 4; ++s)
        EXPECT_EQ(shownPoints(left(), s), 0) << "tick price line, set " << s;

    w().mnuGLPrice[0]->setChecked(false);
    w().mnuGLType[0]->setChecked(true);
    playTo(6);
    playTo(7); // the first day bar, after an empty point; the third point is not written
    ASSERT_EQ(left().number(p::PointCount), 3);
    for (int s = 1; s <= 4; ++s) {
        EXPECT_FALSE(left().shows(s, 1)) << "set " << s;
        EXPECT_TRUE(left().shows(s, 2)) << "set " << s;
        EXPECT_FALSE(left().shows(s, 3)) << "set " << s;
    }
}

// Oil has no row for the third trading day: every Daily window shows, for each day, the close of the
// last row dated on or before it, so day 3 repeats day 2 and no day shows the next day's close.
TEST_F(ChartTest, DailyWindowsMapEachPointToItsDate)
{
    dailyGame(40);
    PriceSeries &oil = state.market.Series[2];
    oil.Rows.erase(oil.Rows.begin() + 2);
    oil.RowCount = 39;
    auto closeOnDay = [this, &oil](int d) {
        const double date = state.market.GameCalendar.Days[static_cast<std::size_t>(d - 1)];
        float close = 0.0f;
        for (const DailyRow &row : oil.Rows)
            if (row.Date <= date)
                close = row.Close;
        return close;
    };
    const struct {
        const char *view;
        int16_t tradeDay;
        const char *graphType;
        int ytdOrBars; // 0 the price line, 1 open-high-low-close, 2 year-to-date
        bool leftChart;
        int set, firstPoint, firstDay, points;
        bool secondValue;
    } cases[] = {
        {"price line", 30, "MovingAverage", 0, true, 4, 1, 1, 30, false},
        {"first five days as bars", 5, "MovingAverage", 1, true, 4, 2, 1, 5, false},
        {"year-to-date", 30, "MovingAverage", 2, true, 4, 1, 1, 30, false},
        {"moving average", 30, "MovingAverage", 0, false, 1, 1, 1, 30, false},
        {"moving average at the last day", 40, "MovingAverage", 0, false, 1, 1, 11, 30, false},
        {"relative strength", 30, "RelativeStrengthIndex", 0, false, 0, 1, 1, 30, true},
        {"stochastics", 30, "Stochastic", 0, false, 4, 1, 1, 30, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.view);
        w().mnuGLType[0]->setChecked(c.ytdOrBars == 1);
        w().mnuGLType[2]->setChecked(c.ytdOrBars == 2);
        state.chart.graphType = QString::fromLatin1(c.graphType);
        playTo(c.tradeDay);
        graph::ChartControl &chart = c.leftChart ? left() : right();
        for (int i = 0; i < c.points; ++i) {
            const int k = c.firstPoint + i;
            const int d = c.firstDay + i;
            chart.set(p::CurrentSet, c.set == 0 ? 1 : c.set);
            const float shown =
                c.secondValue ? chart.getAt(p::SecondValue, k).toFloat() : chart.getAt(p::Value, k).toFloat();
            EXPECT_EQ(shown, closeOnDay(d)) << "point " << k << ", day " << d;
            EXPECT_EQ(chart.getAt(p::XLabel, k).toString(), CalendarDayText(app, d - 1)) << "point " << k;
        }
    }
}

// The whole-series plot of a Daily game walks the cursor up to the calendar's position, a day ahead of
// the clock, and plots up to the day shown; a series with nothing up to that day is left unscaled
// rather than failing, and a Tick game keeps its charts.
TEST_F(ChartTest, WholeSeriesPlot)
{
    dailyGame(30);
    state.market.GameCalendar.Position = 9;
    state.clock.tradeDay = 9;
    PlotBothGraphs(app, 1);
    EXPECT_EQ(state.market.Series[2].Cursor, 9);
    const int last = left().number(p::PointCount);
    EXPECT_EQ(left().getAt(p::XLabel, last).toString(), CalendarDayText(app, 8));
    EXPECT_EQ(left().value(4, last), state.market.Series[2].Rows[8].Close);
    EXPECT_EQ(right().value(1, right().number(p::PointCount)), state.market.Series[2].Rows[8].Close);
    EXPECT_TRUE(left().visible());
    EXPECT_TRUE(right().visible());

    for (DailyRow &row : state.market.Series[2].Rows)
        row.Date += 400;
    PlotBothGraphs(app, 1);
    EXPECT_EQ(state.market.Series[2].Cursor, -1);
    EXPECT_TRUE(left().visible());

    tickGame(5);
    playTo(20);
    const float shown = left().value(1, 20);
    PlotBothGraphs(app, 1);
    EXPECT_EQ(left().value(1, 20), shown);
}

TEST_F(ChartTest, DayStepAddsTheCurrentDay)
{
    dailyGame(30);
    PriceSeries &oil = state.market.Series[2];
    state.market.GameCalendar.Position = 0;
    oil.Cursor = 0;
    state.clock.tradeDay = 0;
    PlotBothGraphs(app, 0);
    EXPECT_EQ(left().number(p::XLabelStep), 1);
    EXPECT_TRUE(left().visible());

    // The click that leaves period 10: the calendar and the cursor stand on day 12, the day shown is
    // day 11 (row 10).
    state.market.GameCalendar.Position = 11;
    oil.Cursor = 11;
    state.clock.tradeDay = 10;
    const int points = left().number(p::PointCount);
    PlotBothGraphs(app, 0);
    EXPECT_EQ(left().number(p::PointCount), points + 1);
    EXPECT_EQ(left().number(p::XLabelStep), 3);
    EXPECT_EQ(right().getAt(p::XLabel, right().number(p::PointCount)).toString(), CalendarDayText(app, 10));

    oil.Rows[10].Date += 0.5; // no row dated the day shown: nothing changes
    PlotBothGraphs(app, 0);
    EXPECT_EQ(left().number(p::PointCount), points + 1);
}

} // namespace
} // namespace tarvello::test
