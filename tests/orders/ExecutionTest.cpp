#include "orders/Execution.h"
#include "account/InstrumentRules.h"
#include "support/TradingFixtures.h"

#include <gtest/gtest.h>

using namespace tarvello;
using tarvello::testing::newGame;
using tarvello::testing::setPrice;

namespace {

constexpr int16_t kTradeDay = 12;

struct Order {
    Instrument instrument;
    OrderSide side;
    float units; // signed, as "&Enter Order" or the liquidation leaves it
    OrderKind kind = OrderKind::Player;
};

GameState pending(const Order &order, double price, Level level = Level::Expert)
{
    GameState state = newGame(level);
    setPrice(state, order.instrument, price);
    state.order.selectedSecurity = order.instrument;
    state.order.orderSide = order.side;
    state.order.orderUnits = order.units;
    state.order.orderKind = order.kind;
    return state;
}

} // namespace

TEST(Execution, TheFillAndItsRecord)
{
    struct Case {
        Order order;
        double price;
        std::optional<QString> confirmation;
        TradeRecord record;
    };
    const Case cases[] = {
        {{Instrument::Oil, OrderSide::Buy, 5},
         18.25,
         QStringLiteral("Transaction Order Filled: 5 Oil Bought @  $18.25"),
         {1, kTradeDay, Instrument::Oil, "Buy", 5, 18.25f}},
        {{Instrument::Gold, OrderSide::Sell, -3},
         385.2,
         QStringLiteral("Transaction Order Filled: 3 Gold Sold @  $385.20"),
         {1, kTradeDay, Instrument::Gold, "Sell", -3, 385.2f}},
        {{Instrument::Cattle, OrderSide::Buy, 1000},
         64.5,
         QStringLiteral("Transaction Order Filled: 1,000 Cattle Bought @  $64.50"),
         {1, kTradeDay, Instrument::Cattle, "Buy", 1000, 64.5f}},
        {{Instrument::TBond, OrderSide::Sell, -3},
         110.15625,
         QStringLiteral("Transaction Order Filled: 3 TBond Sold @  110.15625"),
         {1, kTradeDay, Instrument::TBond, "Sell", -3, 110.15625f}},
        {{Instrument::Soybean, OrderSide::Buy, 2},
         1006.1225,
         QStringLiteral("Transaction Order Filled: 2 Soybean Bought @  1,006.1225"),
         {1, kTradeDay, Instrument::Soybean, "Buy", 2, 1006.1225f}},
        {{Instrument::SP500, OrderSide::Sell, -1, OrderKind::MarginCall},
         455.6,
         std::nullopt,
         {1, kTradeDay, Instrument::SP500, "Sell - Margin Call", -1, 455.6f}},
        {{Instrument::Oil, OrderSide::Buy, 6, OrderKind::MarginCall},
         18.25,
         std::nullopt,
         {1, kTradeDay, Instrument::Oil, "Buy - Margin Call", 6, 18.25f}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.record.transaction.toStdString() + " " +
                     std::string(instrumentKey(c.order.instrument)));
        GameState state = pending(c.order, c.price);
        EXPECT_EQ(fillPrice(state), c.confirmation);
        EXPECT_EQ(state.order.orderPrice, heldPrice(c.order.instrument, c.price));
        bookFill(state, state.order, Level::Expert, kTradeDay);
        EXPECT_EQ(state.account.totalTrades, 1);
        EXPECT_EQ(totalTradesText(state.account), "1");
        EXPECT_EQ(state.account.totalCommissions, 20.0f);
        ASSERT_EQ(state.trades.ofGame(1).size(), 1u);
        EXPECT_EQ(state.trades.ofGame(1)[0], c.record);
        EXPECT_EQ(state.book(c.order.instrument).position, c.order.units);
        EXPECT_EQ(state.book(c.order.instrument).lotCount, 1);
    }
}

TEST(Execution, CommissionsAtTheExpertLevelOnly)
{
    for (Level level : {Level::Novice, Level::Expert}) {
        GameState state = pending({Instrument::Oil, OrderSide::Buy, 1}, 18.0, level);
        for (int n = 0; n < 3; ++n) {
            fillPrice(state);
            bookFill(state, state.order, level, kTradeDay);
        }
        EXPECT_EQ(state.account.totalTrades, 3);
        EXPECT_EQ(state.account.totalCommissions, level == Level::Expert ? 60.0f : 0.0f);
    }
}

TEST(Execution, TheTradeTableGrowsPastTenThousand)
{
    GameState state = pending({Instrument::Oil, OrderSide::Sell, -1, OrderKind::MarginCall}, 18.0);
    state.account.totalTrades = 10000;
    fillPrice(state);
    bookFill(state, state.order, Level::Expert, kTradeDay);
    EXPECT_EQ(state.account.totalTrades, 10001);
    EXPECT_EQ(state.trades.ofGame(10001).size(), 10001u);
    EXPECT_EQ(state.trades.ofGame(10001).back().tradeNumber, 10001);
    EXPECT_EQ(totalTradesText(state.account), "10001");
}

TEST(Execution, ANewGameNumbersFromOneAgain)
{
    GameState state = pending({Instrument::Oil, OrderSide::Buy, 1}, 18.0);
    for (int n = 0; n < 3; ++n) {
        fillPrice(state);
        bookFill(state, state.order, Level::Expert, kTradeDay);
    }
    resetAccountForNewGame(state);
    state.order.orderSide = OrderSide::Sell;
    state.order.orderUnits = -2.0f;
    fillPrice(state);
    bookFill(state, state.order, Level::Expert, 1);
    const auto trades = state.trades.ofGame(state.account.totalTrades);
    ASSERT_EQ(trades.size(), 1u);
    EXPECT_EQ(trades[0].tradeNumber, 1);
    EXPECT_EQ(trades[0].units, -2.0f);
}

TEST(Execution, AnOrderWithoutASideFillsNothing)
{
    GameState state = pending({Instrument::Oil, OrderSide::None, 5}, 18.0);
    EXPECT_FALSE(fillPrice(state).has_value());
    EXPECT_EQ(state.order.orderPrice, 0.0);
    bookFill(state, state.order, Level::Expert, kTradeDay);
    EXPECT_EQ(state.account.totalTrades, 0);
    EXPECT_EQ(state.book(Instrument::Oil).position, 0.0f);
    EXPECT_EQ(state.book(Instrument::Oil).lotCount, 0);
}

TEST(Execution, ClearingThePendingOrder)
{
    GameState state = pending({Instrument::Gold, OrderSide::Sell, -3, OrderKind::MarginCall}, 390.0);
    state.order.orderStage = OrderStage::Accepted;
    fillPrice(state);
    ClearPendingOrder(state);
    EXPECT_FALSE(state.order.selectedSecurity.has_value());
    EXPECT_EQ(state.order.orderSide, OrderSide::None);
    EXPECT_EQ(state.order.orderUnits, 0.0f);
    EXPECT_EQ(state.order.orderPrice, 0.0);
    EXPECT_EQ(state.order.orderKind, OrderKind::MarginCall); // the liquidation resets it itself
    EXPECT_EQ(state.order.orderStage, OrderStage::Accepted);
}
