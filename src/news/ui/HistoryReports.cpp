#include "charts/ui/ChartServices.h"
#include "flow/ui/MenuEnabling.h"
#include "news/BackgroundYear.h"
#include "news/ReportTexts.h"
#include "news/ui/NewsDisplay.h"
#include "news/ui/NewsReports.h"
#include "news/ui/Notification.h"
#include "platform/forms/Runtime.h"
#include "platform/forms/VbFont.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"
#include "windows/NewsWindow.h"

#include <QStringList>

#include <cmath>
#include <vector>

namespace tarvello {

namespace {

constexpr int kGridLeft = 3000;
constexpr int kGridWidth = 6100;
constexpr int kGridHeight = 1452;
constexpr int kFrameMargin = 252; // the frame is this much taller than the grid
constexpr int kCloseLeft = 5161;
constexpr int kChartWidth = 3132;
constexpr int kNoviceCloseChartWidth = 3312;

// The width of a text in the main window's font, in whole twips.
int textWidth(const Halvern &w, const QString &text)
{
    return forms::textWidthTwips(w.fontSpec(), text);
}

// Steps the opening of either report shares when it has something to list: the charts and the chart
// controls give way to the grid.
void clearChartsForReport(Halvern &w)
{
    w.GraphLeft->setVisible(false);
    w.GraphRight->setVisible(false);
    forms::doEvents();
    w.cboCommodity->setVisible(false);
    w.mnuGraphOpt->setEnabled(false);
    w.mnuGraphType->setEnabled(false);
    w.btnTradeHist->setEnabled(false);
    w.btnNewsHist->setEnabled(false);
}

// Closing either report brings the charts back. The instrument list stays hidden at Novice, where only
// Oil is charted; the graph menus come back at every level (they were only switched off for the report).
// The news report also puts the chart widths back.
enum class Closing { News, Trades };
void restoreCharts(App &app, Closing report)
{
    Halvern &w = app.main();
    const bool novice = app.state.settings.level == Level::Novice;
    if (report == Closing::News) {
        forms::Control &chart = novice ? static_cast<forms::Control &>(*w.GraphLeft) : *w.GraphRight;
        const int width = novice ? kNoviceCloseChartWidth : kChartWidth;
        if (chart.twipWidth() != width)
            chart.setTwipWidth(width);
    }
    if (!novice)
        w.cboCommodity->setVisible(true);
    w.GraphLeft->setVisible(true);
    w.GraphRight->setVisible(true);
    w.mnuGraphOpt->setEnabled(true);
    w.mnuGraphType->setEnabled(true);
}

template <size_t N> void writeRow(grid::Grid &g, int row, const std::array<QString, N> &cells)
{
    g.setRow(row);
    for (size_t c = 0; c < N; ++c) {
        g.setCol(static_cast<int>(c));
        g.setText(cells[c]);
    }
}

template <size_t N> QStringList listOf(const std::array<QString, N> &cells)
{
    return QStringList(cells.begin(), cells.end());
}

// The rows of records from grid row 1 on: the grid makes a row's texts from the game's records when it
// draws or reads it, so a report of any length opens at the cost of its heading. The records listed
// stay as they are while the report is up: a game only adds records after them, and starting a new game
// takes the report off the screen before the new game writes its own. The current cell is left where
// writing the rows one by one would leave it, on the last cell of the last row.
template <size_t N, class Row> void listRecords(grid::Grid &g, int count, Row row)
{
    g.setRowTexts(1, count, [row](int i) { return listOf<N>(row(i)); });
    g.setRow(count);
    g.setCol(static_cast<int>(N) - 1);
}

void placeGrid(grid::Grid &g, int height)
{
    g.setTwipLeft(kGridLeft);
    g.setTwipHeight(height);
    g.setTwipWidth(kGridWidth);
}

// Opening either report: the main window takes no input while the report is built.
void openReport(App &app, bool hasRows, void (*build)(App &))
{
    Halvern &w = app.main();
    w.setEnabled(false);
    DisableMainMenus(w);
    if (hasRows)
        clearChartsForReport(w);
    build(app);
    w.setEnabled(true);
    EnableMainMenus(w);
}

// Closing either report: its title, grid, close button and the shared frame go, the charts come back.
void closeReport(App &app, Closing report, std::initializer_list<forms::Control *> reportControls)
{
    Halvern &w = app.main();
    w.setEnabled(false);
    DisableMainMenus(w);
    restoreCharts(app, report);
    for (forms::Control *control : reportControls)
        control->setVisible(false);
    w.Shape2->setVisible(false);
    EnableVisibleButtons(w, app.state);
    EnableMainMenus(w);
    w.setEnabled(true);
}

void buildDailyNewsHistory(App &app)
{
    GameState &state = app.state;
    if (const auto year = BackgroundYearOfNewYear(state.settings.startDate))
        state.settings.gameYear = *year;
    const QString story =
        StoryText(state.news.stories, std::floor(state.settings.startDate), state.chart.selectedCommodity);
    ShowNewsText(app, BackgroundCaption(state), story);
}

void buildTickNewsHistory(App &app)
{
    GameState &state = app.state;
    Halvern &w = app.main();
    const int n = static_cast<int>(state.news.newsItems.size());
    state.news.newsEventCount = static_cast<int16_t>(n);
    if (n <= 0) {
        ShowNotification(app, QStringLiteral("News History"), QStringLiteral("* No News Stories *"),
                         QString(), 3);
        forms::doEvents();
        ShowGraphs(app);
        return;
    }
    grid::Grid &g = *w.newsgrid;
    const NewsReportPlace place = NewsReportPlaceFor(n);
    placeGrid(g, place.gridHeight);
    w.Shape2->setTwipHeight(place.frameHeight);
    w.btnCloseNewsHist->setTwipHeight(372);
    w.btnCloseNewsHist->setTwipTop(place.closeTop);

    w.Shape2->setVisible(true);
    DisableVisibleButtons(w);
    w.btnChangePeriod->setEnabled(false);
    w.btnTrade->setEnabled(false);
    g.setVisible(true);
    w.LabelNH->setVisible(true);
    w.btnCloseNewsHist->setTwipLeft(kCloseLeft);
    w.btnCloseNewsHist->setVisible(true);

    g.setCols(kNewsColumns);
    g.setRows(n + 1);
    g.clear(); // nothing of an earlier report shows where this one writes nothing
    const auto headings = NewsHistoryHeadings();
    const std::array<int, kNewsColumns> widths = {
        textWidth(w, headings[0]) + 100, 1000, textWidth(w, headings[2]) + 200,
        textWidth(w, NewsTitleSizingText()) + 100, textWidth(w, headings[4]) + 400};
    writeRow(g, 0, headings);
    for (int c = 0; c < kNewsColumns; ++c)
        g.setColWidth(c, widths[static_cast<size_t>(c)]);
    // Grid row i + 1 lists release n - i: the newest first.
    const std::vector<NewsItem> &items = state.news.newsItems;
    listRecords<kNewsColumns>(g, n, [&items, n](int i) {
        const int k = n - i;
        const auto at = static_cast<size_t>(k - 1);
        return NewsHistoryRow(at < items.size() ? items[at] : NewsItem{}, k);
    });
}

} // namespace

void btnNewsHist_Click(App &app)
{
    const bool listed = app.state.settings.dataType == DataKind::Tick && !app.state.news.newsItems.empty();
    openReport(app, listed, BuildNewsHistory);
}

void BuildNewsHistory(App &app)
{
    if (app.state.settings.dataType == DataKind::Daily)
        buildDailyNewsHistory(app);
    else
        buildTickNewsHistory(app);
}

void btnCloseNewsHist_Click(App &app)
{
    Halvern &w = app.main();
    closeReport(app, Closing::News, {w.LabelNH, w.newsgrid, w.btnCloseNewsHist});
}

void btnTradeHist_Click(App &app)
{
    openReport(app, app.state.account.totalTrades != 0, BuildTradeHistory);
}

void BuildTradeHistory(App &app)
{
    GameState &state = app.state;
    Halvern &w = app.main();
    const std::vector<OpenPositionLine> open = OpenPositionLines(state);
    const int32_t total = state.account.totalTrades;
    if (total <= 0) {
        ShowNotification(app, QStringLiteral("Trade History"), QStringLiteral("* No Trades Executed *"),
                         QString(), 1);
        ShowGraphs(app);
        return;
    }
    grid::Grid &g = *w.TradeGrid;
    placeGrid(g, kGridHeight);
    w.Shape2->setTwipHeight(g.twipHeight() + kFrameMargin);
    w.btnCloseTradeHistory->setTwipTop(2700);
    w.LabelTH->setVisible(true);
    w.Shape2->setVisible(true);
    w.btnChangePeriod->setEnabled(false);
    w.btnTrade->setEnabled(false);
    g.setVisible(true);
    w.btnCloseTradeHistory->setTwipLeft(kCloseLeft);
    w.btnCloseTradeHistory->setVisible(true);

    const int footer = static_cast<int>(open.size());
    g.setCols(kTradeColumns);
    g.setRows(TradeGridRows(total, footer));
    g.clear();
    const auto headings = TradeHistoryHeadings();
    const auto extra = TradeHistoryExtraWidths();
    g.setRow(0);
    for (int c = 0; c < kTradeColumns; ++c) {
        g.setCol(c);
        g.setText(headings[static_cast<size_t>(c)]);
        g.setColWidth(c, textWidth(w, g.text()) + extra[static_cast<size_t>(c)]);
    }
    // Grid row j + 1 lists fill total - j: the newest first.
    const std::vector<TradeRecord> &records = state.trades.records;
    const DataKind dataType = state.settings.dataType;
    listRecords<kTradeColumns>(g, total, [&records, total, dataType](int j) {
        const int32_t k = total - j;
        const auto at = static_cast<size_t>(k);
        return TradeHistoryRow(at < records.size() ? records[at] : TradeRecord{}, k, dataType);
    });
    if (footer == 0)
        return;
    writeRow(g, total + 1, TradeHistorySeparator());
    for (int i = 0; i < footer; ++i)
        writeRow(g, total + 2 + i, OpenPositionRow(open[static_cast<size_t>(i)]));
}

void btnCloseTradeHistory_Click(App &app)
{
    Halvern &w = app.main();
    closeReport(app, Closing::Trades, {w.LabelTH, w.TradeGrid, w.btnCloseTradeHistory});
}

void connectNewsReports(Halvern &w, App &app)
{
    w.mnuNews.setClickHandler([&app](int16_t index) { mnuNews_Click(app, index); });
    w.btnNewsHist->setClickHandler([&app] { btnNewsHist_Click(app); });
    w.btnCloseNewsHist->setClickHandler([&app] { btnCloseNewsHist_Click(app); });
    w.btnTradeHist->setClickHandler([&app] { btnTradeHist_Click(app); });
    w.btnCloseTradeHistory->setClickHandler([&app] { btnCloseTradeHistory_Click(app); });
}

} // namespace tarvello
