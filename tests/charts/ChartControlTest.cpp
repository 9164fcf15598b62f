#include "platform/graph/ChartControl.h"
#include "support/Paints.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

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

// Date labels stay within the chart's width, the latest included, and values at the axis' minimum and
// maximum (an indicator at 0% or 100%) lie clear of the frame's lines.
TEST_F(ChartControlTest, LabelsAndBoundLinesStayInsideTheChart)
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
        EXPECT_EQ(places.back().point, (c.points - 1) / c.step * c.step + 1);
        for (const auto &place : places) {
            EXPECT_GE(place.rect.left(), 0.0) << "point " << place.point;
            EXPECT_LE(place.rect.right(), chart.width()) << "point " << place.point;
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

// Every label the step asks for is drawn inside the chart, apart and in order: an edge label that
// would run over the frame is moved inward, and its neighbours aside, rather than left out; labels
// that need more than the frame's width take the chart's. Only labels wider together than the chart
// are thinned, the latest kept. A label the drawing did not write (before the last plot began, or at
// a point a lowered count left out) is not drawn.
TEST_F(ChartControlTest, EveryLabelOfTheStepIsDrawnInsideTheChart)
{
    chart.resize(217, 177);
    chart.set(p::YMin, 0);
    chart.set(p::YMax, 30);
    chart.set(p::YDivisions, 4);
    const struct {
        const char *what;
        int points, step, firstWritten;
        std::vector<int> labelled;
        bool inFrame;
    } charts[] = {
        {"thirty Daily days", 30, 7, 1, {1, 8, 15, 22, 29}, false},
        {"four days", 4, 1, 1, {1, 2, 3, 4}, true},
        {"six days: wider than the chart under their points", 6, 1, 1, {2, 4, 6}, false},
        {"eight labels: more than the chart holds", 30, 4, 1, {5, 13, 21, 29}, false},
        {"five labels crowded on the right half", 59, 6, 30, {37, 55}, false},
    };
    for (const auto &c : charts) {
        SCOPED_TRACE(c.what);
        chart.set(p::PlotPhase, 9);
        chart.set(p::PointCount, c.points);
        chart.set(p::XLabelStep, c.step);
        for (int k = 1; k <= c.points; ++k)
            chart.setAt(p::XLabel, k,
                        k < c.firstWritten ? QString()
                                           : QStringLiteral("1/%1/1990").arg(k - c.firstWritten + 1));
        const QRect frame = chart.plotFrame();
        const auto places = chart.xLabelPlaces();
        std::vector<int> drawn;
        for (const auto &place : places)
            drawn.push_back(place.point);
        EXPECT_EQ(drawn, c.labelled);
        for (std::size_t i = 0; i < places.size(); ++i) {
            const auto &place = places[i];
            SCOPED_TRACE(testing::Message() << "point " << place.point);
            EXPECT_EQ(place.text, chart.getAt(p::XLabel, place.point).toString());
            EXPECT_GE(place.rect.left(), c.inFrame ? frame.left() : 0);
            EXPECT_LE(place.rect.right(), c.inFrame ? frame.left() + frame.width() : chart.width());
            if (i > 0) {
                EXPECT_GE(place.rect.left(), places[i - 1].rect.right() + 1.0);
            }
            EXPECT_LE(place.rect.left(), chart.xOf(place.point));
            EXPECT_GE(place.rect.right(), chart.xOf(place.point));
        }
    }

    for (int k = 1; k <= 6; ++k)
        chart.setAt(p::XLabel, k, QStringLiteral("12/%1/1990").arg(k));
    chart.set(p::PlotPhase, 9); // the next drawing labels only points 4 to 6
    chart.set(p::PointCount, 3);
    chart.set(p::PointCount, 6);
    chart.set(p::XLabelStep, 2);
    for (int k = 4; k <= 6; ++k)
        chart.setAt(p::XLabel, k, QStringLiteral("1/%1/1991").arg(k));
    const auto drawnPoints = [this] {
        std::vector<int> drawn;
        for (const auto &place : chart.xLabelPlaces())
            drawn.push_back(place.point);
        return drawn;
    };
    EXPECT_EQ(drawnPoints(), (std::vector<int>{5}));
    chart.setAt(p::XLabel, 3, QStringLiteral("1/3/1991"));
    EXPECT_EQ(drawnPoints(), (std::vector<int>{3, 5}));
}

// A value with no drawn neighbour is drawn as a dot in its set's colour, and so is a moving average
// with a single value: every value the drawing wrote can be seen.
TEST_F(ChartControlTest, ALoneValueIsDrawnAsADot)
{
    chart.resize(217, 177);
    chart.set(p::YMin, 0);
    chart.set(p::YMax, 100);
    chart.set(p::PointCount, 7);
    chart.set(p::SetCount, 2);
    chart.setAt(p::SetColor, 1, 14);
    chart.setAt(p::SetColor, 2, 10);
    chart.set(p::ElementSelect, graph::kMovingAverageElement);
    chart.set(p::ElementColor, 12);
    chart.set(p::PlotPhase, 9);
    const struct {
        int set, point;
        float value;
    } lone[] = {{1, 1, 20.0f}, {1, 7, 80.0f}, {2, 4, 35.0f}};
    for (const auto &v : lone) {
        chart.set(p::CurrentSet, v.set);
        chart.setAt(p::Value, v.point, v.value);
    }
    chart.set(p::CurrentSet, 1);
    chart.setAt(p::Value, 3, 50.0f); // points 3 and 4 make a line, and a moving average of two at 4
    chart.setAt(p::Value, 4, 70.0f);
    chart.set(p::MaPeriod, 2);
    chart.set(p::Lines, graph::kLineMovingAverage);
    const QImage image = chart.grab().toImage();
    const auto colourAt = [&](int point, float value) {
        return QColor(image.pixel(static_cast<int>(chart.xOf(point)), static_cast<int>(chart.yOf(value))));
    };
    for (const auto &v : lone)
        EXPECT_EQ(colourAt(v.point, v.value), chart.setColor(v.set))
            << "set " << v.set << " point " << v.point;
    EXPECT_EQ(colourAt(4, 60.0f), chart.elementColor(graph::kMovingAverageElement)) << "moving average";
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
