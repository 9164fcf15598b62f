#include "charts/GraphWindows.h"
#include "charts/Indicators.h"
#include "charts/YAxisScaling.h"
#include "platform/graph/ChartLines.h"

#include <gtest/gtest.h>

namespace tarvello::test {
namespace {

TEST(YAxisFit, RoundBoundsSpanAndDivisions)
{
    const struct {
        const char *what;
        DataKind kind;
        float highest, lowest;
        float max, min;
        std::optional<int> divisions;
        QStringList labels;
    } cases[] = {
        {"span 57 rounds the minimum to 5 and stretches to 100",
         DataKind::Daily,
         1234.5f,
         1180.2f,
         1275,
         1175,
         5,
         {}},
        {"a lowest price below 5 starts at 0", DataKind::Daily, 4.2f, 3.9f, 10, 0, 5, {}},
        {"a lowest price of exactly 5 starts at 4", DataKind::Daily, 9.0f, 5.0f, 14, 4, 5, {}},
        {"flat whole price: span 2, four automatic divisions", DataKind::Daily, 20.0f, 20.0f, 21, 19, 4, {}},
        {"span above 1000 keeps the maximum", DataKind::Daily, 5000.0f, 100.0f, 5001, 0, 5, {}},
        {"Tick small range: a tenth either side, labelled",
         DataKind::Tick,
         100.5f,
         100.2f,
         100.6f,
         100.1f,
         4,
         {"100.1", "100.23", "100.35", "100.48", "100.6"}},
        {"Tick span of 2 or more leaves the divisions",
         DataKind::Tick,
         103.0f,
         100.5f,
         104,
         99,
         std::nullopt,
         {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const auto fit = FitYAxis(c.highest, c.lowest, c.kind);
        ASSERT_TRUE(fit);
        EXPECT_FLOAT_EQ(fit->max, c.max);
        EXPECT_FLOAT_EQ(fit->min, c.min);
        EXPECT_EQ(fit->divisions, c.divisions);
        EXPECT_EQ(fit->labels, c.labels);
    }
}

// With nothing plotted the range is still the reset one (0 and 100000): the span would not fit the
// whole number the rules keep it in, so the axis is left alone.
TEST(YAxisFit, NothingPlottedOrNoDataKindLeavesTheAxis)
{
    EXPECT_FALSE(FitYAxis(0.0f, 100000.0f, DataKind::Daily));
    EXPECT_FALSE(FitYAxis(0.0f, 100000.0f, DataKind::Tick));
    EXPECT_FALSE(FitYAxis(30.0f, 20.0f, DataKind::None));
}

TEST(GraphWindows, PriceChart)
{
    const struct {
        int16_t tradeDay;
        bool endOfCalendar;
        GraphWindow window;
    } cases[] = {
        {3, false, {5, 1, 5}},    {6, false, {6, 1, 6}},   {30, false, {30, 1, 30}}, {31, false, {30, 2, 31}},
        {40, true, {30, 11, 40}}, {12, true, {12, 1, 12}}, // the calendar ended early: the window starts at
                                                           // day 1, not before it
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tradeDay);
        EXPECT_EQ(PriceWindow(c.tradeDay, c.endOfCalendar), c.window);
    }
}

TEST(GraphWindows, TickDayBars)
{
    const struct {
        int16_t tradeDay;
        bool endOfCalendar;
        GraphWindow window;
    } cases[] = {
        {5, false, {5, 1, 5}}, {6, false, {1, 1, 1}},     {7, false, {1, 1, 1}},    {13, false, {2, 1, 2}},
        {13, true, {2, 1, 2}}, {200, false, {30, 4, 33}}, {198, true, {30, 4, 33}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tradeDay);
        EXPECT_EQ(TickBarWindow(c.tradeDay, c.endOfCalendar), c.window);
    }
}

TEST(GraphWindows, IndicatorChart)
{
    const struct {
        const char *what;
        int16_t tradeDay;
        bool endOfCalendar;
        int rows;
        GraphWindow window;
    } cases[] = {
        {"period 1 has room for a line", 1, false, 100, {2, 1, 1}},
        {"period 45 shows 16 to 45", 45, false, 100, {30, 16, 45}},
        {"a series of exactly one more row stops at the current day", 19, false, 20, {19, 1, 19}},
        {"a series that ends before the current day stops at its last row", 19, false, 17, {19, 1, 17}},
        {"the calendar ended early: never before period 1", 12, true, 100, {12, 1, 12}},
        {"Tick windows count no rows", 40, false, -1, {30, 11, 40}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IndicatorWindow(c.tradeDay, c.endOfCalendar, c.rows), c.window);
    }
}

TEST(ChartLines, MeanMinMaxAndMovingAverageSkipPointsNotDrawn)
{
    const PlottedPoints points = {1.0f, 2.0f, 3.0f, 4.0f, std::nullopt, 6.0f, 8.0f, 10.0f};
    EXPECT_FLOAT_EQ(*LineMean(points), 34.0f / 7.0f);
    EXPECT_FLOAT_EQ(LineMinMax(points)->min, 1.0f);
    EXPECT_FLOAT_EQ(LineMinMax(points)->max, 10.0f);
    const PlottedPoints average = MovingAverageLine(points, 3);
    const PlottedPoints expected = {std::nullopt, std::nullopt, 2.0f,         3.0f,
                                    std::nullopt, std::nullopt, std::nullopt, 8.0f};
    EXPECT_EQ(average, expected);

    const PlottedPoints none = {std::nullopt, std::nullopt};
    EXPECT_FALSE(LineMean(none));
    EXPECT_FALSE(LineMinMax(none));
    EXPECT_EQ(MovingAverageLine({1.0f, 2.0f}, 5), (PlottedPoints{std::nullopt, std::nullopt}));
}

TEST(Stochastics, PercentKDAndSlow)
{
    // Closes at the high, the low and the middle of a 10 to 20 range.
    const std::vector<Bar> bars = {
        {10, 20, 10, 20}, {15, 20, 10, 10}, {15, 20, 10, 15}, {15, 20, 10, 20}, {15, 20, 10, 10}};
    const auto s = Stochastics(bars);
    const float k[] = {1.0f, 0.0f, 0.5f, 1.0f, 0.0f};
    for (std::size_t i = 0; i < s.size(); ++i)
        EXPECT_FLOAT_EQ(s[i].k, k[i]) << "point " << i + 1;
    EXPECT_FLOAT_EQ(s[0].d, 0.0f);
    EXPECT_FLOAT_EQ(s[1].slow, 0.0f);
    EXPECT_FLOAT_EQ(s[2].d, 0.5f);
    EXPECT_FLOAT_EQ(s[2].slow, 0.5f / 3.0f); // the slow line averages the unwritten first two %D
    EXPECT_FLOAT_EQ(s[3].d, 0.5f);
    EXPECT_FLOAT_EQ(s[3].slow, 1.0f / 3.0f);
}

TEST(Stochastics, FlatMarketIsZeroAndTickBarsCoverThreeTicks)
{
    const auto flat = Stochastics(std::vector<Bar>(6, Bar{5, 5, 5, 5}));
    for (const auto &point : flat) {
        EXPECT_EQ(point.k, 0.0f);
        EXPECT_EQ(point.d, 0.0f);
        EXPECT_EQ(point.slow, 0.0f);
    }
    const PeriodPrice price = [](int n) { return static_cast<float>(n * n % 7); }; // 1 4 2 2 4 1 0
    const Bar one = TickBar(price, 1);
    EXPECT_EQ(one.open, 1.0f);
    EXPECT_EQ(one.high, 1.0f);
    EXPECT_EQ(one.close, 1.0f);
    const Bar two = TickBar(price, 2);
    EXPECT_EQ(two.open, 1.0f);
    EXPECT_EQ(two.high, 4.0f);
    const Bar six = TickBar(price, 6);
    EXPECT_EQ(six.open, 2.0f);
    EXPECT_EQ(six.high, 4.0f);
    EXPECT_EQ(six.low, 1.0f);
    EXPECT_EQ(six.close, 1.0f);
}

// Only the points before the first computed reading are filled; a later reading of 0 is a reading.
TEST(Stochastics, WarmUpPointsTakeTheFirstReading)
{
    const struct {
        const char *what;
        std::vector<float> values;
        std::size_t warmUp;
        std::vector<float> filled;
    } cases[] = {
        {"two warm-up points, a later 0 kept",
         {0.0f, 0.0f, 0.4f, 0.7f, 0.0f},
         2,
         {0.4f, 0.4f, 0.4f, 0.7f, 0.0f}},
        {"no warm-up: %K from the first point", {0.0f, 0.3f, 0.0f, 1.0f}, 0, {0.0f, 0.3f, 0.0f, 1.0f}},
        {"a first reading of 0 fills with 0", {0.5f, 0.5f, 0.0f, 0.2f}, 2, {0.0f, 0.0f, 0.0f, 0.2f}},
        {"no reading yet", {0.0f, 0.0f}, 2, {0.0f, 0.0f}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<float> values = c.values;
        FillWarmUp(values, c.warmUp);
        EXPECT_EQ(values, c.filled);
    }
}

// A %K over a window without a range is 0 by rule, not a reading: such points take the set's first
// value other than 0; a reading of 0 over a range stays 0.
TEST(Stochastics, PointsWithoutARangeTakeTheFirstValueOtherThanZero)
{
    const auto s = Stochastics({{5, 5, 5, 5}, {5, 6, 4, 4}, {4, 6, 4, 5}, {5, 5, 5, 5}});
    const bool noRange[] = {true, false, false, false};
    for (std::size_t i = 0; i < s.size(); ++i)
        EXPECT_EQ(s[i].noRange, noRange[i]) << "point " << i + 1;
    EXPECT_EQ(s[1].k, 0.0f); // a close on the lowest low, with a range

    const struct {
        const char *what;
        std::vector<float> values;
        std::vector<bool> noRange;
        std::vector<float> filled;
    } cases[] = {
        {"a first point without a range",
         {0.0f, 0.6f, 0.0f, 1.0f},
         {true, false, false, false},
         {0.6f, 0.6f, 0.0f, 1.0f}},
        {"a reading of 0 before the first other value",
         {0.0f, 0.0f, 0.4f},
         {true, false, false},
         {0.4f, 0.0f, 0.4f}},
        {"a later point without a range", {0.5f, 0.0f, 0.0f}, {false, true, false}, {0.5f, 0.5f, 0.0f}},
        {"nothing other than 0", {0.0f, 0.0f}, {true, false}, {0.0f, 0.0f}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<float> values = c.values;
        FillNoRange(values, c.noRange);
        EXPECT_EQ(values, c.filled);
    }
}

TEST(RelativeStrength, SimpleMeansOfFourteenChanges)
{
    const struct {
        const char *what;
        PeriodPrice price;
        float rsi;
    } cases[] = {
        {"every change a fall", [](int n) { return 100.0f - n; }, 0.0f},
        {"gains equal to losses", [](int n) { return n % 2 == 0 ? 11.0f : 10.0f; }, 50.0f},
        {"every change a rise", [](int n) { return 10.0f + n; }, 100.0f},
        {"nothing changes", [](int) { return 10.0f; }, 50.0f},
        {"one fall of 1 then one rise of 4", [](int n) { return n >= 16   ? 13.0f
                                                                : n >= 10 ? 9.0f
                                                                          : 10.0f; },
         80.0f},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const auto rsi = RelativeStrength(c.price, 3, 16);
        ASSERT_EQ(rsi.size(), 14u);
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(rsi[static_cast<std::size_t>(i)], 0.0f) << "period " << i + 3 << " is before 15";
        EXPECT_NEAR(rsi.back(), c.rsi, 1e-3);
    }
}

} // namespace
} // namespace tarvello::test
