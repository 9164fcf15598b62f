#include "account/AccountPanel.h"
#include "support/TradingFixtures.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace tarvello;
using tarvello::testing::newGame;

TEST(AccountPanel, FiguresAsThePanelShowsThem)
{
    struct Case {
        const char *name;
        Level level;
        float accountValue;
        double realized;
        double unrealized;
        float sp500;
        int32_t trades;
        const char16_t *eq, *percentGL, *rpl, *upl, *liab, *cashMargin, *excess, *score, *trades_;
    };
    const Case cases[] = {
        {"Expert start", Level::Expert, 100000.0f, 0, 0, 0, 0, u"100,000.00", u"0.00%", u"0.00", u"0.00",
         u"0.00", u"100.00%", u"100,000.00", u"$0.00", u"0"},
        {"Novice start", Level::Novice, 10000.0f, 0, 0, 0, 0, u"10,000.00", u"0.00%", u"0.00", u"0.00",
         u"0.00", u"100.00%", u"10,000.00", u"$0.00", u"0"},
        {"3 SP500 carried", Level::Expert, 100000.0f, 0, 0, 3, 2, u"100,000.00", u"0.00%", u"0.00", u"0.00",
         u"62,400.00", u"37.60%", u"37,600.00", u"$0.00", u"2"},
        {"3 SP500 not carried", Level::Expert, 50000.0f, -50000, 0, 3, 4, u"50,000.00", u"-50.00%",
         u"-50,000.00", u"0.00", u"62,400.00", u"-24.80%", u"-12,400.00", u"$-50,000.00", u"4"},
        {"account lost", Level::Expert, -2500.0f, -102500, 0, 3, 12, u"-2,500.00", u"-102.50%",
         u"-102,500.00", u"0.00", u"62,400.00", u"0.00%", u"-64,900.00", u"$-102,500.00", u"12"},
        {"realized loss, unrealized gain", Level::Expert, 99000.0f, -1234.5, 234.5, 0, 1, u"99,000.00",
         u"-1.00%", u"-1,234.50", u"234.50", u"0.00", u"100.00%", u"99,000.00", u"$-1,000.00", u"1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = newGame(c.level);
        state.account.accountValue = c.accountValue;
        state.account.realizedPL = c.realized;
        state.account.unrealizedPL = c.unrealized;
        state.account.totalTrades = c.trades;
        state.book(Instrument::SP500).position = c.sp500;
        const AccountPanelTexts texts = accountDisplay(state, 5);
        EXPECT_EQ(texts.lblEq, QString::fromUtf16(c.eq));
        EXPECT_EQ(texts.lblPercentGL, QString::fromUtf16(c.percentGL));
        EXPECT_EQ(texts.lblRPL, QString::fromUtf16(c.rpl));
        EXPECT_EQ(texts.lblUPL, QString::fromUtf16(c.upl));
        EXPECT_EQ(texts.lblLIAB, QString::fromUtf16(c.liab));
        EXPECT_EQ(texts.lblPosMargPercent, QString::fromUtf16(c.cashMargin));
        EXPECT_EQ(texts.lblAvailMarg, QString::fromUtf16(c.excess));
        EXPECT_EQ(texts.lblScore, QString::fromUtf16(c.score));
        EXPECT_EQ(texts.lblTotTrades, QString::fromUtf16(c.trades_));
        EXPECT_EQ(state.account.score, static_cast<float>(c.realized + c.unrealized));
    }
}

TEST(AccountPanel, WithNoCapitalTheGainLabelKeepsItsText)
{
    GameState state = newGame();
    state.account.startingCapital = 0.0f;
    EXPECT_FALSE(accountDisplay(state, 3).lblPercentGL.has_value());
}

TEST(AccountPanel, PositionLabels)
{
    GameState state = newGame();
    state.book(Instrument::Cattle).position = -500.0f;
    state.book(Instrument::SP500).position = 25.0f;
    state.book(Instrument::Gold).position = 1200.0f;
    const std::vector<LabelCaption> expected = {
        {"lblOilPos", "0"},    {"lblGoldPos", "1,200"},  {"lblTBondPos", "0"},
        {"lblSP500Pos", "25"}, {"lblCattlePos", "-500"}, {"lblSoybeanPos", "0"},
    };
    EXPECT_EQ(ShowPositions(state, 4), expected);
    EXPECT_EQ(state.book(Instrument::Cattle).position, -500.0f);
}

TEST(AccountPanel, BeforeTheFirstPeriodEveryPositionIsZero)
{
    GameState state = newGame();
    state.book(Instrument::Oil).position = 7.0f;
    const AccountPanelTexts texts = accountDisplay(state, 0);
    EXPECT_EQ(texts.positions.front(), (LabelCaption{"lblOilPos", "0"}));
    EXPECT_EQ(state.book(Instrument::Oil).position, 0.0f);
    EXPECT_EQ(texts.lblAvailMarg, "100,000.00");
}

TEST(AccountPanel, CaptionsNameEveryLabelOnce)
{
    GameState state = newGame();
    const std::vector<LabelCaption> captions = accountDisplay(state, 1).captions();
    QStringList names;
    for (const LabelCaption &c : captions)
        names << c.control;
    EXPECT_EQ(names, (QStringList{"lblEq", "lblPercentGL", "lblRPL", "lblUPL", "lblLIAB", "lblPosMargPercent",
                                  "lblOilPos", "lblGoldPos", "lblTBondPos", "lblSP500Pos", "lblCattlePos",
                                  "lblSoybeanPos", "lblAvailMarg", "lblScore", "lblTotTrades"}));
}
