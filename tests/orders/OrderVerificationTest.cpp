#include "orders/OrderVerification.h"
#include "support/TradingFixtures.h"

#include <gtest/gtest.h>

using namespace tarvello;
using tarvello::testing::newGame;

TEST(OrderVerification, TheOrderLine)
{
    struct Case {
        std::optional<Instrument> selected;
        OrderSide side;
        float units;
        double buyPrice;
        double sellPrice;
        const char *expected;
    };
    const Case cases[] = {
        {std::nullopt, OrderSide::Buy, 5, 18.25, 18.0, "Is order correct Buy 5 Oil @ $18.25"},
        {Instrument::Cattle, OrderSide::Sell, 1000, 65.0, 64.5,
         "Is order correct Sell 1,000 Cattle @ $64.50"},
        {Instrument::SP500, OrderSide::Buy, 2, 1234.5, 0.0, "Is order correct Buy 2 SP500 @ $1,234.50"},
        // T-Bond and Soybean prices as they are, with as many decimals as they need.
        {Instrument::TBond, OrderSide::Buy, 3, 110.15625, 0.0, "Is order correct Buy 3 TBond @ $110.15625"},
        {Instrument::TBond, OrderSide::Sell, 1, 0.0, 1100.5, "Is order correct Sell 1 TBond @ $1100.5"},
        {Instrument::Soybean, OrderSide::Sell, 4, 0.0, 6.1225, "Is order correct Sell 4 Soybean @ $6.1225"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected);
        GameState state = newGame();
        InstrumentBook &book = state.book(c.selected.value_or(Instrument::Oil));
        book.buyFillPrice = c.buyPrice;
        book.sellFillPrice = c.sellPrice;
        state.order.selectedSecurity = c.selected;
        state.order.orderSide = c.side;
        state.order.orderUnits = c.units;
        EXPECT_EQ(ShowOrderVerification(state), QString::fromLatin1(c.expected));
        EXPECT_EQ(state.order.selectedSecurity, c.selected.value_or(Instrument::Oil));
    }
}

TEST(OrderVerification, NoSideNoLine)
{
    GameState state = newGame();
    EXPECT_FALSE(ShowOrderVerification(state).has_value());
    EXPECT_FALSE(state.order.selectedSecurity.has_value());
}

TEST(OrderVerification, TheLabelFitsTheLine)
{
    EXPECT_EQ(orderVerifyFit(4099).width, 4480);
    EXPECT_EQ(orderVerifyFit(4099).left, 3000);
    EXPECT_EQ(orderVerifyFit(4100).width, 4660);
    EXPECT_EQ(orderVerifyFit(4100).left, 2900);
}
