#include "TradingWindowFixture.h"

#include "orders/TradeStageLayout.h"

#include <array>

namespace tarvello::test {
namespace {

using TradeStageWindow = TradingWindowTest;

constexpr std::array<TradeStage, 6> kStages = {TradeStage::ChangePeriod, TradeStage::Trade,
                                               TradeStage::GetUnits,     TradeStage::TradeConfirmation,
                                               TradeStage::CorrOrd,      TradeStage::Restart};

forms::Control *control(Halvern &w, const char *name)
{
    for (QWidget *widget : w.client()->findChildren<QWidget *>(QString::fromLatin1(name))) {
        if (auto *c = dynamic_cast<forms::Control *>(widget))
            return c;
    }
    ADD_FAILURE() << "no control " << name;
    return nullptr;
}

// Each stage reaches the real controls: every control the stage names starts in the opposite state,
// so a step that missed its control would show.
TEST_F(TradeStageWindow, EachStageLaysOutTheOrderArea)
{
    // Columns: ChangePeriod (in the third period), Trade, GetUnits, TradeConfirmation, CorrOrd, Restart.
    // "S"/"H" shown or hidden, then "E"/"D" enabled or disabled; "-" leaves the control as it was.
    const std::vector<std::pair<const char *, std::array<const char *, 6>>> table = {
        {"btnChangePeriod", {"SE", "H", "-", "SD", "HD", "SE"}},
        {"btnTrade", {"SE", "H", "-", "SD", "HD", "SD"}},
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
    startGame(Level::Expert);
    for (size_t s = 0; s < kStages.size(); ++s) {
        SCOPED_TRACE(tradeStageName(kStages[s]).toStdString());
        for (const auto &[name, states] : table) {
            const QString expected = QString::fromLatin1(states[s]);
            forms::Control *c = control(w(), name);
            if (expected.contains(QLatin1Char('S')) || expected.contains(QLatin1Char('H')))
                c->setVisible(expected.contains(QLatin1Char('H')));
            if (expected.contains(QLatin1Char('E')) || expected.contains(QLatin1Char('D')))
                c->setEnabled(expected.contains(QLatin1Char('D')));
        }
        w().inputUnits->setText(QStringLiteral("12"));
        w().setEnabled(false);

        SetTradeStage(app, kStages[s]);
        for (const auto &[name, states] : table) {
            SCOPED_TRACE(name);
            const QString expected = QString::fromLatin1(states[s]);
            const forms::Control *c = control(w(), name);
            if (expected.contains(QLatin1Char('S')) || expected.contains(QLatin1Char('H'))) {
                EXPECT_EQ(c->visible(), expected.contains(QLatin1Char('S')));
            }
            if (expected.contains(QLatin1Char('E')) || expected.contains(QLatin1Char('D'))) {
                EXPECT_EQ(c->enabled(), expected.contains(QLatin1Char('E')));
            }
        }
        const TradeStage stage = kStages[s];
        // Only "Trade" and "GetUnits" empty the quantity box; only "GetUnits" and "Restart" enable the
        // window and move the focus.
        const bool emptied = stage == TradeStage::Trade || stage == TradeStage::GetUnits;
        EXPECT_EQ(w().inputUnits->text(), emptied ? "" : "12");
        const bool focuses = stage == TradeStage::GetUnits || stage == TradeStage::Restart;
        EXPECT_EQ(w().enabled(), focuses);
        if (stage == TradeStage::GetUnits) {
            EXPECT_EQ(w().focusWidget(), w().inputUnits);
        }
        if (stage == TradeStage::Restart) {
            EXPECT_EQ(w().focusWidget(), w().btnChangePeriod);
        }
        w().setEnabled(true);
    }
}

TEST_F(TradeStageWindow, TheTraderInputHeading)
{
    startGame(Level::Expert);
    const struct {
        TradeStage stage;
        const char *caption; // nullptr: the stage leaves the caption as it was
    } cases[] = {
        {TradeStage::ChangePeriod, "Trader Input:"},
        {TradeStage::Trade, nullptr},
        {TradeStage::GetUnits, nullptr},
        {TradeStage::TradeConfirmation, nullptr},
        {TradeStage::CorrOrd, "Order Verification:"},
        {TradeStage::Restart, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(tradeStageName(c.stage).toStdString());
        w().lblTraderInput->setCaption(QStringLiteral("before"));
        SetTradeStage(app, c.stage);
        EXPECT_EQ(w().lblTraderInput->caption(), c.caption ? c.caption : "before");
    }
}

// The rest stage follows the game: the first period not played yet, a game begun again, a Tick game's
// period advance, and something to report.
TEST_F(TradeStageWindow, TheRestStageByTheStateOfTheGame)
{
    struct Case {
        const char *name;
        int16_t tradeDay;
        int16_t restartMode;
        bool advancing;
        int32_t trades;
        bool forward, trade, reportsShown, tradeHistoryEnabled;
    };
    // Before each case "&Forward" and "&Trade" are shown and enabled, the report area is hidden and
    // "T&rade History" disabled.
    const Case cases[] = {
        {"before the first period", 0, 0, false, 0, true, false, false, false},
        {"third period", 3, 0, false, 0, true, true, false, false},
        {"third period with a fill", 3, 0, false, 1, true, true, true, true},
        {"begun again", 3, 1, false, 1, true, true, true, true},
        {"during a Tick advance", 3, 0, true, 1, true, true, false, false},
    };
    startGame(Level::Expert);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        state.clock.tradeDay = c.tradeDay;
        state.clock.restartMode = c.restartMode;
        state.clock.advancingPeriod = c.advancing;
        state.account.totalTrades = c.trades;
        for (forms::CommandButton *b : {w().btnChangePeriod, w().btnTrade}) {
            b->setVisible(true);
            b->setEnabled(true);
        }
        w().btnTradeHist->setVisible(false);
        w().btnTradeHist->setEnabled(false);
        SetTradeStage(app, TradeStage::ChangePeriod);
        EXPECT_TRUE(w().btnChangePeriod->visible() && w().btnTrade->visible());
        EXPECT_EQ(w().btnChangePeriod->enabled(), c.forward);
        EXPECT_EQ(w().btnTrade->enabled(), c.trade);
        EXPECT_EQ(w().btnTradeHist->visible(), c.reportsShown);
        EXPECT_EQ(w().btnTradeHist->enabled(), c.tradeHistoryEnabled);
    }
}

TEST_F(TradeStageWindow, OnlyTheExactNamesLayTheAreaOut)
{
    startGame(Level::Expert);
    state.order.selectedSecurity = Instrument::Gold;
    for (const char *name : {"trade", "", "CHANGEPERIOD", "Trade "}) {
        SCOPED_TRACE(name);
        SetTradeStage(app, QString::fromLatin1(name));
        EXPECT_FALSE(w().btnBuy->visible());
        EXPECT_TRUE(w().btnTrade->visible());
        EXPECT_EQ(state.order.selectedSecurity, Instrument::Gold);
    }
    SetTradeStage(app, QStringLiteral("Trade"));
    EXPECT_TRUE(w().btnBuy->visible());
    SetTradeStage(app, QStringLiteral("ChangePeriod"));
    EXPECT_FALSE(state.order.selectedSecurity.has_value());
}

} // namespace
} // namespace tarvello::test
