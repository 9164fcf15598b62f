#include "../flowadvance/AdvanceFixture.h"

#include "charts/ui/ChartServices.h"
#include "flow/ui/ClockLabels.h"
#include "platform/graph/ChartControl.h"

namespace tarvello::test {
namespace {

namespace p = graph::prop;

// Daily games over a small price database, with Oil charted. Oil climbs a dollar a day and spikes on
// 29 January 1991, so a chart that takes that day's row early shows it plainly.
class PlayedCharts : public AdvanceTest {
protected:
    graph::ChartControl &left() { return *w().GraphLeft; }
    graph::ChartControl &right() { return *w().GraphRight; }

    static float oilClose(int n) { return 20.25f + static_cast<float>(n); }
    static float oilHigh(int n) { return n == 3 ? 60.0f : oilClose(n) + 0.25f; }

    // The fixture's days (24 January to 4 February 1991), with Oil's row left out on day `missing`
    // (from 0; -1 for none). The other instruments trade every day, so the calendar keeps the day.
    void addPrices(int missing = -1)
    {
        const std::vector<QDate> days = dailyDays();
        for (int n = 0; n < static_cast<int>(days.size()); ++n) {
            for (int id : {1, 2, 4, 5, 6})
                fixture.addDailyClose(id, days[static_cast<std::size_t>(n)], fixturePrice(id, n));
            if (n != missing)
                fixture.addDaily(3, days[static_cast<std::size_t>(n)], oilClose(n) - 0.5f, oilHigh(n),
                                 oilClose(n) - 1.0f, oilClose(n));
        }
    }

    void beginOilGame()
    {
        beginNewGame({Month});
        ASSERT_TRUE(state.clock.gameDataLoaded);
        mnuGraph_Click(app, 0); // Oil
    }

    static QString label(graph::ChartControl &chart, int point)
    {
        return chart.getAt(p::XLabel, point).toString();
    }
    static float value(graph::ChartControl &chart, int set, int point)
    {
        chart.set(p::CurrentSet, set);
        return chart.getAt(p::Value, point).toFloat();
    }
    static int last(graph::ChartControl &chart) { return chart.number(p::PointCount); }
};

// Help > "&Definitions of Common Terms" replots the whole series up to the day shown, never the next
// day's bar, and the next "&Forward" still moves every series on.
TEST_F(PlayedCharts, DefinitionsReplotEndsOnTheDayShown)
{
    addPrices();
    beginOilGame();
    for (int i = 0; i < 3; ++i)
        forward();
    ASSERT_EQ(w().LabelDay->caption(), "Date: 1/28/1991");
    for (int16_t item : {0, 1}) {
        SCOPED_TRACE(item);
        ASSERT_TRUE(w().mnuDefinitions[item]->enabled());
        w().mnuDefinitions[item]->click();
        EXPECT_EQ(label(left(), last(left())), "1/28/1991");
        EXPECT_EQ(value(left(), 4, last(left())), oilClose(2));
        EXPECT_EQ(value(right(), 1, last(right())), oilClose(2));
        for (int k = 1; k <= last(left()); ++k)
            EXPECT_NE(label(left(), k), "1/29/1991") << "point " << k;
        EXPECT_LT(left().single(p::YMax), 60.0f); // the spike of 1/29 is not in the axis
    }
    forward();
    EXPECT_EQ(w().LabelDay->caption(), "Date: 1/29/1991");
    EXPECT_EQ(state.book(Instrument::Oil).price, oilClose(3));
}

// From period 4 on the Definitions replot writes its points after the earlier drawing's: the date
// labels it did not write are not drawn, so the dates shown ascend and each stands under a bar.
TEST_F(PlayedCharts, DefinitionsReplotDrawsOnlyItsOwnDateLabels)
{
    addPrices();
    beginOilGame();
    for (int i = 0; i < 5; ++i)
        forward();
    ASSERT_EQ(w().LabelDay->caption(), "Date: 1/30/1991");
    w().mnuDefinitions[0]->click();
    const auto places = left().xLabelPlaces();
    ASSERT_FALSE(places.empty());
    QDate before;
    for (const auto &place : places) {
        SCOPED_TRACE(place.text.toStdString());
        const QDate date = QDate::fromString(place.text, QStringLiteral("M/d/yyyy"));
        EXPECT_TRUE(!before.isValid() || date > before);
        EXPECT_TRUE(left().shows(4, place.point)) << "point " << place.point;
        before = date;
    }
    EXPECT_EQ(places.back().text, "1/30/1991");
    for (const auto &place : right().xLabelPlaces())
        EXPECT_EQ(place.text, "1/30/1991") << "point " << place.point; // the replot leaves the rest empty
}

// The day-by-day plots at the start of a "&Forward" click (what shows while a box of the click is up)
// add the day the click shows, with its own high and low.
TEST_F(PlayedCharts, StepPlotsAddTheDayShown)
{
    addPrices();
    beginOilGame();
    forward();
    forward();
    UpdateTradeDayandGraphs(app); // the start of the third click
    ASSERT_EQ(w().LabelDay->caption(), "Date: 1/28/1991");
    EXPECT_EQ(label(right(), last(right())), "1/28/1991");
    EXPECT_EQ(value(left(), 4, last(left())), oilClose(2));
    EXPECT_LT(left().single(p::YMax), 60.0f);
}

// Oil has no row on 29 January: that day's point repeats the 28th, and each later day shows its own
// close, on both charts.
TEST_F(PlayedCharts, AMissingDayShowsThePreviousClose)
{
    addPrices(3);
    beginOilGame();
    for (int i = 0; i < 6; ++i)
        forward();
    ASSERT_EQ(w().LabelDay->caption(), "Date: 1/31/1991");
    ASSERT_EQ(last(left()), 6);
    const struct {
        const char *date;
        float close;
    } days[] = {{"1/24/1991", oilClose(0)}, {"1/25/1991", oilClose(1)}, {"1/28/1991", oilClose(2)},
                {"1/29/1991", oilClose(2)}, {"1/30/1991", oilClose(4)}, {"1/31/1991", oilClose(5)}};
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(days[k - 1].date);
        EXPECT_EQ(label(left(), k), days[k - 1].date);
        EXPECT_EQ(value(left(), 4, k), days[k - 1].close);
        EXPECT_EQ(label(right(), k), days[k - 1].date);
        EXPECT_EQ(value(right(), 1, k), days[k - 1].close);
    }
}

} // namespace
} // namespace tarvello::test
