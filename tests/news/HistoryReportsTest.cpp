#include "support/MainWindowFixture.h"

#include "common/VbDate.h"
#include "data/GameDataLoadNews.h"
#include "data/PriceDatabase.h"
#include "news/NewsReleases.h"
#include "news/ReportTexts.h"
#include "news/ui/NewsReports.h"
#include "platform/forms/VbFont.h"
#include "support/FixtureDb.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QScrollBar>

namespace tarvello::test {
namespace {

QStringList rowOf(const grid::Grid &g, int row)
{
    QStringList cells;
    for (int c = 0; c < g.cols(); ++c)
        cells << g.cellText(row, c);
    return cells;
}

// Every cell of the grid as the report code reads it back, and as its view draws it.
struct GridTexts {
    std::vector<QStringList> read;
    std::vector<QStringList> drawn;
};
GridTexts textsOf(const grid::Grid &g)
{
    GridTexts texts;
    for (int r = 0; r < g.rows(); ++r)
        texts.read.push_back(rowOf(g, r));
    const QAbstractItemModel &m = *g.model();
    for (int r = 0; r < m.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < m.columnCount(); ++c)
            row << m.data(m.index(r, c), Qt::DisplayRole).toString();
        texts.drawn.push_back(row);
    }
    return texts;
}

class HistoryReport : public MainWindowTest {
protected:
    HistoryReport()
    {
        w();
        state.clock.tradeDay = 30;
        state.clock.gameDataLoaded = true;
        w().btnNewsHist->setVisible(true);
        w().btnTradeHist->setVisible(true);
        w().btnNewsHist->setEnabled(true);
        w().btnTradeHist->setEnabled(true);
        host.setDefaultAnswer(ScriptedModalHost::click(QStringLiteral("btnOkay")));
    }

    void addRelease(const QString &title, const QString &story = QStringLiteral("Story."))
    {
        RecordNewsItem(state.news.newsItems, vb::toSerial(1996, 3, 5), vb::parseTime(u"10:00"), title, story);
    }

    void fill(Instrument i, float units, float price, const char *side = nullptr, int16_t day = 12)
    {
        TradeRecord r;
        r.tradeNumber = ++state.account.totalTrades;
        r.tradeDay = day;
        r.security = i;
        r.transaction = QLatin1String(side ? side : units < 0 ? "Sell" : "Buy");
        r.units = units;
        r.price = price;
        state.trades.write(r);
    }

    void holdLots(Instrument i, std::initializer_list<PositionLot> lots)
    {
        InstrumentBook &book = state.book(i);
        book.lotCount = 0;
        book.position = 0;
        for (const PositionLot &lot : lots) {
            book.lots[static_cast<size_t>(++book.lotCount)] = lot;
            book.position += static_cast<float>(lot.units);
        }
    }

    bool reportUp(const forms::Control &grid, const forms::Control &label, const forms::Control &close)
    {
        return grid.visible() && label.visible() && close.visible() && w().Shape2->visible();
    }
};

TEST_F(HistoryReport, TickNewsListsTheReleasesNewestFirstSizedByTheirNumber)
{
    state.settings.dataType = DataKind::Tick;
    const struct {
        int n;
        NewsReportPlace place;
    } cases[] = {{1, {1452, 1704, 2550}}, {2, {1452, 1704, 2700}}, {3, {1452, 1704, 2800}},
                 {4, {1452, 1704, 2800}}, {5, {1692, 1944, 2800}}, {9, {1692, 1944, 2800}}};
    for (const auto &c : cases) {
        state.news.newsItems.clear();
        for (int i = 1; i <= c.n; ++i)
            addRelease(QStringLiteral("Release %1:").arg(i));
        w().btnNewsHist->click();

        const grid::Grid &g = *w().newsgrid;
        EXPECT_TRUE(reportUp(g, *w().LabelNH, *w().btnCloseNewsHist)) << c.n;
        EXPECT_EQ(g.rows(), c.n + 1);
        EXPECT_EQ(g.cols(), 5);
        EXPECT_EQ(g.twipRect(), (forms::TwipRect{3000, 840, 6100, c.place.gridHeight})) << c.n;
        EXPECT_EQ(w().Shape2->twipHeight(), c.place.frameHeight) << c.n;
        EXPECT_EQ(w().btnCloseNewsHist->twipTop(), c.place.closeTop) << c.n;
        EXPECT_EQ(w().btnCloseNewsHist->twipLeft(), 5161);
        EXPECT_EQ(state.news.newsEventCount, c.n);
        EXPECT_EQ(rowOf(g, 1), QStringList({QString::number(c.n), "3/5/1996", "10:00",
                                            QStringLiteral("Release %1:").arg(c.n), "Story."}));
        EXPECT_EQ(g.cellText(c.n, 0), "1");
        EXPECT_EQ(g.cellText(c.n, 3), "Release 1:");
        w().btnCloseNewsHist->click();
    }
}

TEST_F(HistoryReport, TheNewsGridHeadingsAndColumnWidths)
{
    state.settings.dataType = DataKind::Tick;
    addRelease(QStringLiteral("Null"), QString());
    w().btnNewsHist->click();

    const grid::Grid &g = *w().newsgrid;
    const QString story = QStringLiteral("News Story") + QString(207, QLatin1Char(' '));
    EXPECT_EQ(rowOf(g, 0), QStringList({"  #  ", "Date", "Time", "Report Title", story}));
    const auto width = [this](const QString &text) { return forms::textWidthTwips(w().fontSpec(), text); };
    EXPECT_EQ(g.colWidth(0), width(QStringLiteral("  #  ")) + 100);
    EXPECT_EQ(g.colWidth(1), 1000);
    EXPECT_EQ(g.colWidth(2), width(QStringLiteral("Time")) + 200);
    EXPECT_EQ(g.colWidth(3),
              width(QStringLiteral("Government Short-Term Treasury Bill Auction Results:")) + 100);
    EXPECT_EQ(g.colWidth(4), width(story) + 400);
    // A title stored as "Null" and a missing story both show as one blank.
    EXPECT_EQ(g.cellText(1, 3), " ");
    EXPECT_EQ(g.cellText(1, 4), " ");
    // While it is up the charts and the trading buttons give way.
    EXPECT_FALSE(w().GraphLeft->visible());
    EXPECT_FALSE(w().GraphRight->visible());
    EXPECT_FALSE(w().cboCommodity->visible());
    EXPECT_FALSE(w().mnuGraphOpt->enabled());
    EXPECT_FALSE(w().btnChangePeriod->enabled());
    EXPECT_FALSE(w().btnNewsHist->enabled());
    EXPECT_TRUE(w().enabled());
    EXPECT_TRUE(w().mnuGame->enabled());
}

TEST_F(HistoryReport, ATickGameWithoutReleasesOnlySaysSo)
{
    state.settings.dataType = DataKind::Tick;
    state.news.newsEventCount = 4;
    w().btnNewsHist->click();

    ASSERT_EQ(host.shows().size(), 1u);
    EXPECT_EQ(host.shows()[0].caption, "News History");
    EXPECT_EQ(host.shows()[0].text(QStringLiteral("Label1")), "* No News Stories *");
    EXPECT_EQ(host.shows()[0].text(QStringLiteral("ColorScheme")), "3");
    EXPECT_EQ(state.news.newsEventCount, 0);
    EXPECT_TRUE(w().GraphLeft->visible());
    EXPECT_FALSE(w().newsgrid->visible());
    EXPECT_TRUE(w().btnNewsHist->enabled());
}

TEST_F(HistoryReport, ADailyGameShowsTheBackgroundNewsOfItsStartDate)
{
    FixtureDb db;
    db.addOverviewNews(QDate(1989, 1, 1), 2, QStringLiteral("Gold in 1989."));
    db.addOverviewNews(QDate(1990, 1, 1), 2, QStringLiteral("Gold in 1990."));
    ASSERT_TRUE(OpenPriceDatabase(state.priceDatabase, db.path()).ok());
    state.settings.dataType = DataKind::Daily;
    state.chart.selectedCommodity = 2;
    state.settings.startDate = vb::toSerial(1990, 1, 1);
    LoadOverviewStories(state); // as the game's load reads them
    host.setDefaultAnswer([](forms::Form &form) { form.click(); });
    w().btnNewsHist->click();

    ASSERT_EQ(host.shows().size(), 1u);
    EXPECT_EQ(host.shows()[0].caption, "Gold Futures Market: 1989 News Background ");
    EXPECT_EQ(host.shows()[0].text(QStringLiteral("txtNewsDisplay")), "Gold in 1990.");
    EXPECT_FALSE(w().newsgrid->visible());
    EXPECT_TRUE(w().GraphLeft->visible());

    // A start date that is not New Year's Day keeps the year it had.
    state.settings.gameYear = 1990;
    state.settings.startDate = vb::toSerial(1990, 3, 1);
    LoadOverviewStories(state);
    w().btnNewsHist->click();
    EXPECT_EQ(host.shows().back().caption, "Gold Futures Market: 1990 News Background ");
    EXPECT_EQ(host.shows().back().text(QStringLiteral("txtNewsDisplay")), "");
}

TEST_F(HistoryReport, ClosingBringsTheChartsBackAndKeepsTheNoviceInstrumentListHidden)
{
    state.settings.dataType = DataKind::Tick;
    addRelease(QStringLiteral("Jobs:"));
    fill(Instrument::Oil, 1, 18.2f);
    const struct {
        Level level;
        bool list;
    } cases[] = {{Level::Expert, true}, {Level::Novice, false}};
    for (const auto &c : cases) {
        state.settings.level = c.level;
        w().cboCommodity->setVisible(c.list);
        for (auto [open, close] : {std::pair{w().btnNewsHist, w().btnCloseNewsHist},
                                   std::pair{w().btnTradeHist, w().btnCloseTradeHistory}}) {
            open->click();
            EXPECT_FALSE(w().GraphLeft->visible());
            close->click();
            EXPECT_TRUE(w().GraphLeft->visible());
            EXPECT_TRUE(w().GraphRight->visible());
            EXPECT_EQ(w().cboCommodity->visible(), c.list);
            EXPECT_TRUE(w().mnuGraphOpt->enabled());
            EXPECT_TRUE(w().mnuGraphType->enabled());
            EXPECT_FALSE(w().Shape2->visible());
            EXPECT_FALSE(w().LabelNH->visible());
            EXPECT_FALSE(w().LabelTH->visible());
            EXPECT_FALSE(w().newsgrid->visible());
            EXPECT_FALSE(w().TradeGrid->visible());
            EXPECT_TRUE(w().btnNewsHist->enabled());
            EXPECT_TRUE(w().btnTradeHist->enabled());
            EXPECT_TRUE(w().enabled());
            EXPECT_TRUE(w().mnuGame->enabled());
        }
    }
}

TEST_F(HistoryReport, TradeRowsNewestFirstWithDayTimeAndPrices)
{
    state.settings.dataType = DataKind::Daily;
    fill(Instrument::TBond, 3, 97.5f);
    fill(Instrument::Oil, -10, 18.2f);
    fill(Instrument::SP500, 2, 1234.5f, "Buy", 7);
    fill(Instrument::Soybean, -1, 5.805f, "Sell - Margin Call");
    w().btnTradeHist->click();

    const grid::Grid &g = *w().TradeGrid;
    EXPECT_TRUE(reportUp(g, *w().LabelTH, *w().btnCloseTradeHistory));
    EXPECT_EQ(g.twipRect(), (forms::TwipRect{3000, 840, 6100, 1452}));
    EXPECT_EQ(w().Shape2->twipHeight(), 1704);
    EXPECT_EQ(w().btnCloseTradeHistory->twipRect(), (forms::TwipRect{5161, 2700, 1812, 372}));
    EXPECT_EQ(g.rows(), 5); // every position flat: no separator, no footer
    EXPECT_EQ(g.cols(), 7);
    EXPECT_EQ(rowOf(g, 0),
              QStringList({"  #  ", "Day", "Time", "Security", "Transaction        ", "Amount", "Price"}));
    EXPECT_EQ(rowOf(g, 1),
              QStringList({"4", "12", "4:00", "Soybean", "Sell - Margin Call", "-1", " $5.805"}));
    EXPECT_EQ(rowOf(g, 2), QStringList({"3", "7", "4:00", "SP500", "Buy", "2", "$1,234.50"}));
    EXPECT_EQ(rowOf(g, 3), QStringList({"2", "12", "4:00", "Oil", "Sell", "-10", "$18.20"}));
    EXPECT_EQ(rowOf(g, 4), QStringList({"1", "12", "4:00", "TBond", "Buy", "3", " $97.50"}));
    const int extra[] = {100, 100, 200, 300, 100, 400, 700};
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(g.colWidth(c), forms::textWidthTwips(w().fontSpec(), g.cellText(0, c)) + extra[c]);
}

TEST_F(HistoryReport, TickTradesShowTheTradingDayAndTimeOfTheirPeriod)
{
    state.settings.dataType = DataKind::Tick;
    const struct {
        int16_t period;
        const char *day;
        const char *time;
    } cases[] = {{1, "1", "09:00"}, {7, "2", "09:00"}, {11, "2", "13:00"}, {18, "3", "14:00"}};
    for (const auto &c : cases)
        fill(Instrument::Gold, 1, 380.0f, "Buy", c.period);
    w().btnTradeHist->click();
    const grid::Grid &g = *w().TradeGrid;
    for (int i = 0; i < 4; ++i) {
        const int row = 4 - i;
        EXPECT_EQ(g.cellText(row, 1), QLatin1String(cases[i].day)) << cases[i].period;
        EXPECT_EQ(g.cellText(row, 2), QLatin1String(cases[i].time)) << cases[i].period;
    }
}

TEST_F(HistoryReport, OpenPositionsGetAverageEntryPricesAfterARowOfStars)
{
    state.settings.dataType = DataKind::Daily;
    fill(Instrument::Cattle, 2, 70.0f);
    fill(Instrument::Oil, -3, 18.0f);
    holdLots(Instrument::Cattle, {{1, 70.0f}, {1, 71.0f}});
    holdLots(Instrument::Oil, {{-1, 18.0f}, {-2, 18.6f}}); // short: a positive average
    holdLots(Instrument::TBond, {{1, 97.5f}, {1, 97.5625f}});
    state.book(Instrument::Gold).lotCount = 1; // a lot listed under a flat position gets no row
    state.book(Instrument::Gold).lots[1] = {1, 380.0f};
    w().btnTradeHist->click();

    const grid::Grid &g = *w().TradeGrid;
    ASSERT_EQ(g.rows(), 2 + 2 + 3);
    EXPECT_EQ(rowOf(g, 3), QStringList({"*******", "*******", "*********", "***************",
                                        "*********************", "***************", "***************"}));
    EXPECT_EQ(rowOf(g, 4), QStringList({"", "", "", "OIL:", "Average Price of", "Position  =", "$18.40"}));
    EXPECT_EQ(rowOf(g, 5),
              QStringList({"", "", "", "TBond:", "Average Price of", "Position  =", " $97.53125"}));
    EXPECT_EQ(rowOf(g, 6), QStringList({"", "", "", "Cattle:", "Average Price of", "Position  =", "$70.50"}));
}

TEST_F(HistoryReport, RowCountsForOneTradeAndARebuildLeavesNothingOfTheLastReport)
{
    state.settings.dataType = DataKind::Daily;
    fill(Instrument::Oil, 1, 18.0f);
    holdLots(Instrument::Oil, {{1, 18.0f}});
    w().btnTradeHist->click();
    EXPECT_EQ(w().TradeGrid->rows(), 4); // heading, the trade, stars, one footer row
    w().btnCloseTradeHistory->click();

    // A new game: one trade, closed out again by the time the report is opened.
    state.account.totalTrades = 0;
    fill(Instrument::Gold, 1, 380.0f);
    holdLots(Instrument::Oil, {});
    w().btnTradeHist->click();
    const grid::Grid &g = *w().TradeGrid;
    EXPECT_EQ(g.rows(), 3);
    EXPECT_EQ(rowOf(g, 1), QStringList({"1", "12", "4:00", "Gold", "Buy", "1", "$380.00"}));
    EXPECT_EQ(rowOf(g, 2), QStringList({"", "", "", "", "", "", ""}));
}

TEST_F(HistoryReport, EveryCellDrawnIsTheCellReadBackAndTheCurrentCellEndsOnTheLastOneWritten)
{
    state.settings.dataType = DataKind::Tick;
    for (int i = 1; i <= 6; ++i)
        addRelease(QStringLiteral("Release %1:").arg(i));
    fill(Instrument::Gold, 2, 380.0f, "Buy", 7);
    fill(Instrument::Oil, -1, 18.25f, "Sell", 8);
    fill(Instrument::Gold, -2, 381.5f, "Sell", 9);

    const auto check = [this](const grid::Grid &g, int rows, int cols) {
        const GridTexts texts = textsOf(g);
        EXPECT_EQ(g.rows(), rows);
        EXPECT_EQ(g.cols(), cols);
        EXPECT_EQ(texts.drawn, texts.read);
        EXPECT_EQ(g.row(), rows - 1);
        EXPECT_EQ(g.col(), cols - 1);
    };
    w().btnNewsHist->click();
    check(*w().newsgrid, 7, 5);
    w().btnCloseNewsHist->click();

    // Every position flat: the last trade row is the last one written.
    w().btnTradeHist->click();
    check(*w().TradeGrid, 4, 7);
    EXPECT_EQ(rowOf(*w().TradeGrid, 3), QStringList({"1", "2", "09:00", "Gold", "Buy", "2", "$380.00"}));
    w().btnCloseTradeHistory->click();

    // An open position: the footer's last row is.
    holdLots(Instrument::Oil, {{-1, 18.25f}});
    w().btnTradeHist->click();
    check(*w().TradeGrid, 6, 7);
    EXPECT_EQ(rowOf(*w().TradeGrid, 5),
              QStringList({"", "", "", "OIL:", "Average Price of", "Position  =", "$18.25"}));
}

TEST_F(HistoryReport, ReopeningListsEveryCellAfreshForTheRecordsOfThatMoment)
{
    state.settings.dataType = DataKind::Daily;
    fill(Instrument::Cattle, 1, 70.0f, "Buy", 3);
    fill(Instrument::Soybean, -4, 5.8075f, "Sell", 4);
    holdLots(Instrument::Cattle, {{1, 70.0f}});
    holdLots(Instrument::Soybean, {{-4, 5.8075f}});
    w().btnTradeHist->click();
    EXPECT_EQ(textsOf(*w().TradeGrid).read,
              (std::vector<QStringList>{
                  {"  #  ", "Day", "Time", "Security", "Transaction        ", "Amount", "Price"},
                  {"2", "4", "4:00", "Soybean", "Sell", "-4", " $5.8075"},
                  {"1", "3", "4:00", "Cattle", "Buy", "1", "$70.00"},
                  {"*******", "*******", "*********", "***************", "*********************",
                   "***************", "***************"},
                  {"", "", "", "Cattle:", "Average Price of", "Position  =", "$70.00"},
                  {"", "", "", "Soybean:", "Average Price of", "Position  =", " $5.8075"}}));
    w().btnCloseTradeHistory->click();

    // Both positions closed in between: the fills that closed them come first, and no footer is left.
    fill(Instrument::Soybean, 4, 5.75f, "Buy", 5);
    fill(Instrument::Cattle, -1, 71.0f, "Sell - Margin Call", 6);
    holdLots(Instrument::Cattle, {});
    holdLots(Instrument::Soybean, {});
    w().btnTradeHist->click();
    const GridTexts texts = textsOf(*w().TradeGrid);
    EXPECT_EQ(texts.read, (std::vector<QStringList>{
                              {"  #  ", "Day", "Time", "Security", "Transaction        ", "Amount", "Price"},
                              {"4", "6", "4:00", "Cattle", "Sell - Margin Call", "-1", "$71.00"},
                              {"3", "5", "4:00", "Soybean", "Buy", "4", " $5.75"},
                              {"2", "4", "4:00", "Soybean", "Sell", "-4", " $5.8075"},
                              {"1", "3", "4:00", "Cattle", "Buy", "1", "$70.00"}}));
    EXPECT_EQ(texts.drawn, texts.read);
    const int extra[] = {100, 100, 200, 300, 100, 400, 700};
    for (int c = 0; c < 7; ++c) {
        const int twips = forms::textWidthTwips(w().fontSpec(), texts.read[0][c]) + extra[c];
        EXPECT_EQ(w().TradeGrid->colWidth(c), twips) << c;
        EXPECT_EQ(w().TradeGrid->columnWidth(c), forms::twipsToPixels(twips)) << c;
    }
}

TEST_F(HistoryReport, AShorterNewsListLeavesNothingOfTheLongerOne)
{
    state.settings.dataType = DataKind::Tick;
    for (int i = 1; i <= 9; ++i)
        addRelease(QStringLiteral("Release %1:").arg(i));
    w().btnNewsHist->click();
    w().btnCloseNewsHist->click();

    // A new game with two releases so far.
    state.news.newsItems.clear();
    addRelease(QStringLiteral("Jobs:"), QStringLiteral("Payrolls rose."));
    addRelease(QStringLiteral("Null"), QStringLiteral("Null"));
    w().btnNewsHist->click();
    const grid::Grid &g = *w().newsgrid;
    const QString story = QStringLiteral("News Story") + QString(207, QLatin1Char(' '));
    const GridTexts texts = textsOf(g);
    EXPECT_EQ(texts.read, (std::vector<QStringList>{{"  #  ", "Date", "Time", "Report Title", story},
                                                    {"2", "3/5/1996", "10:00", " ", " "},
                                                    {"1", "3/5/1996", "10:00", "Jobs:", "Payrolls rose."}}));
    EXPECT_EQ(texts.drawn, texts.read);
    EXPECT_EQ(g.cellText(3, 0), "");
    const int widths[] = {forms::textWidthTwips(w().fontSpec(), QStringLiteral("  #  ")) + 100, 1000};
    EXPECT_EQ(g.colWidth(0), widths[0]);
    EXPECT_EQ(g.colWidth(1), widths[1]);
    EXPECT_EQ(g.columnWidth(1), forms::twipsToPixels(1000));
}

TEST_F(HistoryReport, ReopeningKeepsWhereThePlayerScrolledTo)
{
    state.settings.dataType = DataKind::Daily;
    for (int i = 0; i < 40; ++i)
        fill(Instrument::Oil, i % 2 ? -1.0f : 1.0f, 18.0f + i / 8.0f);
    w().showModeless();
    w().btnTradeHist->click();
    QApplication::processEvents(); // the view lays itself out
    grid::Grid &g = *w().TradeGrid;
    QScrollBar &bar = *g.verticalScrollBar();
    ASSERT_GT(bar.maximum(), 10);
    bar.setValue(10);
    w().btnCloseTradeHistory->click();

    fill(Instrument::Oil, 1, 19.0f);
    w().btnTradeHist->click();
    QApplication::processEvents();
    EXPECT_EQ(bar.value(), 10);
    EXPECT_EQ(g.rowAt(0), 10);
    EXPECT_EQ(bar.maximum(), 42 - g.viewport()->height() / g.rowHeight(0));
}

TEST_F(HistoryReport, NoTradesOnlySaysSo)
{
    w().cboCommodity->setVisible(true);
    w().btnTradeHist->click();

    ASSERT_EQ(host.shows().size(), 1u);
    EXPECT_EQ(host.shows()[0].caption, "Trade History");
    EXPECT_EQ(host.shows()[0].text(QStringLiteral("Label1")), "* No Trades Executed *");
    EXPECT_EQ(host.shows()[0].text(QStringLiteral("ColorScheme")), "1");
    EXPECT_FALSE(w().TradeGrid->visible());
    EXPECT_FALSE(w().Shape2->visible());
    EXPECT_TRUE(w().cboCommodity->visible());
    EXPECT_TRUE(w().btnTradeHist->enabled());
    EXPECT_TRUE(w().mnuGraphOpt->enabled());
}

TEST(TradeHistoryPrices, AFillShowsThePriceItsSingleRecordHolds)
{
    // The record keeps the price as a Single; its cell shows that Single's own decimal form, rounded
    // as the column's format says, never a 7-digit cut of it.
    const struct {
        Instrument security;
        float price;
        const char *cell;
    } cases[] = {
        {Instrument::TBond, 100.0078125f, " $100.00781"}, // 100 1/128: the shortest form has 8 digits
        {Instrument::TBond, 110.15625f, " $110.15625"},   {Instrument::TBond, 97.5f, " $97.50"},
        {Instrument::Soybean, 5.805f, " $5.805"},         {Instrument::SP500, 100951.25f, "$100,951.25"},
        {Instrument::Gold, 123456.789f, "$123,456.79"},
    };
    for (const auto &c : cases) {
        TradeRecord record;
        record.tradeNumber = 1;
        record.tradeDay = 1;
        record.security = c.security;
        record.transaction = QStringLiteral("Buy");
        record.units = 1;
        record.price = c.price;
        EXPECT_EQ(TradeHistoryRow(record, 1, DataKind::Daily)[6], QLatin1String(c.cell)) << c.price;
    }
}

} // namespace
} // namespace tarvello::test
