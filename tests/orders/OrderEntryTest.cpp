#include "orders/OrderEntry.h"
#include "support/TradingFixtures.h"

#include <gtest/gtest.h>

using namespace tarvello;
using tarvello::testing::fill;
using tarvello::testing::newGame;

namespace {

// `lots` lots of one contract each, long (positive) or short.
GameState withLots(Instrument instrument, int lots)
{
    GameState state = newGame();
    state.account.accountValue = 10000000.0f;
    for (int n = 0; n < std::abs(lots); ++n)
        fill(state, instrument, lots > 0 ? 1.0f : -1.0f, 100.0);
    return state;
}

Notice lotRefusal(const char *message)
{
    return Notice{"* Trader Notification *", message, 1};
}

} // namespace

TEST(OrderEntry, TheHundredLotGuard)
{
    struct Case {
        const char *name;
        std::optional<Instrument> selected;
        Instrument instrument;
        int lots;
        OrderSide side;
        const char *refusal; // empty: the order goes on to the quantity check
    };
    const Case cases[] = {
        {"long, buying", Instrument::Gold, Instrument::Gold, 100, OrderSide::Buy,
         "No Additional Gold Purchases Allowed - Current Gold Inventory to Large: Try Selling"},
        {"long, selling", Instrument::Gold, Instrument::Gold, 100, OrderSide::Sell, ""},
        {"99 lots", Instrument::Gold, Instrument::Gold, 99, OrderSide::Buy, ""},
        {"short, selling", Instrument::TBond, Instrument::TBond, -100, OrderSide::Sell,
         "No Additional TBond Sales Allowed - Current TBond Inventory to Large: Try Buying"},
        {"short, buying", Instrument::TBond, Instrument::TBond, -100, OrderSide::Buy, ""},
        {"no instrument is Oil", std::nullopt, Instrument::Oil, 100, OrderSide::Buy,
         "No Additional Oil Purchases Allowed - Current Oil Inventory to Large: Try Selling"},
        {"another instrument's lots", Instrument::Cattle, Instrument::Oil, 100, OrderSide::Buy, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = withLots(c.instrument, c.lots);
        state.order.selectedSecurity = c.selected;
        state.order.orderSide = c.side;
        state.order.orderStage = OrderStage::AskAgain;
        const QuantityEntry entry = InputUnits(state, u"1");
        if (*c.refusal) {
            EXPECT_EQ(entry.next, QuantityEntry::Next::RefusedLots);
            EXPECT_EQ(entry.notice, lotRefusal(c.refusal));
            EXPECT_EQ(state.order.orderStage, OrderStage::AskAgain); // left as it was
        } else {
            EXPECT_EQ(entry.next, QuantityEntry::Next::Verify);
            EXPECT_FALSE(entry.notice.has_value());
            EXPECT_EQ(state.order.orderStage, OrderStage::BackToSide);
        }
    }
}

TEST(OrderEntry, AFlatPositionIsNeverRefusedForItsLots)
{
    GameState state = newGame();
    state.book(Instrument::Oil).lotCount = 100; // slots of a finished position
    state.order.orderSide = OrderSide::Buy;
    EXPECT_FALSE(inventoryGuard(state).has_value());
}

TEST(OrderEntry, TheCheckDecidesTheNextStep)
{
    struct Case {
        const char *text;
        float position;
        QuantityEntry::Next next;
    };
    const Case cases[] = {
        {"5", 0, QuantityEntry::Next::Verify},
        {"x", 0, QuantityEntry::Next::AskAgain},
        {"60", 0, QuantityEntry::Next::AskAgain},
        {"", 0, QuantityEntry::Next::BackToSide},
        {"-2", 0, QuantityEntry::Next::BackToSide},
        {"1", 200, QuantityEntry::Next::BackToSide}, // at the position limit
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        GameState state = newGame();
        state.book(Instrument::Oil).position = c.position;
        state.account.marginRequirementTotal = -1.0; // stale
        state.order.orderSide = OrderSide::Buy;
        EXPECT_EQ(InputUnits(state, QString::fromLatin1(c.text)).next, c.next);
        EXPECT_EQ(state.order.orderStage, OrderStage::BackToSide);
        EXPECT_EQ(state.account.marginRequirementTotal, c.position * 2025.0);
    }
}

TEST(OrderEntry, CommandsOnThePendingOrder)
{
    GameState state = newGame();
    startOrder(state, Level::Novice);
    EXPECT_EQ(state.order.securitySelected, 1);
    EXPECT_FALSE(state.order.selectedSecurity.has_value());

    state.order.selectedSecurity = Instrument::Gold;
    startOrder(state, Level::Expert);
    EXPECT_FALSE(state.order.selectedSecurity.has_value());
    selectInstrument(state, Instrument::Cattle);
    EXPECT_EQ(state.order.selectedSecurity, Instrument::Cattle);
    EXPECT_EQ(state.order.securitySelected, 0);

    EXPECT_EQ(selectSide(state, OrderSide::Buy), "Number of Contracts to Buy: ");
    EXPECT_EQ(selectSide(state, OrderSide::Sell), "Number of Contracts to Sell: ");
    EXPECT_EQ(state.order.orderSide, OrderSide::Sell);

    state.order.orderUnits = 5.0f;
    enterOrder(state);
    EXPECT_EQ(state.order.orderUnits, -5.0f);
    state.order.orderSide = OrderSide::Buy;
    state.order.orderUnits = 5.0f;
    enterOrder(state);
    EXPECT_EQ(state.order.orderUnits, 5.0f);

    holdOrder(state);
    EXPECT_EQ(state.order.orderStage, OrderStage::GiveUp);
    EXPECT_EQ(state.order.orderSide, OrderSide::None);
    EXPECT_FALSE(state.order.selectedSecurity.has_value());
    EXPECT_EQ(state.order.orderUnits, 0.0f);
}
