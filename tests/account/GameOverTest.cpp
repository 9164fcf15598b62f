#include "account/GameOverSummary.h"
#include "support/TradingFixtures.h"

#include <gtest/gtest.h>

using namespace tarvello;
using tarvello::testing::newGame;
using tarvello::testing::ScriptedRandom;

namespace {

GameState lostGame()
{
    GameState state = newGame();
    state.account.unrealizedPL = -120000.5;
    state.account.realizedPL = 15000.0;
    state.account.accountValue = -5000.5f;
    return state;
}

} // namespace

TEST(GameOver, TheSummaryFigures)
{
    GameState state = lostGame();
    ScriptedRandom random;
    random.pick(2, 3);
    const GameOverTexts texts =
        blowOutGameOver(state, {Level::Expert, 10, 20}, BlowOutVariant::OrderPath, random);
    EXPECT_EQ(texts.caption, "Game Over");
    EXPECT_EQ(texts.label2, "You Blew Out of the Game, by Losing All of Your Money!");
    EXPECT_EQ(texts.label3, "$-120,000.50");
    EXPECT_EQ(texts.label4, "$15,000.00");
    EXPECT_EQ(texts.label5, "");
    EXPECT_EQ(texts.label7, "$-105,000.50");
    EXPECT_EQ(texts.lblScore, "$-105,000.50");
    EXPECT_EQ(state.account.score, -105000.5f);
    EXPECT_FALSE(texts.endOfGameRating.has_value());
    EXPECT_EQ(random.reseeds, 1);
}

TEST(GameOver, ABlowOutAlwaysSaysWhy)
{
    struct Case {
        const char *name;
        int16_t tradeDay;
        std::vector<std::pair<int, int>> draws;
        const char *label2;
        std::optional<QString> rating;
    };
    const Case cases[] = {
        {"blow-out draw",
         10,
         {{3, 3}},
         "You Blew Out of the Game, by Losing All of Your Money!",
         std::nullopt},
        // The rating of a lost account before the final period is empty: the sentence stands in for it.
        {"rating draw, empty rating",
         10,
         {{1, 3}},
         "You Blew Out of the Game, by Losing All of Your Money!",
         QString()},
        {"rating draw, empty table",
         20,
         {{1, 3}, {5, 6}},
         "You Blew Out of the Game, by Losing All of Your Money!",
         QString()},
        {"rating draw at the final period",
         20,
         {{1, 3}, {1, 6}},
         "Don't Quit Your Day Job!",
         QStringLiteral("Don't Quit Your Day Job!")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = lostGame();
        ScriptedRandom random;
        for (const auto &[k, n] : c.draws)
            random.pick(k, n);
        const GameOverTexts texts =
            blowOutGameOver(state, {Level::Expert, c.tradeDay, 20}, BlowOutVariant::MarginCall, random);
        EXPECT_EQ(texts.label2, c.label2);
        EXPECT_EQ(texts.endOfGameRating, c.rating);
        EXPECT_EQ(random.left(), 0u);
    }
}

TEST(GameOver, OnlyTheMarginTestLeavesTheWindowInPlace)
{
    for (auto [variant, centre] : {std::pair{BlowOutVariant::OrderPath, true},
                                   {BlowOutVariant::MarginTest, false},
                                   {BlowOutVariant::MarginCall, true}}) {
        GameState state = lostGame();
        ScriptedRandom random;
        random.pick(2, 3);
        EXPECT_EQ(blowOutGameOver(state, {Level::Expert, 10, 20}, variant, random).centre, centre);
    }
}

TEST(GameOver, AfterTheBlowOutWindow)
{
    struct Case {
        BlowOutVariant variant;
        int16_t restartMode;
        AfterBlowOut expected;
    };
    const Case cases[] = {
        {BlowOutVariant::OrderPath, 1, {true, true, false, false}},
        {BlowOutVariant::MarginTest, 1, {true, true, true, false}},
        {BlowOutVariant::MarginCall, 1, {true, true, true, false}},
        {BlowOutVariant::OrderPath, 0, {true, false, false, true}},
        {BlowOutVariant::MarginTest, 0, {false, false, false, true}},
        {BlowOutVariant::MarginCall, 0, {true, false, false, true}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.variant) * 10 + c.restartMode);
        const AfterBlowOut after = afterBlowOut(c.variant, c.restartMode);
        EXPECT_EQ(after.showCurrentMarket, c.expected.showCurrentMarket);
        EXPECT_EQ(after.restart, c.expected.restart);
        EXPECT_EQ(after.loadPeriodPrices, c.expected.loadPeriodPrices);
        EXPECT_EQ(after.endProgram, c.expected.endProgram);
    }
    EXPECT_EQ(currentMarketBanner(), "  Current Market:    (Last Trade  *  Change)");
}

TEST(GameOver, TheNormalEndShowsTheRating)
{
    GameState state = newGame();
    state.account.accountValue = 125000.0f;
    state.account.realizedPL = 20000.0;
    state.account.unrealizedPL = 5000.0;
    ScriptedRandom random;
    random.pick(4, 6);
    const GameOverTexts texts = GameOver(state, {Level::Expert, 20, 20}, random);
    EXPECT_EQ(texts.label2, "Excellent Technical Trading");
    EXPECT_EQ(texts.endOfGameRating, QStringLiteral("Excellent Technical Trading"));
    EXPECT_EQ(texts.label7, "$25,000.00");
    EXPECT_EQ(state.account.score, 25000.0f);
}

TEST(GameOver, ZeroIsABlowOutACentIsNot)
{
    AccountState account;
    account.accountValue = 0.0f;
    EXPECT_TRUE(isBlownOut(account));
    account.accountValue = 0.01f;
    EXPECT_FALSE(isBlownOut(account));
}
