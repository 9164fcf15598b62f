#include "ChartFixture.h"

#include "common/Level.h"

#include <QCoreApplication>

namespace tarvello::test {
namespace {

namespace p = graph::prop;

TEST_F(ChartTest, InstrumentItemsChartTheirInstrument)
{
    w().mnuGraph[2]->click();
    EXPECT_EQ(state.chart.selectedCommodity, 6);
    EXPECT_EQ(w().cboCommodity->text(), QStringLiteral("T-Bond"));
    for (const auto &[index, item] : w().mnuGraph)
        EXPECT_EQ(item->checked(), index == 2) << index;
    w().mnuGraph[4]->click();
    EXPECT_EQ(state.chart.selectedCommodity, 1);
}

// A Graph Options choice moves the instrument list with it, so the list's entry and its text agree,
// and picking the entry the list showed before charts that instrument again.
TEST_F(ChartTest, TheListFollowsGraphOptionsAndEveryPickCharts)
{
    for (const char *key : {"Cattle", "Gold", "Oil", "SP500", "Soybean", "TBond"})
        w().cboCommodity->addItem(QString::fromLatin1(key));
    w().cboCommodity->setListIndex(2); // Oil, as start-up leaves it
    const struct {
        int16_t item;
        const char *text;
        int32_t commodity;
    } items[] = {{1, "Gold", 2}, {2, "T-Bond", 6}, {3, "SP500", 4}, {4, "Cattle", 1}, {5, "Soybean", 5}};
    for (const auto &c : items) {
        SCOPED_TRACE(c.text);
        w().mnuGraph[c.item]->click();
        EXPECT_EQ(state.chart.selectedCommodity, c.commodity);
        EXPECT_EQ(w().cboCommodity->listIndex(), c.commodity - 1);
        EXPECT_EQ(w().cboCommodity->text(), QString::fromLatin1(c.text));
        emit w().cboCommodity->activated(2); // the player picks Oil
        EXPECT_EQ(state.chart.selectedCommodity, 3);
        EXPECT_EQ(w().cboCommodity->text(), QStringLiteral("Oil"));
        for (const auto &[index, entry] : w().mnuGraph)
            EXPECT_EQ(entry->checked(), index == 0) << index;
    }
}

TEST_F(ChartTest, PeriodItemCyclesFifteenTwentyFive)
{
    for (int16_t period : {15, 20, 5, 15}) {
        w().mnuMoving[2]->click();
        EXPECT_EQ(state.chart.movingAveragePeriod, period);
        EXPECT_EQ(w().mnuGRType[0]->caption(), QStringLiteral("Moving Average - %1").arg(period));
        EXPECT_EQ(w().mnuMoving[2]->caption(), QStringLiteral("%1 periods").arg(period));
    }
}

TEST_F(ChartTest, IndicatorItemsSetTheRightChart)
{
    dailyGame(40);
    playTo(20);
    w().mnuStoch[1]->setChecked(true);
    w().mnuGRType[1]->click();
    EXPECT_EQ(state.chart.graphType, QStringLiteral("RelativeStrengthIndex"));
    EXPECT_EQ(right().title(), QStringLiteral("Relative Strength Index"));
    EXPECT_FALSE(w().mnuMoving[0]->checked());
    EXPECT_TRUE(w().mnuStoch[1]->checked());
    EXPECT_EQ(right().single(p::YMax), 100.0f);

    w().mnuStoch[0]->click();
    EXPECT_EQ(state.chart.stochasticsKind, QStringLiteral("FastStochastics"));
    EXPECT_EQ(state.chart.graphType, QStringLiteral("Stochastic"));
    EXPECT_EQ(right().title(), QStringLiteral("Stochastic Indicator"));
    EXPECT_FALSE(w().mnuGRType[1]->checked());
    EXPECT_EQ(right().single(p::YMax), 1.0f);

    w().mnuMoving[1]->click();
    EXPECT_EQ(state.chart.graphType, QStringLiteral("MovingAverage"));
    EXPECT_EQ(right().title(), QStringLiteral("Moving Average"));
    EXPECT_EQ(right().lines(1), 2 + 16);
}

TEST_F(ChartTest, LeftChartKinds)
{
    dailyGame(40);
    playTo(20);
    w().mnuGLType[2]->click();
    EXPECT_EQ(left().title(), QStringLiteral("Year-to-Date"));
    EXPECT_FALSE(w().mnuGLType[0]->checked());

    // A price line from the year-to-date view.
    w().mnuGLPrice[0]->click();
    EXPECT_FALSE(w().mnuGLType[2]->checked());
    EXPECT_EQ(left().title(), QStringLiteral("Price"));
    EXPECT_EQ(left().lines(4), 1);
    w().mnuGLPrice[0]->click();
    EXPECT_FALSE(w().mnuGLPrice[0]->checked());
    EXPECT_EQ(left().title(), QStringLiteral("Price"));

    w().mnuGLType[0]->click();
    EXPECT_EQ(left().title(), QStringLiteral("Open-High-Low-Close"));
    EXPECT_EQ(left().number(p::GraphType), graph::kBarGraph);
}

TEST_F(ChartTest, ColoursByScheme)
{
    dailyGame(40);
    auto writesFor = [this](forms::VbColor back) {
        w().setBackColor(back);
        left().startLog();
        right().startLog();
        ApplyGraphColors(app);
        std::vector<std::tuple<int32_t, int, QVariant>> writes;
        for (auto *chart : {&left(), &right()})
            for (const auto &write : chart->writes())
                writes.emplace_back(write.dispid, write.index, write.value);
        return writes;
    };
    playTo(20);
    EXPECT_EQ(writesFor(0xC0C0C0), writesFor(0x000000));
    EXPECT_EQ(left().number(p::Background), 1);
    EXPECT_EQ(right().elementColor(graph::kMovingAverageElement), graph::paletteColor(12));

    writesFor(0xFFFFFF);
    EXPECT_EQ(left().number(p::Background), 7);
    EXPECT_EQ(left().setColor(4), graph::paletteColor(0));
    EXPECT_EQ(right().setColor(2), graph::paletteColor(9));

    const auto other = writesFor(0x808080);
    for (const auto &[dispid, index, value] : other) {
        EXPECT_NE(dispid, p::SetColor);
        EXPECT_NE(dispid, p::DataColor);
    }
    EXPECT_EQ(left().number(p::Background), 7); // kept from the last scheme
}

TEST_F(ChartTest, PointWindowsAfterColouring)
{
    dailyGame(60);
    playTo(45);
    EXPECT_EQ(left().number(p::PointCount), 30);
    EXPECT_EQ(right().number(p::PointCount), 30);
    w().mnuGLType[0]->setChecked(false);
    w().mnuGLType[2]->setChecked(true);
    playTo(45);
    EXPECT_EQ(left().number(p::PointCount), 45);
}

TEST_F(ChartTest, VisibilityByLevelAndReports)
{
    const struct {
        Level level;
        bool report;
        bool left, right;
    } cases[] = {
        {Level::Expert, false, true, true},
        {Level::Expert, true, false, false},
        {Level::Novice, true, false, true},
        {Level::Novice, false, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "novice " << (c.level == Level::Novice) << " report " << c.report);
        state.settings.level = c.level;
        w().newsgrid->setVisible(c.report);
        left().set(p::HostWidth, 3312.0f);
        right().set(p::HostWidth, 3255.0f);
        ShowGraphs(app);
        EXPECT_EQ(left().visible(), c.left);
        EXPECT_EQ(right().visible(), c.right);
        EXPECT_EQ(left().twipWidth(), 3132);
        EXPECT_EQ(right().twipWidth(), c.level == Level::Novice ? 3255 : 3132);
    }
}

} // namespace
} // namespace tarvello::test

namespace tarvello::test {
namespace {

// A repaint of the main window puts back the charts a reset left hidden.
TEST_F(ChartTest, RepaintShowsTheCharts)
{
    dailyGame(40);
    state.clock.tradeDay = 20;
    ResetGraph(app);
    ASSERT_FALSE(left().visible());
    w().show();
    w().grab();
    QCoreApplication::processEvents();
    EXPECT_TRUE(left().visible());
    EXPECT_EQ(left().twipWidth(), 3132);
}

} // namespace
} // namespace tarvello::test
