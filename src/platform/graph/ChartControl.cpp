#include "platform/graph/ChartControl.h"

#include "common/Formats.h"
#include "platform/graph/ChartLines.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace tarvello::graph {

namespace {

constexpr std::array<QRgb, 16> kPalette = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                           0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                           0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// The state of a chart before any write: four empty points of one set on a 0 to 100 axis.
const std::map<int32_t, QVariant> kDefaults = {{prop::PointCount, 4},
                                               {prop::SetCount, 1},
                                               {prop::CurrentSet, 1},
                                               {prop::YMax, 100.0f},
                                               {prop::YMin, 0.0f},
                                               {prop::YDivisions, 4},
                                               {prop::GraphType, kLineGraph},
                                               {prop::Background, 1},
                                               {prop::DataColor, 14},
                                               {prop::XLabelStep, 1},
                                               {prop::XTickStep, 1},
                                               {prop::MaPeriod, 5},
                                               {prop::YLabelFormat, QStringLiteral("\\$#,##0")}};

// The radius of the dot that shows a value without a drawn neighbour: about twice a line's width.
constexpr double kDotRadius = 2.0;

bool isSingle(int32_t dispid)
{
    return dispid == prop::YMax || dispid == prop::YMin;
}

} // namespace

QColor paletteColor(int index)
{
    if (index < 0 || index >= static_cast<int>(kPalette.size()))
        return QColor(kPalette[15]);
    return QColor(kPalette[index]);
}

ChartControl::ChartControl(QWidget *parent, const QString &name, const QString &title, bool zeroIsEmpty)
    : ControlWidget(parent, name, QStringLiteral("Graph"), false, 0x000000, 0xFFFFFF),
      zeroIsEmpty_(zeroIsEmpty)
{
    members_ = kDefaults;
    members_[prop::Title] = title;
    elementColors_ = {{kAxisElement, 15}, {kLabelElement, 15},  {kTitleElement, 15},
                      {kMeanElement, 15}, {kMinMaxElement, 15}, {kMovingAverageElement, 12}};
}

void ChartControl::set(int32_t dispid, const QVariant &value)
{
    if (logging_)
        writes_.push_back({dispid, 0, value});
    layout_.reset();
    if (dispid == prop::HostWidth) {
        setTwipWidth(static_cast<int>(std::lround(value.toDouble())));
        return;
    }
    if (dispid == prop::HostVisible) {
        setVisible(value.toBool());
        return;
    }
    if (dispid == prop::PointCount)
        leaveOut(pointLeftOut_, number(prop::PointCount), value.toInt());
    else if (dispid == prop::SetCount)
        leaveOut(setLeftOut_, number(prop::SetCount), value.toInt());
    members_[dispid] = isSingle(dispid) ? QVariant(value.toFloat()) : value;
    switch (dispid) {
    case prop::YMax:
    case prop::YMin:
    case prop::YDivisions:
        // A new scale drops the labels written for the old one, so an indicator's percent labels never
        // stay under a price line.
        std::erase_if(indexed_, [](const auto &entry) { return entry.first.first == prop::YLabel; });
        break;
    case prop::PlotPhase:
        if (value.toInt() == 9) {
            lines_.clear(); // a plot begins: the lines are written again if wanted
            plotBegun_ = ++stamp_;
        }
        break;
    case prop::Lines:
        lines_[number(prop::CurrentSet)] = value.toInt();
        break;
    case prop::ElementColor:
        elementColors_[number(prop::ElementSelect)] = value.toInt();
        break;
    case prop::DataColor:
        std::erase_if(indexed_, [](const auto &entry) { return entry.first.first == prop::SetColor; });
        break;
    default:
        break;
    }
    askRepaint();
}

void ChartControl::setAt(int32_t dispid, int index, const QVariant &value)
{
    if (logging_)
        writes_.push_back({dispid, index, value});
    layout_.reset();
    if (dispid == prop::Value)
        values_[{number(prop::CurrentSet), index}] = {value.toFloat(), ++stamp_};
    else if (dispid == prop::SecondValue)
        indexed_[{dispid, index}] = value.toFloat();
    else
        indexed_[{dispid, index}] = value;
    if (dispid == prop::XLabel)
        labelWritten_[index] = ++stamp_;
    askRepaint();
}

void ChartControl::askRepaint()
{
    // A hidden chart is drawn whole when it is shown.
    if (repaintAsked_ || !isVisible())
        return;
    repaintAsked_ = true;
    update();
}

void ChartControl::hideEvent(QHideEvent *event)
{
    repaintAsked_ = false;
    ControlWidget::hideEvent(event);
}

QVariant ChartControl::get(int32_t dispid) const
{
    if (dispid == prop::HostWidth)
        return static_cast<float>(twipWidth());
    if (dispid == prop::HostVisible)
        return visible();
    const auto it = members_.find(dispid);
    return it == members_.end() ? QVariant(0) : it->second;
}

QVariant ChartControl::getAt(int32_t dispid, int index) const
{
    if (dispid == prop::Value)
        return value(number(prop::CurrentSet), index);
    const auto it = indexed_.find({dispid, index});
    if (it != indexed_.end())
        return it->second;
    if (dispid == prop::SecondValue)
        return kEmptyValue;
    return dispid == prop::XLabel || dispid == prop::YLabel ? QVariant(QString()) : QVariant(0);
}

float ChartControl::value(int set, int point) const
{
    const auto it = values_.find({set, point});
    return it == values_.end() ? kEmptyValue : it->second.value;
}

void ChartControl::leaveOut(std::vector<uint64_t> &stamps, int from, int to)
{
    to = std::max(to, 0);
    if (from <= to)
        return;
    if (stamps.size() <= static_cast<std::size_t>(from))
        stamps.resize(static_cast<std::size_t>(from) + 1, 0);
    const uint64_t now = ++stamp_;
    std::fill(stamps.begin() + to + 1, stamps.begin() + from + 1, now);
}

bool ChartControl::leftOutSince(const std::vector<uint64_t> &stamps, int n, uint64_t written)
{
    return n >= 0 && static_cast<std::size_t>(n) < stamps.size() &&
           stamps[static_cast<std::size_t>(n)] > written;
}

bool ChartControl::writtenByThisDrawing(uint64_t written, int point) const
{
    return written > plotBegun_ && !leftOutSince(pointLeftOut_, point, written);
}

std::optional<float> ChartControl::shownValue(int set, int point) const
{
    const auto it = values_.find({set, point});
    if (it == values_.end())
        return std::nullopt;
    const uint64_t written = it->second.written;
    if (!writtenByThisDrawing(written, point) || leftOutSince(setLeftOut_, set, written) ||
        !drawn(it->second.value))
        return std::nullopt;
    return it->second.value;
}

QString ChartControl::shownXLabel(int point) const
{
    const auto it = labelWritten_.find(point);
    if (it == labelWritten_.end() || !writtenByThisDrawing(it->second, point))
        return {};
    return getAt(prop::XLabel, point).toString();
}

bool ChartControl::shows(int set, int point) const
{
    return set >= 1 && set <= number(prop::SetCount) && point >= 1 && point <= number(prop::PointCount) &&
           shownValue(set, point).has_value();
}

int ChartControl::lines(int set) const
{
    const auto it = lines_.find(set);
    return it == lines_.end() ? 0 : it->second;
}

QColor ChartControl::setColor(int set) const
{
    const auto it = indexed_.find({prop::SetColor, set});
    return paletteColor(it != indexed_.end() ? it->second.toInt() : number(prop::DataColor));
}

QColor ChartControl::elementColor(int element) const
{
    const auto it = elementColors_.find(element);
    return paletteColor(it == elementColors_.end() ? 15 : it->second);
}

QStringList ChartControl::yLabels() const
{
    return layout().yTexts;
}

QStringList ChartControl::writtenYLabels() const
{
    const int divisions = std::max(1, number(prop::YDivisions));
    const double min = single(prop::YMin);
    const double max = single(prop::YMax);
    const double step = (max - min) / divisions;
    // Whole steps read as whole dollars; a fractional step keeps its cents, so no two labels repeat.
    QString pattern = get(prop::YLabelFormat).toString();
    if (std::fabs(step - std::round(step)) > 1e-4)
        pattern += QStringLiteral(".00");
    QStringList labels;
    for (int i = 1; i <= divisions + 1; ++i) {
        const QString written = getAt(prop::YLabel, i).toString();
        labels << (written.isEmpty() ? vb::format(min + (i - 1) * step, pattern) : written);
    }
    return labels;
}

bool ChartControl::drawn(float v) const
{
    if (v == kEmptyValue || (zeroIsEmpty_ && v == 0.0f))
        return false;
    return v >= single(prop::YMin) && v <= single(prop::YMax);
}

// Every attribute is set, so that a painter on the chart draws exactly the font the labels were
// measured in rather than taking the rest from the window's font; the game's windows are bold.
QFont ChartControl::labelFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(9);
    font.setBold(true);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QRect ChartControl::plotFrame() const
{
    return layout().frame;
}

QRectF ChartControl::valueArea() const
{
    return layout().area;
}

const ChartControl::Layout &ChartControl::layout() const
{
    if (layout_ && layout_->size == size())
        return *layout_;
    const QFontMetrics metrics(labelFont());
    Layout fresh;
    fresh.size = size();
    fresh.yTexts = writtenYLabels();
    for (const QString &t : fresh.yTexts)
        fresh.yLabelWidth = std::max(fresh.yLabelWidth, metrics.horizontalAdvance(t));
    fresh.lineHeight = metrics.height();
    fresh.ascent = metrics.ascent();
    const QRect whole = rect();
    fresh.frame = {whole.left() + fresh.yLabelWidth + 6, whole.top() + fresh.lineHeight + 4,
                   whole.width() - fresh.yLabelWidth - 12, whole.height() - 2 * fresh.lineHeight - 12};
    // The axis runs a few pixels inside the frame, so a line at the axis' minimum or maximum (an
    // indicator at 0% or 100%) is drawn clear of the frame rather than hidden under it.
    constexpr double kInset = 3.0;
    fresh.area = QRectF(fresh.frame).adjusted(0.0, kInset, 0.0, -kInset);
    fresh.xPlaces = placeXLabels(metrics, fresh.frame, fresh.area);
    layout_ = std::move(fresh);
    return *layout_;
}

double ChartControl::yIn(const QRectF &area, double value) const
{
    const double yMin = single(prop::YMin);
    const double yMax = single(prop::YMax);
    const double span = yMax > yMin ? yMax - yMin : 1.0;
    return area.bottom() - (value - yMin) / span * area.height();
}

double ChartControl::xIn(const QRectF &area, int point) const
{
    const int points = std::max(1, number(prop::PointCount));
    return area.left() + (point - 0.5) * area.width() / points;
}

double ChartControl::yOf(double value) const
{
    return yIn(valueArea(), value);
}

double ChartControl::xOf(int point) const
{
    return xIn(valueArea(), point);
}

std::vector<ChartControl::XLabelPlace> ChartControl::xLabelPlaces() const
{
    return layout().xPlaces;
}

std::vector<ChartControl::XLabelPlace>
ChartControl::placeXLabels(const QFontMetrics &metrics, const QRect &frame, const QRectF &area) const
{
    const int points = std::max(1, number(prop::PointCount));
    const int labelStep = std::max(1, number(prop::XLabelStep));
    std::vector<XLabelPlace> wanted;
    for (int p = 1; p <= points; p += labelStep) {
        const QString text = shownXLabel(p);
        if (text.isEmpty())
            continue;
        const int w = metrics.horizontalAdvance(text);
        wanted.push_back({p, text, QRectF(xIn(area, p) - w / 2.0, frame.bottom() + 4, w, metrics.height())});
    }
    // Every label of the step is drawn, each centred under its point as far as room allows: the labels
    // keep a gap between them and stay within the frame's width, or within the chart's when they need
    // more; an edge label is moved inward and its neighbours aside, but always stays under its point.
    // Only labels too many to read side by side under their points (wider together than the chart, or
    // crowded on a few points) are thinned: then every second (third, ...) one is drawn, counted back
    // from the latest.
    constexpr double kGap = 4.0, kLeastGap = 1.0;
    const double frameLeft = frame.left(), frameRight = frame.left() + frame.width();
    for (std::size_t every = 1; every <= wanted.size(); ++every) {
        std::vector<XLabelPlace> places;
        double widths = 0.0;
        for (std::size_t i = (wanted.size() - 1) % every; i < wanted.size(); i += every) {
            places.push_back(wanted[i]);
            widths += wanted[i].rect.width();
        }
        const auto gaps = static_cast<double>(places.size() - 1);
        const bool inFrame = widths + gaps * kGap <= frameRight - frameLeft;
        const double from = inFrame ? frameLeft : 0.0;
        const double to = inFrame ? frameRight : width();
        const double gap = gaps > 0.0 ? std::min(kGap, (to - from - widths) / gaps) : 0.0;
        if (gap < kLeastGap && places.size() > 1)
            continue;
        double freeFrom = from;
        for (XLabelPlace &place : places) {
            place.rect.moveLeft(
                std::clamp(place.rect.left(), freeFrom, std::max(freeFrom, to - place.rect.width())));
            freeFrom = place.rect.right() + gap;
        }
        double freeTo = to;
        for (auto it = places.rbegin(); it != places.rend(); ++it) {
            it->rect.moveLeft(std::max(from, std::min(it->rect.right(), freeTo) - it->rect.width()));
            freeTo = it->rect.left() - gap;
        }
        const bool underTheirPoints =
            std::all_of(places.begin(), places.end(), [&](const XLabelPlace &place) {
                const double x = xIn(area, place.point);
                return place.rect.left() <= x && x <= place.rect.right();
            });
        if (underTheirPoints || places.size() == 1)
            return places;
    }
    return wanted;
}

void drawLevelLine(QPainter &painter, double left, double right, double y, const QColor &colour)
{
    const int first = static_cast<int>(std::floor(left));
    const int last = static_cast<int>(std::floor(right));
    if (last > first) {
        painter.fillRect(QRect(first, static_cast<int>(std::floor(y)), last - first + 1, 1), colour);
    } else {
        painter.setPen(colour);
        painter.drawLine(QPointF(left, y), QPointF(right, y));
    }
}

void ChartControl::paintEvent(QPaintEvent *)
{
    repaintAsked_ = false;
    QPainter painter(this);
    const QRect whole = rect();
    painter.fillRect(whole, paletteColor(number(prop::Background)));
    painter.setFont(labelFont());
    const Layout &measured = layout();

    const int points = std::max(1, number(prop::PointCount));
    const int sets = std::max(0, number(prop::SetCount));
    const QStringList &yTexts = measured.yTexts;
    const int labelWidth = measured.yLabelWidth;
    const int lineHeight = measured.lineHeight;
    const QRect frame = measured.frame;
    const QRectF plot = measured.area;
    auto yOf = [this, &plot](double v) { return yIn(plot, v); };
    auto xOf = [this, &plot](int point) { return xIn(plot, point); };

    // Title, centred at the top.
    painter.setPen(elementColor(kTitleElement));
    painter.drawText(QRect(whole.left(), whole.top() + 2, whole.width(), lineHeight), Qt::AlignHCenter,
                     title());

    // Division lines and Y labels, label 1 at the bottom.
    const int divisions = std::max(1, number(prop::YDivisions));
    QColor grid = elementColor(kAxisElement);
    grid.setAlpha(60);
    for (int i = 0; i <= divisions; ++i) {
        const double y = plot.bottom() - static_cast<double>(i) * plot.height() / divisions;
        drawLevelLine(painter, plot.left(), plot.right(), y, grid);
        painter.setPen(elementColor(kLabelElement));
        painter.drawText(QRectF(whole.left() + 2, y - lineHeight / 2.0, labelWidth, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, yTexts.value(i));
    }

    // X ticks and labels, counted from point 1.
    const int tickStep = std::max(1, number(prop::XTickStep));
    painter.setPen(elementColor(kAxisElement));
    painter.drawRect(frame);
    for (int p = 1; p <= points; p += tickStep)
        painter.drawLine(QPointF(xOf(p), frame.bottom()), QPointF(xOf(p), frame.bottom() + 3));
    painter.setPen(elementColor(kLabelElement));
    for (const XLabelPlace &place : measured.xPlaces)
        painter.drawText(QPointF(place.rect.left(), place.rect.top() + measured.ascent), place.text);

    painter.setClipRect(frame);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (number(prop::GraphType) == kBarGraph) {
        // Each point: a line from low to high, the open to the left and the close to the right.
        const double tick = std::clamp(plot.width() / points / 3.0, 1.5, 5.0);
        painter.setPen(QPen(setColor(4), 1.2));
        for (int p = 1; p <= points; ++p) {
            const auto open = shownValue(1, p), high = shownValue(2, p), low = shownValue(3, p),
                       close = shownValue(4, p);
            const double x = xOf(p);
            if (high && low)
                painter.drawLine(QPointF(x, yOf(*high)), QPointF(x, yOf(*low)));
            if (open)
                painter.drawLine(QPointF(x - tick, yOf(*open)), QPointF(x, yOf(*open)));
            if (close)
                painter.drawLine(QPointF(x, yOf(*close)), QPointF(x + tick, yOf(*close)));
        }
        return;
    }

    auto plotted = [&](int set) {
        PlottedPoints out;
        for (int p = 1; p <= number(prop::PointCount); ++p)
            out.push_back(shownValue(set, p));
        return out;
    };
    // A value without a drawn neighbour has no line to show it: it is drawn as a dot instead, so every
    // value the drawing wrote can be seen (the first period's price, a moving average's first value).
    auto drawLine = [&](const PlottedPoints &line, const QColor &colour) {
        painter.setPen(QPen(colour, 1.3));
        for (std::size_t i = 1; i < line.size(); ++i) {
            if (line[i - 1] && line[i])
                painter.drawLine(QPointF(xOf(static_cast<int>(i)), yOf(*line[i - 1])),
                                 QPointF(xOf(static_cast<int>(i) + 1), yOf(*line[i])));
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (std::size_t i = 0; i < line.size(); ++i) {
            const bool lone = line[i] && (i == 0 || !line[i - 1]) && (i + 1 == line.size() || !line[i + 1]);
            if (lone)
                painter.drawEllipse(QPointF(xOf(static_cast<int>(i) + 1), yOf(*line[i])), kDotRadius,
                                    kDotRadius);
        }
        painter.setBrush(Qt::NoBrush);
    };
    auto drawLevel = [&](float level, const QColor &colour) {
        painter.setPen(QPen(colour, 1.0, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), yOf(level)), QPointF(plot.right(), yOf(level)));
    };
    for (int s = 1; s <= sets; ++s)
        drawLine(plotted(s), setColor(s));
    for (const auto &[set, mask] : lines_) {
        if (set < 1 || set > sets)
            continue;
        const PlottedPoints line = plotted(set);
        if (mask & kLineMean) {
            if (auto mean = LineMean(line))
                drawLevel(*mean, elementColor(kMeanElement));
        }
        if (mask & kLineMinMax) {
            if (auto range = LineMinMax(line)) {
                drawLevel(range->min, elementColor(kMinMaxElement));
                drawLevel(range->max, elementColor(kMinMaxElement));
            }
        }
        if (mask & kLineMovingAverage)
            drawLine(MovingAverageLine(line, number(prop::MaPeriod)), elementColor(kMovingAverageElement));
    }
}

} // namespace tarvello::graph
