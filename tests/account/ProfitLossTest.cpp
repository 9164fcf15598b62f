#include "account/ProfitLoss.h"
#include "support/TradingFixtures.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarvello;
using tarvello::testing::Fill;
using tarvello::testing::fill;
using tarvello::testing::newGame;

TEST(ProfitLoss, LotsAreValuedAtTheCurrentPrice)
{
    struct Case {
        const char *name;
        Instrument instrument;
        std::vector<Fill> fills;
        double price;
        double expected;
    };
    const Case cases[] = {
        {"long Oil", Instrument::Oil, {{3, 18.50}}, 18.75, 3 * 0.25 * 1000},
        {"short SP500", Instrument::SP500, {{-2, 455.10}}, 455.60, -2 * 0.50 * 500},
        {"Gold, no Single noise", Instrument::Gold, {{1, 385.20}}, 385.45, 25},
        {"T-Bond to three decimals of dollars", Instrument::TBond, {{1, 99.50}}, 99.53, 30},
        {"T-Bond in 64ths", Instrument::TBond, {{2, 99.0}}, 99.015625, 2 * 15.625},
        {"two Oil lots", Instrument::Oil, {{2, 18.00}, {1, 19.00}}, 18.50, 2 * 500 - 500},
        {"short Cattle gains on a fall", Instrument::Cattle, {{-5, 64.50}}, 63.75, 5 * 0.75 * 400},
        {"Soybean to five decimals", Instrument::Soybean, {{1, 5.12346}}, 5.2, 0.07654 * 5000},
        {"flat", Instrument::Gold, {}, 400.0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = newGame();
        for (const Fill &f : c.fills)
            fill(state, c.instrument, f.units, f.price);
        state.book(c.instrument).price = c.price;
        state.book(c.instrument).unrealizedPL = 123.0; // from the last period
        PLCalc(state, c.instrument);
        EXPECT_DOUBLE_EQ(state.book(c.instrument).unrealizedPL, c.expected);
    }
}

TEST(ProfitLoss, AFlatPositionIsWorthNothingWhateverTheSlotsHold)
{
    GameState state = newGame();
    fill(state, Instrument::Oil, 2, 18.0);
    state.book(Instrument::Oil).position = 0.0f;
    state.book(Instrument::Oil).price = 25.0;
    PLCalc(state, Instrument::Oil);
    EXPECT_EQ(state.book(Instrument::Oil).unrealizedPL, 0.0);
}

TEST(ProfitLoss, AccountValueByLevel)
{
    for (Level level : {Level::Novice, Level::Expert}) {
        SCOPED_TRACE(level == Level::Novice ? "Novice" : "Expert");
        GameState state = newGame(level);
        RecalcAccount(state, level);
        EXPECT_EQ(state.account.unrealizedPL, 0.0);
        EXPECT_EQ(state.account.accountValue, state.account.startingCapital);

        fill(state, Instrument::Oil, 2, 18.0);
        fill(state, Instrument::Gold, 1, 380.0);
        fill(state, Instrument::SP500, -1, 450.0);
        state.book(Instrument::Oil).price = 18.5;
        state.book(Instrument::Gold).price = 390.0;
        state.book(Instrument::SP500).price = 440.0;
        state.account.realizedPL = -250.5;
        RecalcAccount(state, level);

        // A Novice game trades and values Oil only.
        const double unrealized = level == Level::Novice ? 1000.0 : 1000.0 + 1000.0 + 5000.0;
        EXPECT_DOUBLE_EQ(state.account.unrealizedPL, unrealized);
        EXPECT_EQ(state.account.accountValue,
                  static_cast<float>(state.account.startingCapital + unrealized - 250.5));
        EXPECT_EQ(state.account.marginRequirementTotal, 2 * 2025 + 1013 + 20800);
    }
}

TEST(ProfitLoss, AccountValueIsKeptAsASingle)
{
    GameState state = newGame();
    // A Single steps by 1/128 this far up: the cents are rounded to the nearest step.
    state.account.realizedPL = 0.003;
    RecalcAccount(state, Level::Expert);
    EXPECT_EQ(state.account.accountValue, 100000.0f);
    state.account.realizedPL = 0.005;
    RecalcAccount(state, Level::Expert);
    EXPECT_EQ(state.account.accountValue, 100000.0078125f);
}

TEST(ProfitLoss, CashMarginPercentage)
{
    struct Case {
        float accountValue;
        Instrument instrument;
        float position;
        const char16_t *expected;
    };
    const Case cases[] = {
        {75000.0f, Instrument::Oil, 0.0f, u"100.00%"},   {81000.0f, Instrument::Cattle, 10.0f, u"93.33%"},
        {75000.0f, Instrument::SP500, -1.0f, u"72.27%"}, {10000.0f, Instrument::SP500, 1.0f, u"-108.00%"},
        {-5000.0f, Instrument::Cattle, 10.0f, u"0.00%"}, {0.0f, Instrument::Oil, 0.0f, u"0.00%"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.accountValue);
        GameState state = newGame();
        state.account.accountValue = c.accountValue;
        state.book(c.instrument).position = c.position;
        EXPECT_EQ(CountAndRecalcExposure(state), QString::fromUtf16(c.expected));
    }
}
