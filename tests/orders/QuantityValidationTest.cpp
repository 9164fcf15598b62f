#include "orders/QuantityValidation.h"
#include "support/TradingFixtures.h"

#include <gtest/gtest.h>

#include <map>

using namespace tarvello;
using tarvello::testing::newGame;

namespace {

struct Case {
    const char *name;
    Instrument instrument;
    OrderSide side;
    float accountValue;
    std::map<Instrument, float> positions;
    const char *text;
    OrderStage outcome;
    const char *notice; // empty: none
    int32_t quantity = 0;
};

void expectChecks(std::initializer_list<Case> cases)
{
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = newGame();
        state.account.accountValue = c.accountValue;
        for (const auto &[instrument, position] : c.positions)
            state.book(instrument).position = position;
        state.order.orderSide = c.side;
        state.order.orderUnits = -7.0f; // left from an earlier order
        const QuantityCheck check = GetUnits(state, c.instrument, QString::fromLatin1(c.text));
        EXPECT_EQ(check.outcome, c.outcome);
        EXPECT_EQ(state.order.orderStage, c.outcome);
        if (*c.notice)
            EXPECT_EQ(check.notice, (Notice{"Trader Notification", c.notice, 1}));
        else
            EXPECT_FALSE(check.notice.has_value());
        if (c.outcome == OrderStage::Accepted) {
            EXPECT_EQ(check.quantity, c.quantity);
            EXPECT_EQ(state.order.orderUnits, static_cast<float>(c.quantity));
        } else {
            EXPECT_EQ(state.order.orderUnits, -7.0f);
        }
    }
}

constexpr auto Buy = OrderSide::Buy;
constexpr auto Sell = OrderSide::Sell;
constexpr auto Gold = Instrument::Gold;
constexpr auto Oil = Instrument::Oil;
constexpr auto Accepted = OrderStage::Accepted;
constexpr auto AskAgain = OrderStage::AskAgain;
constexpr auto Back = OrderStage::BackToSide;

} // namespace

TEST(QuantityValidation, ReadingTheTypedText)
{
    expectChecks({
        {"empty", Oil, Buy, 100000.0f, {}, "", Back, ""},
        {"zero", Oil, Buy, 100000.0f, {}, "0", Back, ""},
        {"rounds to zero", Oil, Buy, 100000.0f, {}, "0.4", Back, ""},
        {"a half to even, down", Oil, Buy, 100000.0f, {}, "2.5", Accepted, "", 2},
        {"a half to even, up", Oil, Buy, 100000.0f, {}, "3.5", Accepted, "", 4},
        {"blanks around", Oil, Buy, 100000.0f, {}, " 7 ", Accepted, "", 7},
        {"letters", Oil, Buy, 100000.0f, {}, "12a", AskAgain, "Please Enter Only Numbers"},
        {"negative",
         Oil,
         Buy,
         100000.0f,
         {},
         "-3",
         Back,
         "You cannot transact a negative amount for any commodity"},
        {"negative sale",
         Oil,
         Sell,
         100000.0f,
         {},
         "-3",
         Back,
         "You cannot transact a negative amount for any commodity"},
        // Read with the grammar the number test accepts: a thousand, not 1.
        {"thousands separator",
         Oil,
         Buy,
         100000.0f,
         {},
         "1,000",
         AskAgain,
         "Oil Position Limit is  200  Contracts:  Maximum Allowed Buy = 49"},
        {"thousands separator accepted",
         Instrument::Cattle,
         Sell,
         1000000.0f,
         {{Instrument::Cattle, 500}},
         "1,000",
         Accepted,
         "",
         1000},
        {"held to 410,000",
         Oil,
         Buy,
         100000.0f,
         {},
         "999999",
         AskAgain,
         "Oil Position Limit is  200  Contracts:  Maximum Allowed Buy = 49"},
    });
}

TEST(QuantityValidation, BuyRules)
{
    expectChecks({
        {"within the allowance", Gold, Buy, 10500.0f, {}, "10", Accepted, "", 10},
        {"over the allowance",
         Gold,
         Buy,
         10500.0f,
         {},
         "11",
         AskAgain,
         "Not Enough Account Equity: Maximum Allowed Buy = 10 Contracts"},
        {"an allowance of one",
         Gold,
         Buy,
         1500.0f,
         {},
         "2",
         AskAgain,
         "Not Enough Account Equity: Maximum Allowed Buy = 1 Contract"},
        {"at the position limit",
         Gold,
         Buy,
         1000000.0f,
         {{Gold, 400}},
         "1",
         Back,
         "Gold Position Limit is  400  Contracts:  No More Purchases Allowed"},
        {"past the position limit",
         Gold,
         Buy,
         1000000.0f,
         {{Gold, 395}},
         "10",
         AskAgain,
         "Gold Position Limit is  400  Contracts:  Maximum Allowed Buy = 5"},
        {"up to the position limit", Gold, Buy, 1000000.0f, {{Gold, 395}}, "5", Accepted, "", 5},
        {"no equity", Gold, Buy, 0.0f, {}, "1", Back, "Margin Limit Reached:  No More Purchases Allowed"},
        {"margin in use beyond the account",
         Oil,
         Buy,
         10000.0f,
         {{Instrument::SP500, 1}},
         "1",
         Back,
         "Margin Limit Reached:  No More Purchases Allowed"},
        {"covering a short needs no equity", Gold, Buy, 0.0f, {{Gold, -5}}, "3", Accepted, "", 3},
        {"covering a short and more", Gold, Buy, 7000.0f, {{Gold, -5}}, "6", Accepted, "", 6},
        {"covering past the allowance",
         Gold,
         Buy,
         7000.0f,
         {{Gold, -5}},
         "12",
         AskAgain,
         "Not Enough Account Equity: Maximum Allowed Buy = 11 Contracts"},
        {"the transaction limit",
         Instrument::SP500,
         Buy,
         10000000.0f,
         {{Instrument::SP500, -25}},
         "51",
         AskAgain,
         "SP500 Position Limit is  25  Contracts:  Maximum Allowed Buy = 50"},
        {"the transaction limit reached",
         Instrument::SP500,
         Buy,
         10000000.0f,
         {{Instrument::SP500, -25}},
         "50",
         Accepted,
         "",
         50},
    });
}

TEST(QuantityValidation, SellRules)
{
    expectChecks({
        {"within the allowance", Gold, Sell, 10500.0f, {}, "10", Accepted, "", 10},
        {"over the allowance",
         Gold,
         Sell,
         10500.0f,
         {},
         "11",
         AskAgain,
         "Not Enough Account Equity:  Maximum Allowed Sale = 10 Contracts"},
        {"an allowance of one",
         Gold,
         Sell,
         1500.0f,
         {},
         "2",
         AskAgain,
         "Not Enough Account Equity:  Maximum Allowed Sale = 1 Contract"},
        {"at the position limit",
         Gold,
         Sell,
         1000000.0f,
         {{Gold, -400}},
         "1",
         Back,
         "Gold Position Limit is  400  Contracts:  No More Sales Allowed"},
        {"T-Bond at the position limit",
         Instrument::TBond,
         Sell,
         1000000.0f,
         {{Instrument::TBond, -100}},
         "1",
         Back,
         "Tbond Position Limit is  100  Contracts:  No More Sales Allowed"},
        {"T-Bond past the position limit",
         Instrument::TBond,
         Sell,
         1000000.0f,
         {{Instrument::TBond, -90}},
         "20",
         AskAgain,
         "TBond Position Limit is  100  Contracts:  Maximum Allowed Sale = 10"},
        {"past the position limit from flat",
         Oil,
         Sell,
         1000000.0f,
         {},
         "250",
         AskAgain,
         "Oil Position Limit is  200  Contracts:  Maximum Allowed Sale = 200"},
        {"no equity", Gold, Sell, 0.0f, {}, "1", Back, "Margin Limit Reached:  No More Sales Allowed"},
        {"closing a long needs no equity", Gold, Sell, 0.0f, {{Gold, 5}}, "5", Accepted, "", 5},
        {"long to short within the allowance", Oil, Sell, 100000.0f, {{Oil, 10}}, "30", Accepted, "", 30},
        {"long to short past the allowance",
         Oil,
         Sell,
         100000.0f,
         {{Oil, 10}},
         "70",
         AskAgain,
         "Not Enough Account Equity:  Maximum Allowed Sale = 59 Contracts"},
    });
}

TEST(QuantityValidation, TheMaximumPositionIsKeptForTheInstrument)
{
    struct Case {
        OrderSide side;
        float position;
        float accountValue;
        const char *text;
        int16_t expected;
    };
    const Case cases[] = {
        {Buy, 0, 10500.0f, "", 10}, // written even when nothing was typed
        {Buy, 0, 10500.0f, "abc", 10},    {Sell, 0, 10500.0f, "3", 10},
        {Buy, 395, 1000000.0f, "1", 400}, // held to the position limit
        {Buy, -5, 7000.0f, "1", 6},       // |position| + affordable
        {Buy, 0, 0.0f, "1", 0},
    };
    for (const Case &c : cases) {
        GameState state = newGame();
        state.account.accountValue = c.accountValue;
        state.book(Gold).position = c.position;
        state.order.orderSide = c.side;
        GetUnits(state, Gold, QString::fromLatin1(c.text));
        EXPECT_EQ(state.book(Gold).maxUnits, c.expected) << c.position << " " << c.text;
    }
}
