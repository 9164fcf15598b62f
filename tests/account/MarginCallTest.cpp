#include "account/MarginCall.h"
#include "account/ProfitLoss.h"
#include "orders/Execution.h"
#include "support/TradingFixtures.h"

#include <gtest/gtest.h>

#include <map>

using namespace tarvello;
using tarvello::testing::fill;
using tarvello::testing::newGame;
using tarvello::testing::setPrice;

namespace {

constexpr int16_t kTradeDay = 7;

// Plays the windows' part: records what is shown and fills the forced orders as the execution does.
class RecordingHost : public LiquidationHost {
public:
    explicit RecordingHost(GameState &state) : m_state(state) {}

    void blowOutGameOver() override { ++blowOuts; }
    void showNotice(const Notice &notice) override { notices.push_back(notice); }
    void executeOrder() override
    {
        EXPECT_EQ(m_state.order.orderKind, OrderKind::MarginCall);
        EXPECT_FALSE(fillPrice(m_state).has_value()); // no confirmation window
        bookFill(m_state, m_state.order, Level::Expert, kTradeDay);
        RecalcAccount(m_state, Level::Expert);
        ClearPendingOrder(m_state);
    }
    void setTradeStage(TradeStage stage) override { stages.push_back(stage); }

    int blowOuts = 0;
    std::vector<Notice> notices;
    std::vector<TradeStage> stages;

private:
    GameState &m_state;
};

// A book opened at the current prices, so the forced fills realize nothing.
GameState withBook(float accountValue, const std::map<Instrument, float> &positions)
{
    GameState state = newGame();
    const std::map<Instrument, double> prices = {
        {Instrument::Oil, 18.25},   {Instrument::Gold, 390.5},  {Instrument::TBond, 110.15625},
        {Instrument::SP500, 455.6}, {Instrument::Cattle, 64.5}, {Instrument::Soybean, 6.1225}};
    for (const auto &[instrument, price] : prices)
        setPrice(state, instrument, price);
    for (const auto &[instrument, position] : positions)
        fill(state, instrument, position, state.book(instrument).price);
    state.account.startingCapital = accountValue;
    state.account.accountValue = accountValue;
    return state;
}

Notice liquidation(const char *message)
{
    return Notice{"* Margin Call Liquidation *", message, 2};
}

} // namespace

TEST(MarginCall, EachStepClosesTheFewestContractsThatCoverTheDeficit)
{
    struct Case {
        const char *name;
        float accountValue;
        std::map<Instrument, float> positions;
        int16_t k;
        std::optional<float> units;
        const char *message;
    };
    const Case cases[] = {
        {"part of a short", 10000.0f, {{Instrument::Oil, -10}}, 3, 6, "Mandatory Buy: 6 Oil at $18.25"},
        {"part of a long, at least one",
         100.0f,
         {{Instrument::SP500, 1}},
         1,
         -1,
         "Mandatory Sale: 1 SP500 at $455.6"},
        {"a whole long",
         1000.0f,
         {{Instrument::SP500, 1}, {Instrument::Oil, 10}},
         1,
         -1,
         "Mandatory Sale: 1 SP500 at $455.6"},
        {"a whole short",
         1000.0f,
         {{Instrument::Gold, -30}, {Instrument::SP500, 1}},
         5,
         30,
         "Mandatory Purchase: 30 Gold at $390.5"},
        {"thousands separated",
         100.0f,
         {{Instrument::Cattle, -1500}, {Instrument::SP500, 2}},
         6,
         1500,
         "Mandatory Purchase: 1,500 Cattle at $64.5"},
        // The price is the Single's text, seven significant digits.
        {"T-Bond price as a Single",
         2000.0f,
         {{Instrument::TBond, 1}},
         2,
         -1,
         "Mandatory Sale: 1 TBond at $110.1563"},
        {"Soybean price as a Single",
         5000.0f,
         {{Instrument::Soybean, 4}},
         4,
         -1,
         "Mandatory Sale: 1 Soybean at $6.1225"},
        {"the step's instrument is flat", 1000.0f, {{Instrument::Oil, 10}}, 1, std::nullopt, ""},
        {"no deficit", 100000.0f, {{Instrument::Oil, 10}}, 3, std::nullopt, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = withBook(c.accountValue, c.positions);
        const std::optional<ForcedFill> planned = MandatoryLiquidation(state, c.k);
        ASSERT_EQ(planned.has_value(), c.units.has_value());
        if (!planned)
            continue;
        EXPECT_EQ(planned->units, *c.units);
        EXPECT_EQ(planned->side, *c.units > 0 ? OrderSide::Buy : OrderSide::Sell);
        EXPECT_EQ(planned->notice, liquidation(c.message));
    }
}

TEST(MarginCall, TheMarginTestClosesInstrumentsInTurn)
{
    GameState state =
        withBook(1000.0f, {{Instrument::SP500, 1}, {Instrument::Oil, 10}, {Instrument::Cattle, 2}});
    RecordingHost host(state);
    EXPECT_TRUE(CheckMarginAndLiquidate(state, kTradeDay, host));

    // SP500 goes whole, T-Bond has nothing, then all of Oil, and one Cattle contract covers the rest.
    const std::vector<Notice> notices = {liquidation("Mandatory Sale: 1 SP500 at $455.6"),
                                         liquidation("Mandatory Sale: 10 Oil at $18.25"),
                                         liquidation("Mandatory Sale: 1 Cattle at $64.5")};
    EXPECT_EQ(host.notices, notices);
    EXPECT_EQ(host.stages, std::vector<TradeStage>{TradeStage::ChangePeriod});
    EXPECT_EQ(state.book(Instrument::Cattle).position, 1.0f);
    EXPECT_EQ(state.order.orderKind, OrderKind::Player);
    const auto trades = state.trades.ofGame(state.account.totalTrades);
    ASSERT_EQ(trades.size(), 3u);
    EXPECT_EQ(trades[0].transaction, "Sell - Margin Call");
    EXPECT_EQ(trades[1].units, -10.0f);
    EXPECT_EQ(state.account.totalCommissions, 60.0f);
}

TEST(MarginCall, APartCloseEndsTheTest)
{
    GameState state = withBook(10000.0f, {{Instrument::Oil, -10}});
    RecordingHost host(state);
    EXPECT_TRUE(CheckMarginAndLiquidate(state, kTradeDay, host));
    EXPECT_EQ(host.notices, std::vector<Notice>{liquidation("Mandatory Buy: 6 Oil at $18.25")});
    EXPECT_EQ(state.book(Instrument::Oil).position, -4.0f);
    EXPECT_EQ(state.account.marginRequirementTotal, 8100.0);
    EXPECT_EQ(host.stages, std::vector<TradeStage>{TradeStage::ChangePeriod});
}

TEST(MarginCall, WhenTheMarginTestDoesNothing)
{
    struct Case {
        const char *name;
        float accountValue;
        int16_t tradeDay;
        int blowOuts;
        std::vector<TradeStage> stages;
    };
    const Case cases[] = {
        {"first period", 1000.0f, 1, 0, {}},
        {"account value 0", 0.0f, kTradeDay, 1, {}},
        {"margin carried", 50000.0f, kTradeDay, 0, {TradeStage::ChangePeriod}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = withBook(c.accountValue, {{Instrument::Oil, 10}});
        RecordingHost host(state);
        EXPECT_FALSE(CheckMarginAndLiquidate(state, c.tradeDay, host));
        EXPECT_TRUE(host.notices.empty());
        EXPECT_EQ(host.blowOuts, c.blowOuts);
        EXPECT_EQ(host.stages, c.stages);
        EXPECT_EQ(state.book(Instrument::Oil).position, 10.0f);
    }
}

TEST(MarginCall, TheCheckAtTheStartOfAPeriod)
{
    struct Case {
        const char *name;
        float accountValue;
        int16_t tradeDay;
        bool blowOut;
        const char *message; // empty: no notice
        const char *cashMargin;
    };
    const Case cases[] = {
        {"deficit", 19015.5f, 3, false, "You have a margin call equaling  $1,234.50 dollars", "-6.49%"},
        {"deficit in the first period", 19015.5f, 1, false, "", "-6.49%"},
        {"under a dollar", 20249.5f, 3, false, "You have a margin call equaling  $.50 dollars", "0.00%"},
        {"carried", 50000.0f, 3, false, "", "59.50%"},
        {"account lost", 0.0f, 3, true, "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = withBook(c.accountValue, {{Instrument::Oil, 10}}); // margin 20,250
        const MarginCallCheckResult result = MarginCallCheck(state, c.tradeDay);
        EXPECT_EQ(result.blowOut, c.blowOut);
        if (*c.message)
            EXPECT_EQ(result.notice, (Notice{"*** Immediately Liquidate Positions ***", c.message, 1}));
        else
            EXPECT_FALSE(result.notice.has_value());
        EXPECT_EQ(result.cashMarginText, QString::fromLatin1(c.cashMargin));
    }
}
