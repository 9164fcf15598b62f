#include "FlowFixture.h"

#include "flow/ui/GameReset.h"

namespace tarvello::test {
namespace {

using GameReset = FlowTest;

// A game in its middle: positions and lots, profit and loss, trades, commissions, an order under way
// and limits that are not the game's.
void playSomeGame(GameState &state)
{
    state.clock.tradeDay = 37;
    state.clock.endOfCalendar = true;
    state.account.startingCapital = 100000.0f;
    state.account.accountValue = 93210.5f;
    state.account.realizedPL = -4000.0;
    state.account.unrealizedPL = -2789.5;
    state.account.score = -6789.5f;
    state.account.totalTrades = 9;
    state.account.totalCommissions = 180.0f;
    for (Instrument i : kAllInstruments) {
        InstrumentBook &book = state.book(i);
        book.position = 3.0f;
        book.lotCount = 2;
        book.positionLimit = 1.0;
        book.transactionLimit = 1.0;
    }
    state.order.orderUnits = 5.0f;
    state.order.orderSide = OrderSide::Buy;
    state.order.orderPrice = 20.5;
    state.order.selectedSecurity = Instrument::Gold;
    state.order.securitySelected = 1;
    state.news.newsEventCount = 4;
}

void expectGameFiguresReset(const GameState &state)
{
    EXPECT_EQ(state.clock.tradeDay, 0);
    EXPECT_EQ(state.account.accountValue, 100000.0f);
    EXPECT_EQ(state.account.realizedPL, 0.0);
    EXPECT_EQ(state.account.unrealizedPL, 0.0);
    EXPECT_EQ(state.account.score, 0.0f);
    EXPECT_EQ(state.account.totalTrades, 0);
    // Each game's summary shows its own commissions, not the run's.
    EXPECT_EQ(state.account.totalCommissions, 0.0f);
    const struct {
        Instrument instrument;
        double position, transaction;
    } limits[] = {{Instrument::Oil, 200, 400},     {Instrument::Gold, 400, 800},
                  {Instrument::TBond, 100, 200},   {Instrument::SP500, 25, 50},
                  {Instrument::Soybean, 250, 500}, {Instrument::Cattle, 500, 1000}};
    for (const auto &l : limits) {
        const InstrumentBook &book = state.book(l.instrument);
        EXPECT_EQ(book.position, 0.0f);
        EXPECT_EQ(book.lotCount, 0);
        EXPECT_EQ(book.positionLimit, l.position);
        EXPECT_EQ(book.transactionLimit, l.transaction);
    }
    EXPECT_EQ(state.order.orderUnits, 0.0f);
    EXPECT_EQ(state.order.orderSide, OrderSide::None);
    EXPECT_EQ(state.order.orderPrice, 0.0);
    EXPECT_FALSE(state.order.selectedSecurity.has_value());
    EXPECT_EQ(state.order.securitySelected, 0);
    EXPECT_EQ(state.news.newsEventCount, 0);
}

void expectScreenReset(Halvern &w, const char *tradeTime)
{
    EXPECT_EQ(w.LabelDay->caption(), QStringLiteral("Day 1:"));
    EXPECT_EQ(w.LabelDay->twipWidth(), 1452);
    EXPECT_EQ(w.lblDay->caption(), QStringLiteral("Monday"));
    EXPECT_EQ(w.lblDay->twipLeft(), 1440);
    EXPECT_EQ(w.lblDay->twipWidth(), 1215);
    EXPECT_EQ(w.lblTradeTime->caption(), QString::fromLatin1(tradeTime));
    EXPECT_TRUE(w.btnTradeHist->visible());
    EXPECT_TRUE(w.btnNewsHist->visible());
    EXPECT_TRUE(w.Shape3->visible());
    EXPECT_FALSE(w.Label8->visible());
    EXPECT_FALSE(w.btnTrade->enabled());
    for (forms::CommandButton *button :
         {w.btnOil, w.btnGold, w.btnTBond, w.btnSp500, w.btnCattle, w.btnSoybean})
        EXPECT_TRUE(button->enabled()) << button->name().toStdString();
    for (forms::Label *position :
         {w.lblGoldPos, w.lblTBondPos, w.lblSP500Pos, w.lblCattlePos, w.lblSoybeanPos})
        EXPECT_EQ(position->caption(), QStringLiteral("0")) << position->name().toStdString();
}

void dirtyScreen(Halvern &w)
{
    w.LabelDay->setCaption(QStringLiteral("Date: 3/4/1996"));
    w.LabelDay->setTwipWidth(2000);
    w.lblDay->setCaption(QStringLiteral("Thursday"));
    w.lblMaxSelected->setCaption(QStringLiteral("12"));
    w.Label8->setVisible(true);
    w.btnTrade->setEnabled(true);
    w.btnGold->setEnabled(false);
    w.lblGoldPos->setCaption(QStringLiteral("3"));
    w.mnuNewGame->setCaption(QStringLiteral("&Restart"));
}

TEST_F(GameReset, ResetGameStateByDataKind)
{
    const struct {
        DataKind kind;
        const char *tradeTime;
        const char *firstAxisLabel;
    } cases[] = {{DataKind::Tick, "8:00 am", "9:00"}, {DataKind::Daily, "4:00 pm", "4:00"}};
    for (const auto &c : cases) {
        state.settings.dataType = c.kind;
        playSomeGame(state);
        dirtyScreen(w());
        w().LabelDay->setJustify(forms::Justify::Center);
        ResetGameState(app);
        expectGameFiguresReset(state);
        expectScreenReset(w(), c.tradeTime);
        EXPECT_FALSE(state.clock.endOfCalendar);
        EXPECT_EQ(w().LabelDay->justify(), forms::Justify::Left);
        EXPECT_EQ(w().lblMaxSelected->caption(), QString());
        EXPECT_EQ(w().mnuNewGame->caption(), QStringLiteral("&Restart"));
        EXPECT_EQ(state.clock.timeAxisLabels[0], QString::fromLatin1(c.firstAxisLabel));
    }
    EXPECT_EQ(state.clock.timeAxisLabels[7], QStringLiteral("4:00"));
}

TEST_F(GameReset, ResetMainFormWritesThePanelDirectly)
{
    state.settings.dataType = DataKind::Daily;
    playSomeGame(state);
    dirtyScreen(w());
    ResetMainForm(app);
    expectGameFiguresReset(state);
    expectScreenReset(w(), "4:00 pm");
    // Its callers have just reloaded the data and set the end-of-data flag themselves.
    EXPECT_TRUE(state.clock.endOfCalendar);
    EXPECT_EQ(w().mnuNewGame->caption(), QStringLiteral("Start"));
    EXPECT_EQ(w().lblMaxSelected->caption(), QStringLiteral("12"));
    for (forms::Label *quote : {w().lblOilCurrMark, w().lblGoldCurrMark, w().lblTBondCurrMark,
                                w().lblSP500CurrMark, w().lblCattleCurrMark, w().lblSoybeanCurrMark})
        EXPECT_EQ(quote->caption(), QStringLiteral("*** Market Closed ***"));
    const struct {
        forms::Label *label;
        const char *caption;
    } panel[] = {{w().lblEq, "100,000.00"}, {w().lblPercentGL, "0.00"},   {w().lblRPL, "0.00"},
                 {w().lblUPL, "0.00"},      {w().lblLIAB, "0.00"},        {w().lblScore, "$0.00"},
                 {w().lblTotTrades, "0"},   {w().lblPosMargPercent, "0"}, {w().lblAvailMarg, "100,000.00"},
                 {w().lblOilPos, "0"},      {w().lblSoybeanPos, "0"}};
    for (const auto &p : panel)
        EXPECT_EQ(p.label->caption(), QString::fromLatin1(p.caption)) << p.label->name().toStdString();
}

// With no starting capital there is no gain to show, and nothing is divided by it.
TEST_F(GameReset, ResetMainFormWithoutCapitalKeepsTheGain)
{
    state.account.startingCapital = 0.0f;
    w().lblPercentGL->setCaption(QStringLiteral("kept"));
    ResetMainForm(app);
    EXPECT_EQ(w().lblPercentGL->caption(), QStringLiteral("kept"));
    EXPECT_EQ(w().lblEq->caption(), QStringLiteral("0.00"));
}

} // namespace
} // namespace tarvello::test
