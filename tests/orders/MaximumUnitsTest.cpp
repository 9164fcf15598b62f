#include "orders/MaximumUnits.h"
#include "support/TradingFixtures.h"

#include <gtest/gtest.h>

#include <map>

using namespace tarvello;
using tarvello::testing::newGame;

TEST(MaximumUnits, BothReadings)
{
    struct Case {
        const char *name;
        Instrument instrument;
        OrderSide side;
        float accountValue;
        std::map<Instrument, float> positions;
        const char *transaction;
        const char *position;
    };
    const Case cases[] = {
        {"flat, affordable only", Instrument::Oil, OrderSide::Buy, 100000.0f, {}, "49", "49"},
        // 80 contracts affordable beside a long 150.
        {"adding up to the limit",
         Instrument::Oil,
         OrderSide::Buy,
         465750.0f,
         {{Instrument::Oil, 150}},
         "50",
         "100"},
        {"closing first",
         Instrument::Oil,
         OrderSide::Sell,
         465750.0f,
         {{Instrument::Oil, 150}},
         "350",
         "200"},
        // -40 affordable beside a short 30: the position can still be closed.
        {"closing with no equity",
         Instrument::Gold,
         OrderSide::Buy,
         93870.0f,
         {{Instrument::Gold, -30}, {Instrument::SP500, 5}},
         "30",
         "0"},
        // 100 affordable beside a short 500: the transaction limit holds.
        {"at the transaction limit",
         Instrument::Cattle,
         OrderSide::Buy,
         324000.0f,
         {{Instrument::Cattle, -500}},
         "1000",
         "500"},
        // -5 affordable: nothing may be added, and the display says so.
        {"a negative allowance",
         Instrument::Oil,
         OrderSide::Buy,
         10800.0f,
         {{Instrument::SP500, 1}},
         "0",
         "0"},
        // Free equity beyond any 16-bit count is capped by the limits before it is shown.
        {"vast equity, adding", Instrument::Cattle, OrderSide::Buy, 20000000.0f, {}, "500", "500"},
        {"vast equity, closing",
         Instrument::Cattle,
         OrderSide::Buy,
         20000000.0f,
         {{Instrument::Cattle, -500}},
         "1000",
         "500"},
        {"account lost", Instrument::Oil, OrderSide::Buy, 0.0f, {{Instrument::Oil, 5}}, "0", "0"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = newGame();
        state.account.accountValue = c.accountValue;
        for (const auto &[instrument, position] : c.positions)
            state.book(instrument).position = position;
        state.order.selectedSecurity = c.instrument;
        state.order.orderSide = c.side;
        EXPECT_EQ(ShowMaximumUnits(state, MaximumDisplay::Transaction), QString::fromLatin1(c.transaction));
        EXPECT_EQ(ShowMaximumUnits(state, MaximumDisplay::Positions), QString::fromLatin1(c.position));
    }
}

TEST(MaximumUnits, NoSideLeavesTheFigureUnlessTheAccountIsLost)
{
    GameState state = newGame();
    EXPECT_FALSE(ShowMaximumUnits(state, MaximumDisplay::Transaction).has_value());
    state.account.accountValue = -1.0f;
    EXPECT_EQ(ShowMaximumUnits(state, MaximumDisplay::Transaction), QStringLiteral("0"));
}

TEST(MaximumUnits, NoInstrumentIsOil)
{
    GameState state = newGame();
    state.book(Instrument::Oil).position = 10.0f;
    state.order.orderSide = OrderSide::Sell;
    EXPECT_EQ(ShowMaximumUnits(state, MaximumDisplay::Transaction), QStringLiteral("59"));
    EXPECT_EQ(maximumDisplayCaption(MaximumDisplay::Transaction), "Maximum Transaction:");
    EXPECT_EQ(maximumDisplayCaption(MaximumDisplay::Positions), "Maximum Position:");
}
