#include "orders/TradeStageLayout.h"
#include "support/TradingFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace tarvello;
using Op = StageStep::Op;

namespace {

// What a layout leaves on each control it names: "S"/"H" for shown or hidden, then "E"/"D" for enabled
// or disabled; a control it does not name is absent.
std::map<QString, QString> controlStates(const std::vector<StageStep> &steps)
{
    std::map<QString, std::pair<QString, QString>> states;
    for (const StageStep &step : steps) {
        auto &[visible, enabled] = states[step.control];
        switch (step.op) {
        case Op::Show:
            visible = "S";
            break;
        case Op::Hide:
            visible = "H";
            break;
        case Op::Enable:
            enabled = "E";
            break;
        case Op::Disable:
            enabled = "D";
            break;
        default:
            break;
        }
    }
    std::map<QString, QString> result;
    for (const auto &[control, state] : states) {
        if (!control.isEmpty() && !(state.first + state.second).isEmpty())
            result[control] = state.first + state.second;
    }
    return result;
}

bool has(const std::vector<StageStep> &steps, const StageStep &wanted)
{
    return std::find(steps.begin(), steps.end(), wanted) != steps.end();
}

std::vector<StageStep> layout(TradeStage stage, const StageContext &context = {})
{
    GameState state;
    return SetTradeStage(state, stage, context);
}

} // namespace

TEST(TradeStageLayout, EachStageShowsHidesEnablesAndDisables)
{
    // Columns: ChangePeriod (while a period advance runs, so only its common steps), Trade, GetUnits,
    // TradeConfirmation, CorrOrd, Restart. "-" leaves the control as it is.
    const std::vector<std::pair<const char *, std::array<const char *, 6>>> table = {
        {"btnChangePeriod", {"-", "H", "-", "SD", "HD", "SE"}},
        {"btnTrade", {"-", "H", "-", "SD", "HD", "SD"}},
        {"btnBuy", {"H", "SE", "H", "H", "H", "H"}},
        {"btnSell", {"H", "SE", "H", "H", "H", "H"}},
        {"btnHold", {"H", "SE", "H", "H", "H", "H"}},
        {"btnYes", {"H", "H", "-", "-", "-", "H"}},
        {"btnNo", {"H", "H", "-", "-", "-", "H"}},
        {"btnTradeHist", {"-", "-", "-", "-", "H", "S"}},
        {"btnNewsHist", {"-", "-", "-", "-", "H", "S"}},
        {"promptUnits", {"H", "H", "S", "H", "H", "H"}},
        {"inputUnits", {"H", "H", "SE", "H", "H", "H"}},
        {"promptPrice", {"H", "-", "-", "H", "H", "H"}},
        {"inputPrice", {"H", "-", "-", "H", "H", "H"}},
        {"lblTraderInput", {"S", "-", "S", "S", "S", "S"}},
        {"lblorderverify", {"H", "H", "H", "H", "-", "H"}},
        {"ShapeNextPeriod", {"S", "H", "H", "S", "H", "S"}},
        {"shapeTradeCentral", {"H", "S", "S", "H", "S", "H"}},
        {"Shape3", {"-", "-", "S", "-", "S", "-"}},
        {"Label8", {"-", "-", "H", "-", "-", "-"}},
        {"TradeGrid", {"H", "H", "H", "H", "H", "H"}},
    };
    const TradeStage stages[] = {TradeStage::ChangePeriod,      TradeStage::Trade,   TradeStage::GetUnits,
                                 TradeStage::TradeConfirmation, TradeStage::CorrOrd, TradeStage::Restart};
    for (size_t column = 0; column < 6; ++column) {
        SCOPED_TRACE(tradeStageName(stages[column]).toStdString());
        StageContext context;
        context.advanceInProgress = true;
        const std::map<QString, QString> states = controlStates(layout(stages[column], context));
        std::map<QString, QString> expected;
        for (const auto &[control, cells] : table) {
            if (QString::fromLatin1(cells[column]) != "-")
                expected[QString::fromLatin1(control)] = QString::fromLatin1(cells[column]);
        }
        EXPECT_EQ(states, expected);
    }
}

TEST(TradeStageLayout, CaptionsFocusAndCalls)
{
    const std::vector<StageStep> changePeriod = layout(TradeStage::ChangePeriod);
    EXPECT_EQ(changePeriod.front(), (StageStep{Op::RecolourMarketLabels, {}, {}}));
    EXPECT_TRUE(has(changePeriod, {Op::SetCaption, "lblTraderInput", "Trader Input:"}));
    EXPECT_TRUE(has(changePeriod, {Op::ShowGraphs, {}, {}}));

    const std::vector<StageStep> corrOrd = layout(TradeStage::CorrOrd);
    EXPECT_TRUE(has(corrOrd, {Op::SetCaption, "lblTraderInput", "Order Verification:"}));
    EXPECT_FALSE(has(corrOrd, {Op::ShowGraphs, {}, {}}));

    const std::vector<StageStep> getUnits = layout(TradeStage::GetUnits);
    EXPECT_TRUE(has(getUnits, {Op::ClearText, "inputUnits", {}}));
    EXPECT_EQ(getUnits.back(), (StageStep{Op::Focus, "inputUnits", {}}));
    EXPECT_TRUE(has(getUnits, {Op::EnableMainWindow, {}, {}}));
    EXPECT_FALSE(has(getUnits, {Op::ShowGraphs, {}, {}}));

    const std::vector<StageStep> restart = layout(TradeStage::Restart);
    EXPECT_EQ(restart.back(), (StageStep{Op::Focus, "btnChangePeriod", {}}));
    EXPECT_TRUE(has(restart, {Op::EnableMainWindow, {}, {}}));
}

TEST(TradeStageLayout, ChangePeriodByTheStateOfTheGame)
{
    struct Case {
        const char *name;
        StageContext context;
        std::map<QString, QString> buttons; // btnChangePeriod, btnTrade, btnTradeHist, btnNewsHist
        bool reportsPanel;
    };
    const Case cases[] = {
        {"before the first period",
         {0, 0, false, 0, 0},
         {{"btnChangePeriod", "S"}, {"btnTrade", "SD"}, {"btnTradeHist", "D"}, {"btnNewsHist", "D"}},
         false},
        {"during a game", {3, 0, false, 0, 0}, {{"btnChangePeriod", "SE"}, {"btnTrade", "SE"}}, true},
        {"during a restarted game", {3, 1, false, 0, 0}, {}, true},
        {"while a period advance runs", {3, 0, true, 0, 0}, {}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<StageStep> steps = layout(TradeStage::ChangePeriod, c.context);
        std::map<QString, QString> buttons = controlStates(steps);
        std::erase_if(buttons, [](const auto &entry) {
            return entry.first != "btnChangePeriod" && entry.first != "btnTrade" &&
                   entry.first != "btnTradeHist" && entry.first != "btnNewsHist";
        });
        EXPECT_EQ(buttons, c.buttons);
        EXPECT_EQ(has(steps, {Op::ShowReportsPanel, {}, {}}), c.reportsPanel);
    }
}

TEST(TradeStageLayout, TradeShowsTheReportsOnlyWithSomethingToReport)
{
    EXPECT_FALSE(has(layout(TradeStage::Trade, {5, 0, false, 0, 0}), {Op::ShowReportsPanel, {}, {}}));
    EXPECT_TRUE(has(layout(TradeStage::Trade, {5, 0, false, 1, 0}), {Op::ShowReportsPanel, {}, {}}));
    EXPECT_TRUE(has(layout(TradeStage::Trade, {5, 0, false, 0, 2}), {Op::ShowReportsPanel, {}, {}}));
}

TEST(TradeStageLayout, OnlyChangePeriodEmptiesTheInstrument)
{
    for (TradeStage stage : {TradeStage::ChangePeriod, TradeStage::Trade, TradeStage::GetUnits,
                             TradeStage::TradeConfirmation, TradeStage::CorrOrd, TradeStage::Restart}) {
        GameState state;
        state.order.selectedSecurity = Instrument::Gold;
        SetTradeStage(state, stage, {});
        EXPECT_EQ(state.order.selectedSecurity.has_value(), stage != TradeStage::ChangePeriod);
        EXPECT_EQ(tradeStageFromName(tradeStageName(stage)), stage);
    }
}

TEST(TradeStageLayout, NamesAreExact)
{
    EXPECT_EQ(tradeStageFromName(u"CorrOrd"), TradeStage::CorrOrd);
    for (const char16_t *name : {u"trade", u"", u"Changeperiod", u"Trade "})
        EXPECT_FALSE(tradeStageFromName(name).has_value());
}

TEST(TradeStageLayout, MarketLabelColoursByScheme)
{
    struct Case {
        int32_t scheme;
        std::optional<LabelColours> labels;
        std::optional<LabelColours> chosen;
    };
    const Case cases[] = {
        {0x000000, LabelColours{0xFFFFFF, 0x000000}, LabelColours{0, 0xFFFF00}},
        {0xC0C0C0, LabelColours{0, 0xC0C0C0}, LabelColours{0, 0x00FFFF}},
        {0xFFFFFF, LabelColours{0, 0xFFFFFF}, LabelColours{0, 0xC0C0C0}},
        {0x808080, std::nullopt, std::nullopt},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(marketLabelColours(c.scheme), c.labels) << std::hex << c.scheme;
        EXPECT_EQ(selectedMarketLabelColours(c.scheme), c.chosen) << std::hex << c.scheme;
    }
}
