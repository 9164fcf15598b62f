#include "account/Margin.h"
#include "support/TradingFixtures.h"

#include <gtest/gtest.h>

#include <map>

using namespace tarvello;
using tarvello::testing::newGame;

namespace {

GameState withBook(float accountValue, const std::map<Instrument, float> &positions)
{
    GameState state = newGame();
    state.account.accountValue = accountValue;
    for (const auto &[instrument, position] : positions)
        state.book(instrument).position = position;
    return state;
}

} // namespace

TEST(Margin, RequirementAddsEveryPositionLongOrShort)
{
    GameState state = withBook(100000.0f, {});
    MarginRequirement(state);
    EXPECT_EQ(state.account.marginRequirementTotal, 0.0);

    state = withBook(100000.0f, {{Instrument::Oil, 2.0f}, {Instrument::SP500, -3.0f}});
    MarginRequirement(state);
    EXPECT_EQ(state.account.marginRequirementTotal, 2 * 2025 + 3 * 20800);

    state = withBook(100000.0f, {{Instrument::Oil, -1},
                                 {Instrument::Gold, 1},
                                 {Instrument::TBond, -1},
                                 {Instrument::SP500, 1},
                                 {Instrument::Cattle, -1},
                                 {Instrument::Soybean, 1}});
    MarginRequirement(state);
    EXPECT_EQ(state.account.marginRequirementTotal, 2025 + 1013 + 2430 + 20800 + 540 + 1485);
}

TEST(Margin, AffordableContracts)
{
    struct Case {
        float accountValue;
        std::map<Instrument, float> positions;
        Instrument instrument;
        double expected;
    };
    const Case cases[] = {
        {100000.0f, {}, Instrument::Oil, 49},
        {100000.0f, {}, Instrument::Gold, 98},
        {100000.0f, {}, Instrument::TBond, 41},
        {100000.0f, {}, Instrument::SP500, 4},
        {100000.0f, {}, Instrument::Cattle, 185},
        {100000.0f, {}, Instrument::Soybean, 67},
        {10000.0f, {}, Instrument::Oil, 4},
        // The margin in use counts whatever its instrument.
        {100000.0f, {{Instrument::SP500, -3.0f}}, Instrument::Oil, 18},
        // More margin in use than account value: rounded down, so -0.93 is -1, not 0.
        {10000.0f, {{Instrument::Cattle, 22.0f}}, Instrument::Oil, -1},
        {10000.0f, {{Instrument::Oil, 6.0f}}, Instrument::Oil, -2},
        {0.0f, {}, Instrument::Oil, 0},
        {0.0f, {}, Instrument::SP500, 0},
        {-500.0f, {{Instrument::Oil, 6.0f}}, Instrument::Oil, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.accountValue << " " << instrumentKey(c.instrument));
        GameState state = withBook(c.accountValue, c.positions);
        EXPECT_EQ(MaxAffordableUnits(state, c.instrument), c.expected);
    }
}

TEST(Margin, ExcessAndMarginCall)
{
    struct Case {
        float accountValue;
        std::map<Instrument, float> positions;
        double excess;
        double call;
    };
    const Case cases[] = {
        {100000.0f, {{Instrument::SP500, 3.0f}}, 37600.0, 0.0},
        {50000.0f, {{Instrument::SP500, 3.0f}}, -12400.0, 12400.0},
        {0.0f, {{Instrument::SP500, 3.0f}}, 0.0, 0.0},
        // With no account value left the margin in use is not counted: the loss itself is the call.
        {-1234.567f, {{Instrument::SP500, 3.0f}}, -1234.57, 1234.57},
        {-1234.567f, {}, -1234.57, 1234.57},
        {100000.25f, {}, 100000.25, 0.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.accountValue);
        GameState state = withBook(c.accountValue, c.positions);
        state.account.marginCallAmount = 99.0; // left from an earlier check
        ComputeMarginExcess(state);
        EXPECT_DOUBLE_EQ(state.account.marginExcess, c.excess);
        EXPECT_DOUBLE_EQ(state.account.marginCallAmount, c.call);
    }
}

TEST(Margin, LevelSetsTheCapitalAndNewGameClearsTheAccount)
{
    GameState state = newGame(Level::Novice);
    EXPECT_EQ(state.account.startingCapital, 10000.0f);
    EXPECT_EQ(state.account.accountValue, 10000.0f);

    state.account.realizedPL = 500.0;
    state.account.accountValue = 10500.0f;
    state.account.totalTrades = 3;
    state.account.totalCommissions = 60.0f;
    state.book(Instrument::Gold).position = 4.0f;
    state.book(Instrument::Gold).lotCount = 2;
    state.order.orderSide = OrderSide::Sell;
    state.trades.write({1, 1, Instrument::Gold, QStringLiteral("Buy"), 4.0f, 390.0f});
    resetAccountForNewGame(state);

    EXPECT_EQ(state.account.accountValue, 10000.0f);
    EXPECT_EQ(state.account.realizedPL, 0.0);
    EXPECT_EQ(state.account.totalTrades, 0);
    EXPECT_EQ(state.account.totalCommissions, 0.0f);
    EXPECT_EQ(state.book(Instrument::Gold).position, 0.0f);
    EXPECT_EQ(state.book(Instrument::Gold).lotCount, 0);
    EXPECT_EQ(state.order.orderSide, OrderSide::None);
    EXPECT_TRUE(state.trades.ofGame(state.account.totalTrades).empty());

    const std::pair<Instrument, double> limits[] = {{Instrument::Oil, 200},    {Instrument::Gold, 400},
                                                    {Instrument::TBond, 100},  {Instrument::SP500, 25},
                                                    {Instrument::Cattle, 500}, {Instrument::Soybean, 250}};
    for (const auto &[instrument, limit] : limits) {
        EXPECT_EQ(state.book(instrument).positionLimit, limit);
        EXPECT_EQ(state.book(instrument).transactionLimit, 2 * limit);
    }
}
