// The charts' colours for the screen scheme, their point windows, and their visibility.
#include "charts/ui/ChartDrawing.h"
#include "charts/ui/ChartServices.h"

#include "common/Level.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

namespace p = graph::prop;

namespace {

enum class Scheme { Dark, Mono, Other };

Scheme schemeOf(const Halvern &w)
{
    switch (w.backColor()) {
    case 0x000000:
    case 0xC0C0C0:
        return Scheme::Dark;
    case 0xFFFFFF:
        return Scheme::Mono;
    default:
        return Scheme::Other;
    }
}

constexpr int kFrameElements[] = {graph::kAxisElement, graph::kLabelElement, graph::kTitleElement,
                                  graph::kMeanElement, graph::kMinMaxElement};

void colourElements(ChartControl &graph, int colour)
{
    for (int e : kFrameElements) {
        graph.set(p::ElementSelect, e);
        graph.set(p::ElementColor, colour);
    }
}

void leftBlock(ChartControl &left, Scheme scheme)
{
    if (scheme == Scheme::Other)
        return;
    const bool dark = scheme == Scheme::Dark;
    const int data = dark ? 14 : 0;
    left.set(p::DataColor, data);
    const int sets = left.number(p::SetCount);
    for (int n = 1; n <= sets; ++n)
        left.setAt(p::SetColor, n, data);
    if (dark) {
        left.set(p::ElementColor, 15);
        left.set(p::Background, 1);
    } else {
        left.set(p::Background, 7);
        left.set(p::ElementColor, 0);
    }
    colourElements(left, dark ? 15 : 0);
}

void rightColours(ChartControl &right, Scheme scheme, const QString &type, int16_t tradeDay)
{
    const bool movingAverage = type == QLatin1String("MovingAverage");
    const bool stochastic = type == QLatin1String("Stochastic");
    const bool rsi = type == QLatin1String("RelativeStrengthIndex");
    if (!movingAverage && !stochastic && !rsi)
        return;
    if (rsi) {
        right.set(75, 3);
        right.set(78, 1);
    }
    right.set(100, 1);
    if (scheme == Scheme::Other)
        return;
    const bool dark = scheme == Scheme::Dark;
    if (movingAverage) {
        right.set(p::DataColor, dark ? 14 : 0);
        if (!dark) {
            right.setAt(p::SetColor, 1, 0);
            right.setAt(p::SetColor, 2, 9);
        }
    } else if (stochastic) {
        if (tradeDay < 5) {
            right.setAt(p::SetColor, 1, dark ? 14 : 0);
        } else {
            right.setAt(p::SetColor, 1, dark ? 12 : 0);
            right.setAt(p::SetColor, 2, dark ? 10 : 9);
        }
    } else if (tradeDay <= 15) {
        if (dark) {
            right.set(p::DataColor, 14);
        } else {
            right.setAt(p::SetColor, 1, 0);
            right.set(p::SecondColor, 0);
        }
    } else {
        right.setAt(p::SetColor, 1, dark ? 12 : 9);
        right.set(p::SecondColor, dark ? 14 : 0);
    }

    if (dark) {
        right.set(p::ElementColor, 15);
        right.set(p::Background, 1);
        colourElements(right, 15);
        right.set(p::ElementSelect, graph::kMovingAverageElement);
        right.set(p::ElementColor, 12);
    } else if (!rsi) {
        right.set(p::Background, 7);
        right.set(p::ElementColor, 0);
        colourElements(right, 0);
        right.set(p::ElementSelect, graph::kMovingAverageElement);
        right.set(p::ElementColor, 12);
    } else {
        right.set(p::Background, 7);
        right.set(p::ElementColor, 0);
        for (int e : {graph::kAxisElement, graph::kTitleElement, graph::kLabelElement}) {
            right.set(p::ElementSelect, e);
            right.set(p::ElementColor, 0);
        }
    }
}

} // namespace

void ApplyGraphColors(App &app)
{
    Halvern &w = app.main();
    ChartControl &left = *w.GraphLeft;
    ChartControl &right = *w.GraphRight;
    const Scheme scheme = schemeOf(w);
    const int16_t tradeDay = app.state.clock.tradeDay;

    if (left.number(p::GraphType) == graph::kBarGraph) {
        left.set(100, 0);
        leftBlock(left, scheme);
    }
    if (left.number(p::GraphType) == graph::kLineGraph) {
        left.set(100, 1);
        left.set(155, 1);
        leftBlock(left, scheme);
    }
    rightColours(right, scheme, app.state.chart.graphType, tradeDay);

    const bool yearToDate = w.mnuGLType[2]->checked();
    if (left.number(p::PointCount) >= 30 && !yearToDate) {
        left.set(115, 2);
        left.set(116, 1);
        left.set(p::XTickStep, 1);
        left.set(p::PointCount, 30);
        left.set(p::XLabelStep, 5);
    } else if (yearToDate) {
        left.set(115, 0);
        left.set(155, 1);
        left.set(p::PointCount, tradeDay == 0 ? 4 : tradeDay == 1 ? 2 : tradeDay);
        left.set(p::XLabelStep, 30);
    }
    if (right.number(p::PointCount) > 30) {
        right.set(p::PointCount, 30);
        right.set(p::XLabelStep, 5);
    } else {
        right.set(p::XLabelStep, tradeDay < 4 ? 1 : 4);
    }
    if (right.single(p::LastShown) > 30.0f) {
        right.set(115, 2);
        right.set(p::LastShown, 30);
    }

    SetIndicatorXAxis(app);
    right.set(88, 0);
    SetIndicatorYLabels(app);
    right.set(p::Repaint, 3);
    left.set(p::Repaint, 3);
}

void ShowGraphs(App &app)
{
    Halvern &w = app.main();
    ChartControl &left = *w.GraphLeft;
    ChartControl &right = *w.GraphRight;
    const bool report = w.TradeGrid->visible() || w.newsgrid->visible();
    auto keepWidth = [](ChartControl &graph) {
        if (graph.single(p::HostWidth) != 3132.0f)
            graph.set(p::HostWidth, 3132.0f);
    };
    if (app.state.settings.level == Level::Novice) {
        right.set(p::HostVisible, true);
        keepWidth(left);
        left.set(p::HostVisible, !report);
        return;
    }
    keepWidth(left);
    keepWidth(right);
    left.set(p::HostVisible, !report);
    right.set(p::HostVisible, !report);
}

} // namespace tarvello
