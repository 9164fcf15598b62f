#pragma once

#include "platform/forms/Control.h"

#include <QColor>
#include <QVariant>
#include <QWidget>

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class QFontMetrics;
class QPainter;

namespace tarvello::graph {

// The chart control's members, by the numbers the game drives it with.
namespace prop {
inline constexpr int32_t Background = 5;    // palette colour of the plot area
inline constexpr int32_t DataColor = 13;    // palette colour of every data set
inline constexpr int32_t MaPeriod = 15;     // points of the moving average
inline constexpr int32_t PlotPhase = 20;    // 9 begins a plot (clears the lines), 25 ends it
inline constexpr int32_t Repaint = 21;      // last write of a recolouring
inline constexpr int32_t ElementColor = 38; // colour of the element chosen by ElementSelect
inline constexpr int32_t ElementSelect = 39;
inline constexpr int32_t Title = 43;
inline constexpr int32_t GraphType = 44; // 6 lines, 18 open-high-low-close bars
inline constexpr int32_t XLabelStep = 53;
inline constexpr int32_t PointCount = 66;
inline constexpr int32_t SetCount = 67;
inline constexpr int32_t SecondColor = 70;
inline constexpr int32_t CurrentSet = 102;
inline constexpr int32_t XTickStep = 103;
inline constexpr int32_t LastShown = 111;
inline constexpr int32_t FirstShown = 112;
inline constexpr int32_t YMax = 118;
inline constexpr int32_t YMin = 119;
inline constexpr int32_t YDivisions = 123;
inline constexpr int32_t YLabelStyle = 124;
inline constexpr int32_t YLabelFormat = 142;
inline constexpr int32_t SetColor = 157; // indexed by set
inline constexpr int32_t Value = 158;    // indexed by point, in the current set
inline constexpr int32_t XLabel = 168;   // indexed by point
inline constexpr int32_t SecondValue = 170;
inline constexpr int32_t YLabel = 176; // indexed by label, 1 at the bottom
inline constexpr int32_t Lines = 193;  // 1 mean, 2 min-max, 16 moving average, on the current set
inline constexpr int32_t BorderStyle = -504;
inline constexpr int32_t HostWidth = static_cast<int32_t>(0x80010005u);
inline constexpr int32_t HostVisible = static_cast<int32_t>(0x80010007u);
} // namespace prop

inline constexpr int kLineGraph = 6;
inline constexpr int kBarGraph = 18;
inline constexpr float kEmptyValue = -500.0f;
// Line elements chosen by ElementSelect.
inline constexpr int kAxisElement = 0, kLabelElement = 4, kTitleElement = 6, kMeanElement = 8,
                     kMinMaxElement = 9, kMovingAverageElement = 12;
inline constexpr int kLineMean = 1, kLineMinMax = 2, kLineMovingAverage = 16;

// The 16 colours the chart's palette numbers name.
QColor paletteColor(int index);

// A horizontal one-pixel line from `left` to `right` at `y`, exactly as the painter draws such a line
// without antialiasing, but filled as a rectangle: the painter draws a line pixel by pixel, and a
// line as wide as a chart is enough for it to hand its pixels to other threads and wait for them.
void drawLevelLine(QPainter &painter, double left, double right, double y, const QColor &colour);

// A chart control: data sets 1..S of points 1..N, driven by numbered members. Every member keeps the
// value last written, so a read returns it; the widget paints what the members describe. Values are
// kept per set and point whatever the counts; a value never written reads as the empty marker -500. The
// chart draws only what the current drawing wrote: a value written before the last plot began (20 := 9,
// which every reset and redraw writes), or before its point or set last fell outside the point or set
// count, is read back but not drawn when a count is raised over it again; so is an X label.
class ChartControl : public forms::ControlWidget<QWidget> {
    Q_OBJECT
public:
    // `zeroIsEmpty`: a price chart, where a value of 0 is an empty bar part and is not drawn.
    ChartControl(QWidget *parent, const QString &name, const QString &title, bool zeroIsEmpty);

    void set(int32_t dispid, const QVariant &value);
    void setAt(int32_t dispid, int index, const QVariant &value);
    QVariant get(int32_t dispid) const;
    QVariant getAt(int32_t dispid, int index) const;

    int number(int32_t dispid) const { return get(dispid).toInt(); }
    float single(int32_t dispid) const { return get(dispid).toFloat(); }
    float value(int set, int point) const;
    QString title() const { return get(prop::Title).toString(); }
    // Whether the chart draws the value of `set` at `point`: one of the sets and points counted,
    // written by the current drawing, not empty and inside the Y range.
    bool shows(int set, int point) const;
    int lines(int set) const;
    QColor setColor(int set) const;
    QColor elementColor(int element) const;
    // The Y label texts as drawn, bottom first: written texts, else the automatic ones.
    QStringList yLabels() const;

    // Where the chart draws: the plot frame, the vertical position of a value on the Y axis and the
    // horizontal one of a point, and the X labels drawn with their places: every label of the step
    // that the current drawing wrote, in the order of their points.
    QRect plotFrame() const;
    double yOf(double value) const;
    double xOf(int point) const;
    struct XLabelPlace {
        int point;
        QString text;
        QRectF rect;
    };
    std::vector<XLabelPlace> xLabelPlaces() const;

    // Every write in order (member, index or 0, value) from the last startLog() on, for checking write
    // sequences. Nothing is logged until then: a game writes thousands of members a period.
    struct Write {
        int32_t dispid;
        int index;
        QVariant value;
    };
    void startLog()
    {
        writes_.clear();
        logging_ = true;
    }
    const std::vector<Write> &writes() const { return writes_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    static QFont labelFont();
    // The plot frame less a margin at the top and the bottom: where the Y axis runs.
    QRectF valueArea() const;
    // The Y label texts from the members: written texts, else the automatic ones.
    QStringList writtenYLabels() const;
    // The X labels of the step that the current drawing wrote, placed under the frame.
    std::vector<XLabelPlace> placeXLabels(const QFontMetrics &metrics, const QRect &frame,
                                          const QRectF &area) const;

    // What the labels' measures decide: the label texts and their places, the plot frame and the value
    // area. Measured once per drawing, at the first need after a write (or at a new size), since a
    // drawing and every repaint after it would otherwise measure each label several times.
    struct Layout {
        QSize size;
        QStringList yTexts;
        int yLabelWidth = 0;
        int lineHeight = 0;
        int ascent = 0;
        QRect frame;
        QRectF area;
        std::vector<XLabelPlace> xPlaces;
    };
    const Layout &layout() const;
    double yIn(const QRectF &area, double value) const;
    double xIn(const QRectF &area, int point) const;
    bool drawn(float v) const;
    // Whether a point (or set) left out by a lowered count since `written`.
    static bool leftOutSince(const std::vector<uint64_t> &stamps, int n, uint64_t written);
    // Whether something written at `written` for a point belongs to the current drawing: written after
    // the last plot began, and the point not left out by a lowered count since.
    bool writtenByThisDrawing(uint64_t written, int point) const;
    // The value the chart draws at a point of a set, if any (see shows()).
    std::optional<float> shownValue(int set, int point) const;
    // The X label the chart draws at a point: the text the current drawing wrote, else none.
    QString shownXLabel(int point) const;
    // A count lowered from `from` to `to`: the points (or sets) it leaves out get the current stamp.
    void leaveOut(std::vector<uint64_t> &stamps, int from, int to);

    struct StoredValue {
        float value;
        uint64_t written; // write order stamp
    };

    bool zeroIsEmpty_;
    std::map<int32_t, QVariant> members_;
    std::map<std::pair<int32_t, int>, QVariant> indexed_;
    std::map<std::pair<int, int>, StoredValue> values_;
    // Write order stamps: of each value (above), of the last plot begun, and of the last time each
    // point and each set (by number) fell outside the point or set count.
    uint64_t stamp_ = 0;
    uint64_t plotBegun_ = 0;
    std::vector<uint64_t> pointLeftOut_;
    std::vector<uint64_t> setLeftOut_;
    std::map<int, uint64_t> labelWritten_; // write order stamp of each point's X label
    std::map<int, int> lines_;             // statistics lines by the set they were written on
    std::map<int, int> elementColors_;
    std::vector<Write> writes_;
    bool logging_ = false;
    mutable std::optional<Layout> layout_; // dropped at every write
    // A drawing of the whole chart is already asked for: the game writes hundreds of members a
    // period, and asking again at each costs more than the drawing's own bookkeeping.
    bool repaintAsked_ = false;
    void askRepaint();
};

} // namespace tarvello::graph
