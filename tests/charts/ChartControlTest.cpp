#include "platform/graph/ChartControl.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace tarvello::test {
namespace {

namespace p = graph::prop;

class ChartControlTest : public ::testing::Test {
protected:
    QWidget parent;
    graph::ChartControl chart{&parent, QStringLiteral("GraphLeft"), QStringLiteral("Price"), true};
};

TEST_F(ChartControlTest, ValuesAreKeptPerSetAndPointWhateverTheCounts)
{
    EXPECT_EQ(chart.value(1, 1), graph::kEmptyValue);
    chart.set(p::CurrentSet, 2);
    chart.setAt(p::Value, 7, 12.34f);
    chart.set(p::PointCount, 3);
    chart.set(p::PointCount, 10);
    EXPECT_EQ(chart.getAt(p::Value, 7).toFloat(), 12.34f);
    chart.set(p::CurrentSet, 1);
    EXPECT_EQ(chart.getAt(p::Value, 7).toFloat(), graph::kEmptyValue);
    chart.set(p::YMax, 1234.56789);
    EXPECT_EQ(chart.get(p::YMax).toFloat(), 1234.56789f); // read back in single precision
}

TEST_F(ChartControlTest, LinesBelongToTheSetCurrentWhenWrittenUntilAPlotBegins)
{
    chart.set(p::CurrentSet, 1);
    chart.set(p::Lines, 3);
    chart.set(p::CurrentSet, 4);
    EXPECT_EQ(chart.lines(1), 3);
    EXPECT_EQ(chart.lines(4), 0);
    chart.set(p::PlotPhase, 25);
    EXPECT_EQ(chart.lines(1), 3);
    chart.set(p::PlotPhase, 9);
    EXPECT_EQ(chart.lines(1), 0);
}

TEST_F(ChartControlTest, WrittenYLabelsLastUntilTheScaleChanges)
{
    chart.set(p::YMin, 0);
    chart.set(p::YMax, 100);
    chart.set(p::YDivisions, 4);
    EXPECT_EQ(chart.yLabels(), (QStringList{"$0", "$25", "$50", "$75", "$100"}));
    for (int i = 1; i <= 5; ++i)
        chart.setAt(p::YLabel, i, QString::number((i - 1) * 25) + QLatin1Char('%'));
    EXPECT_EQ(chart.yLabels().last(), QStringLiteral("100%"));
    for (int32_t scale : {p::YMin, p::YMax, p::YDivisions}) {
        chart.setAt(p::YLabel, 5, QStringLiteral("100%"));
        chart.set(scale, chart.get(scale));
        EXPECT_EQ(chart.yLabels().last(), QStringLiteral("$100")) << scale;
    }
    // A step that is not whole keeps its cents, so no two labels read the same.
    chart.set(p::YMin, 17);
    chart.set(p::YMax, 22);
    EXPECT_EQ(chart.yLabels(), (QStringList{"$17.00", "$18.25", "$19.50", "$20.75", "$22.00"}));
}

TEST_F(ChartControlTest, ColoursAndHostProperties)
{
    chart.set(p::ElementSelect, graph::kMeanElement);
    chart.set(p::ElementColor, 12);
    chart.set(p::ElementColor, 10); // a colour applies to the element chosen last
    EXPECT_EQ(chart.elementColor(graph::kMeanElement), graph::paletteColor(10));
    chart.setAt(p::SetColor, 2, 9);
    EXPECT_EQ(chart.setColor(2), graph::paletteColor(9));
    chart.set(p::DataColor, 0); // the data colour recolours every set
    EXPECT_EQ(chart.setColor(2), graph::paletteColor(0));
    chart.set(p::HostWidth, 3132.0f);
    EXPECT_EQ(chart.twipWidth(), 3132);
    EXPECT_EQ(chart.single(p::HostWidth), 3132.0f);
    chart.set(p::HostVisible, false);
    EXPECT_FALSE(chart.visible());
    EXPECT_FALSE(chart.get(p::HostVisible).toBool());
}

} // namespace
} // namespace tarvello::test
