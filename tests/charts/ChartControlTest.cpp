#include "platform/graph/ChartControl.h"
#include "support/Paints.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

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

// Reads return every value last written, but the chart draws only what the current drawing wrote:
// a plot that begins (20 := 9) leaves earlier values undrawn, and so does a point or set count that
// fell below a value and is raised over it again, until the value is written again. A value written
// beyond the count and then taken in by a raise is drawn.
TEST_F(ChartControlTest, DrawsOnlyWhatTheCurrentDrawingWrote)
{
    chart.set(p::YMin, 0);
    chart.set(p::YMax, 100);
    chart.set(p::SetCount, 4);
    chart.set(p::PointCount, 5);
    auto write = [this](int set, int point, float v) {
        chart.set(p::CurrentSet, set);
        chart.setAt(p::Value, point, v);
    };
    chart.set(p::PlotPhase, 9);
    for (int s = 1; s <= 4; ++s)
        for (int point = 1; point <= 5; ++point)
            write(s, point, 40.0f + s);
    EXPECT_TRUE(chart.shows(3, 5));

    chart.set(p::PlotPhase, 9); // the next drawing writes set 1 only
    for (int point = 1; point <= 5; ++point)
        write(1, point, 50.0f);
    chart.set(p::PlotPhase, 25);
    const struct {
        const char *what;
        int set, point;
        bool shown;
    } afterNewPlot[] = {
        {"written by this drawing", 1, 5, true},
        {"written by the drawing before", 3, 2, false},
        {"never written", 2, 6, false},
    };
    for (const auto &c : afterNewPlot)
        EXPECT_EQ(chart.shows(c.set, c.point), c.shown) << c.what;
    chart.set(p::CurrentSet, 3);
    EXPECT_EQ(chart.getAt(p::Value, 2).toFloat(), 43.0f); // still read back

    chart.set(p::PointCount, 3);
    write(1, 6, 56.0f);
    chart.set(p::PointCount, 6);
    EXPECT_TRUE(chart.shows(1, 3));
    EXPECT_FALSE(chart.shows(1, 4)) << "a point the lowered count left out";
    EXPECT_TRUE(chart.shows(1, 6)) << "written beyond the count, then counted";
    write(1, 4, 55.0f);
    EXPECT_TRUE(chart.shows(1, 4));

    write(2, 1, 60.0f);
    chart.set(p::SetCount, 1);
    chart.set(p::SetCount, 4);
    EXPECT_FALSE(chart.shows(2, 1)) << "a set the lowered count left out";
    EXPECT_TRUE(chart.shows(1, 1));

    write(1, 2, graph::kEmptyValue);
    write(1, 3, 0.0f);
    write(1, 5, 101.0f);
    EXPECT_FALSE(chart.shows(1, 2)) << "the empty marker";
    EXPECT_FALSE(chart.shows(1, 3)) << "an empty bar part";
    EXPECT_FALSE(chart.shows(1, 5)) << "above the axis";
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

// Date labels stay within the plot frame's width, the first and the last included, and values at the
// axis' minimum and maximum (an indicator at 0% or 100%) lie clear of the frame's lines.
TEST_F(ChartControlTest, LabelsAndBoundLinesStayInsideTheFrame)
{
    chart.resize(217, 177);
    chart.set(p::YMin, 0);
    chart.set(p::YMax, 1);
    chart.set(p::YDivisions, 4);
    const struct {
        const char *what;
        int points, step;
    } charts[] = {{"year-to-date, every day labelled", 121, 30}, {"thirty days", 30, 5}, {"four days", 4, 1}};
    for (const auto &c : charts) {
        SCOPED_TRACE(c.what);
        chart.set(p::PointCount, c.points);
        chart.set(p::XLabelStep, c.step);
        for (int k = 1; k <= c.points; ++k)
            chart.setAt(p::XLabel, k, QStringLiteral("12/28/1990"));
        const QRect frame = chart.plotFrame();
        const auto places = chart.xLabelPlaces();
        ASSERT_FALSE(places.empty());
        EXPECT_EQ(places.front().point, 1);
        for (const auto &place : places) {
            EXPECT_GE(place.rect.left(), frame.left()) << "point " << place.point;
            EXPECT_LE(place.rect.right(), frame.left() + frame.width()) << "point " << place.point;
        }
        for (double bound : {0.0, 1.0}) {
            const double y = chart.yOf(bound);
            EXPECT_GE(y, frame.top() + 2.0) << bound;
            EXPECT_LE(y, frame.bottom() - 2.0) << bound;
        }
    }

    chart.resize(60, 100); // narrower than a date: the label stays within the chart
    chart.set(p::PointCount, 2);
    const auto places = chart.xLabelPlaces();
    ASSERT_FALSE(places.empty());
    EXPECT_GE(places.front().rect.left(), 0.0);
}

// The labels are measured in the font they are drawn with, the chart's own: whatever font its window
// gives it, the chart looks the same.
TEST_F(ChartControlTest, LabelsDrawInTheChartsOwnFontWhateverTheWindowsFont)
{
    const auto drawnWith = [](bool bold, bool italic) {
        QWidget host;
        graph::ChartControl c{&host, QStringLiteral("GraphLeft"), QStringLiteral("Price"), true};
        QFont windowFont(QStringLiteral("DejaVu Sans"));
        windowFont.setPixelSize(15);
        windowFont.setBold(bold);
        windowFont.setItalic(italic);
        c.setFont(windowFont);
        c.resize(217, 177);
        c.set(p::YMin, 0);
        c.set(p::YMax, 1000);
        c.set(p::YDivisions, 4);
        c.set(p::PointCount, 30);
        c.set(p::XLabelStep, 5);
        for (int k = 1; k <= 30; ++k) {
            c.setAt(p::XLabel, k, QStringLiteral("12/28/1990"));
            c.setAt(p::Value, k, static_cast<float>(10 * k));
        }
        return c.grab().toImage();
    };
    const QImage plain = drawnWith(false, false);
    EXPECT_EQ(drawnWith(true, false), plain);
    EXPECT_EQ(drawnWith(false, true), plain);
}

// A level line fills exactly the pixels that the painter's own one-pixel line covers, at whole and
// fractional ends and heights, translucent or not.
TEST(ChartLevelLine, CoversWhatAOnePixelLineCovers)
{
    const struct {
        double left, right, y;
    } lines[] = {{5.0, 100.0, 10.0},    {5.3, 100.3, 10.2},  {5.5, 100.5, 10.5},  {5.7, 99.7, 10.8},
                 {5.49, 100.51, 10.49}, {0.0, 199.0, 0.0},   {12.5, 13.5, 39.99}, {141.5, 141.5, 11.3},
                 {34.25, 34.75, 29.5},  {-3.5, 50.25, 20.0}, {150.0, 260.0, 5.5}};
    QColor translucent(Qt::darkGreen);
    translucent.setAlpha(60);
    for (const QColor &colour : {translucent, QColor(Qt::black)}) {
        for (const auto &l : lines) {
            SCOPED_TRACE(testing::Message()
                         << l.left << ".." << l.right << " at " << l.y << " alpha " << colour.alpha());
            QImage drawn(220, 44, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::white);
            QImage filled = drawn;
            {
                QPainter painter(&drawn);
                painter.setPen(colour);
                painter.drawLine(QPointF(l.left, l.y), QPointF(l.right, l.y));
            }
            {
                QPainter painter(&filled);
                graph::drawLevelLine(painter, l.left, l.right, l.y, colour);
            }
            EXPECT_EQ(filled, drawn);
        }
    }
}

// A shown chart is drawn again after any write, once for many writes; one written while hidden is
// drawn when it is shown, and one hidden with a drawing pending is drawn again after the next write.
TEST(ChartRepaint, AWrittenChartIsDrawnAgain)
{
    QWidget host;
    host.resize(300, 200);
    graph::ChartControl chart{&host, QStringLiteral("GraphLeft"), QStringLiteral("Price"), true};
    chart.resize(217, 177);
    Paints counter(chart);
    host.show();
    QCoreApplication::processEvents();
    const auto paintsAfter = [&](const std::function<void()> &change) {
        counter.count = 0;
        change();
        QCoreApplication::processEvents();
        return counter.count;
    };

    EXPECT_EQ(paintsAfter([&] {
                  for (int k = 1; k <= 30; ++k)
                      chart.setAt(p::Value, k, static_cast<float>(k));
                  chart.set(p::YMax, 40);
              }),
              1);
    EXPECT_EQ(paintsAfter([&] { chart.set(p::YMin, 5); }), 1);
    EXPECT_EQ(paintsAfter([&] {}), 0);

    EXPECT_EQ(paintsAfter([&] {
                  chart.setVisible(false);
                  chart.setAt(p::Value, 3, 7.0f);
                  chart.setVisible(true);
              }),
              1);
    EXPECT_EQ(paintsAfter([&] {
                  chart.setAt(p::Value, 4, 8.0f);
                  chart.setVisible(false);
              }),
              0);
    chart.setVisible(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(paintsAfter([&] { chart.setAt(p::Value, 5, 9.0f); }), 1);

    host.hide();
    chart.setAt(p::Value, 6, 10.0f);
    EXPECT_EQ(paintsAfter([&] { host.show(); }), 1);
    EXPECT_EQ(paintsAfter([&] { chart.set(p::YMax, 50); }), 1);
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
