// The graph option menus and the chart instrument list: each changes a chart option and redraws.
#include "charts/ui/ChartServices.h"

#include "data/TickData.h"
#include "platform/graph/ChartControl.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <array>

namespace tarvello {

namespace {

namespace p = graph::prop;

// The Graph Options item of each instrument, by CommodityID 1 to 6: the menu lists them as Oil, Gold,
// T-Bond, SP500, Cattle, Soybean.
constexpr std::array<int16_t, 6> kGraphItem = {4, 1, 0, 3, 5, 2};
// The CommodityID and the list text of each Graph Options item.
constexpr std::array<int32_t, 6> kItemCommodity = {3, 2, 6, 4, 1, 5};
constexpr std::array<const char *, 6> kItemText = {"Oil", "Gold", "T-Bond", "SP500", "Cattle", "Soybean"};

void checkOnly(Halvern::MenuArray &menu, int16_t item)
{
    for (const auto &[index, entry] : menu)
        entry->setChecked(index == item);
}

void setChecked(Halvern::MenuArray &menu, std::initializer_list<int16_t> items, bool checked)
{
    for (int16_t i : items)
        menu[i]->setChecked(checked);
}

forms::ClickHandler instrumentListClick(App &app)
{
    return [&app] { cboCommodity_Click(app); };
}

QString movingAverageCaption(int16_t period)
{
    return QStringLiteral("Moving Average - ") + QString::number(period);
}

} // namespace

void ShowChartedInstrumentInList(App &app, int32_t commodityId, const QString &text)
{
    forms::ComboBox &list = *app.main().cboCommodity;
    const int entry = commodityId - 1;
    if (entry >= 0 && entry < list.listCount() && entry != list.listIndex()) {
        // The list's click would chart and redraw at once; the caller does both in its own time.
        list.setClickHandler({});
        list.setListIndex(entry);
        list.setClickHandler(instrumentListClick(app));
    }
    list.setText(text);
}

void cboCommodity_Click(App &app)
{
    Halvern &w = app.main();
    const int32_t charted = w.cboCommodity->listIndex() + 1;
    app.state.chart.selectedCommodity = charted;
    if (charted >= 1 && charted <= 6)
        checkOnly(w.mnuGraph, kGraphItem[charted - 1]);
    UpdateGraphs(app);
}

void mnuGraph_Click(App &app, int16_t index)
{
    Halvern &w = app.main();
    if (index >= 0 && index <= 5) {
        checkOnly(w.mnuGraph, index);
        ShowChartedInstrumentInList(app, kItemCommodity[index], QString::fromLatin1(kItemText[index]));
        app.state.chart.selectedCommodity = kItemCommodity[index];
    }
    UpdateGraphs(app);
}

void mnuGLType_Click(App &app, int16_t index)
{
    Halvern &w = app.main();
    if (index == 0 || index == 2) {
        w.mnuGLType[0]->setChecked(index == 0);
        w.mnuGLType[2]->setChecked(index == 2);
        setChecked(w.mnuGLPrice, {0, 1}, false);
        UpdateGraphs(app);
    }
    graph::ChartControl &left = *w.GraphLeft;
    const DataKind kind = app.state.settings.dataType;
    if (w.mnuGLType[0]->checked()) {
        if (kind == DataKind::Daily)
            left.set(p::Title, QStringLiteral("Open-High-Low-Close"));
        else if (kind == DataKind::Tick)
            left.set(p::Title, TickDayIndex(app.state.clock.tradeDay).value_or(0.0f) >= 1
                                   ? QStringLiteral("Open-High-Low-Close")
                                   : QStringLiteral("Price"));
    }
    if (w.mnuGLType[2]->checked())
        left.set(p::Title, QStringLiteral("Year-to-Date"));
}

void mnuGLPrice_Click(App &app, int16_t index)
{
    Halvern &w = app.main();
    if (index == 0 || index == 1) {
        forms::MenuItem &item = *w.mnuGLPrice[index];
        if (!item.checked()) {
            item.setChecked(true);
            setChecked(w.mnuGLType, {0, 2}, false);
            UpdateGraphs(app);
        } else {
            item.setChecked(false);
        }
    }
    if (w.mnuGLPrice[0]->checked() || w.mnuGLPrice[1]->checked())
        w.GraphLeft->set(p::Title, QStringLiteral("Price"));
    UpdateGraphs(app);
}

void mnuGRType_Click(App &app, int16_t index)
{
    Halvern &w = app.main();
    ChartOptions &chart = app.state.chart;
    switch (index) {
    case 0:
        setChecked(w.mnuGRType, {1, 2}, false);
        w.mnuGRType[0]->setCaption(movingAverageCaption(chart.movingAveragePeriod));
        chart.graphType = QStringLiteral("MovingAverage");
        w.GraphRight->set(p::Title, QStringLiteral("Moving Average"));
        break;
    case 1:
        chart.graphType = QStringLiteral("RelativeStrengthIndex");
        w.GraphRight->set(p::Title, QStringLiteral("Relative Strength Index"));
        w.mnuGRType[1]->setChecked(true);
        w.mnuGRType[2]->setChecked(false);
        setChecked(w.mnuMoving, {0, 1}, false);
        UpdateGraphs(app);
        break;
    case 2:
        chart.graphType = QStringLiteral("Stochastic");
        w.GraphRight->set(p::Title, QStringLiteral("Stochastic Indicator"));
        setChecked(w.mnuGRType, {1, 2}, false);
        setChecked(w.mnuMoving, {0, 1}, false);
        break;
    default:
        break;
    }
}

void mnuMoving_Click(App &app, int16_t index)
{
    Halvern &w = app.main();
    ChartOptions &chart = app.state.chart;
    if (index == 0 || index == 1) {
        forms::MenuItem &item = *w.mnuMoving[index];
        if (!item.checked()) {
            w.GraphRight->set(p::Title, QStringLiteral("Moving Average"));
            item.setChecked(true);
            w.mnuGRType[1]->setChecked(false);
            chart.graphType = QStringLiteral("MovingAverage");
        } else {
            item.setChecked(false);
        }
    } else if (index == 2) {
        // The count cycles within 0..2 so that it never runs out, however often the item is chosen.
        chart.movingAveragePeriodClicks = static_cast<int16_t>((chart.movingAveragePeriodClicks + 1) % 3);
        constexpr std::array<int16_t, 3> kPeriods = {5, 15, 20};
        chart.movingAveragePeriod = kPeriods[static_cast<std::size_t>(chart.movingAveragePeriodClicks)];
        w.mnuGRType[0]->setCaption(movingAverageCaption(chart.movingAveragePeriod));
        w.mnuMoving[2]->setCaption(QString::number(chart.movingAveragePeriod) + QStringLiteral(" periods"));
    }
    UpdateGraphs(app);
}

void mnuStoch_Click(App &app, int16_t index)
{
    Halvern &w = app.main();
    ChartOptions &chart = app.state.chart;
    if (index == 0 || index == 1) {
        w.mnuStoch[0]->setChecked(index == 0);
        w.mnuStoch[1]->setChecked(index == 1);
        chart.stochasticsKind =
            index == 0 ? QStringLiteral("FastStochastics") : QStringLiteral("SlowStochastics");
    }
    chart.graphType = QStringLiteral("Stochastic");
    w.GraphRight->set(p::Title, QStringLiteral("Stochastic Indicator"));
    w.mnuGRType[1]->setChecked(false);
    setChecked(w.mnuMoving, {0, 1}, false);
    UpdateGraphs(app);
}

void connectGraphMenus(App &app, Halvern &w)
{
    w.mnuGraph.setClickHandler([&app](int16_t i) { mnuGraph_Click(app, i); });
    w.mnuGLType.setClickHandler([&app](int16_t i) { mnuGLType_Click(app, i); });
    w.mnuGLPrice.setClickHandler([&app](int16_t i) { mnuGLPrice_Click(app, i); });
    w.mnuGRType.setClickHandler([&app](int16_t i) { mnuGRType_Click(app, i); });
    w.mnuMoving.setClickHandler([&app](int16_t i) { mnuMoving_Click(app, i); });
    w.mnuStoch.setClickHandler([&app](int16_t i) { mnuStoch_Click(app, i); });
    w.cboCommodity->setClickHandler(instrumentListClick(app));
}

} // namespace tarvello
