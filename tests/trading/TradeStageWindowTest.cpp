#include "TradingWindowFixture.h"

#include "orders/TradeStageLayout.h"

#include <QCoreApplication>

#include <array>
#include <map>

namespace tarvello::test {
namespace {

using TradeStageWindow = TradingWindowTest;

constexpr std::array<TradeStage, 6> kStages = {TradeStage::ChangePeriod, TradeStage::Trade,
                                               TradeStage::GetUnits,     TradeStage::TradeConfirmation,
                                               TradeStage::CorrOrd,      TradeStage::Restart};

forms::Control *control(Halvern &w, const QString &name)
{
    for (QWidget *widget : w.client()->findChildren<QWidget *>(name)) {
        if (auto *c = dynamic_cast<forms::Control *>(widget))
            return c;
    }
    return nullptr;
}

// Each stage reaches the real controls. The layout's own steps (pinned by the layout's tests) say what
// each control must end as; every control a stage names starts in the opposite state, so a step that
// missed its control would show.
TEST_F(TradeStageWindow, EachStageLaysOutTheOrderArea)
{
    using Op = StageStep::Op;
    startGame(Level::Expert);
    for (TradeStage stage : kStages) {
        SCOPED_TRACE(tradeStageName(stage).toStdString());
        GameState planned;
        const StageContext context{state.clock.tradeDay, 0, false, 0, 0};
        std::map<QString, bool> visible, enabled; // the last word of the steps on each control
        for (const StageStep &step : SetTradeStage(planned, stage, context)) {
            if (step.op == Op::Show || step.op == Op::Hide)
                visible[step.control] = step.op == Op::Show;
            if (step.op == Op::Enable || step.op == Op::Disable)
                enabled[step.control] = step.op == Op::Enable;
        }
        ASSERT_FALSE(visible.empty());
        for (const auto &[name, shown] : visible) {
            ASSERT_NE(control(w(), name), nullptr) << name.toStdString();
            control(w(), name)->setVisible(!shown);
        }
        for (const auto &[name, on] : enabled) {
            ASSERT_NE(control(w(), name), nullptr) << name.toStdString();
            control(w(), name)->setEnabled(!on);
        }
        w().inputUnits->setText(QStringLiteral("12"));
        w().setEnabled(false);

        SetTradeStage(app, stage);
        for (const auto &[name, shown] : visible)
            EXPECT_EQ(control(w(), name)->visible(), shown) << name.toStdString();
        for (const auto &[name, on] : enabled)
            EXPECT_EQ(control(w(), name)->enabled(), on) << name.toStdString();
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

// A stage reaches the controls of the main window as it is now, one loaded again included.
TEST_F(TradeStageWindow, AStageReachesTheControlsOfAWindowLoadedAgain)
{
    using Op = StageStep::Op;
    GameState planned;
    const StageContext context{3, 0, false, 0, 0};
    std::map<QString, bool> visible;
    for (const StageStep &step : SetTradeStage(planned, TradeStage::Trade, context)) {
        if (step.op == Op::Show || step.op == Op::Hide)
            visible[step.control] = step.op == Op::Show;
    }
    ASSERT_FALSE(visible.empty());
    for (int load = 1; load <= 2; ++load) {
        SCOPED_TRACE(load);
        startGame(Level::Expert);
        for (const auto &[name, shown] : visible)
            control(w(), name)->setVisible(!shown);
        SetTradeStage(app, TradeStage::Trade);
        for (const auto &[name, shown] : visible)
            EXPECT_EQ(control(w(), name)->visible(), shown) << name.toStdString();
        w().setUnloadHandler({}); // no question of quitting
        ASSERT_TRUE(forms.unload<Halvern>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
        state.clock.advanceInProgress = c.advancing;
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

// The stages find their controls by name, on the window first and then in its frames: a name is one
// control's only, wherever it sits.
TEST_F(TradeStageWindow, EveryControlOfTheMainWindowHasANameOfItsOwn)
{
    std::map<QString, int> named;
    for (QWidget *widget : w().client()->findChildren<QWidget *>()) {
        if (dynamic_cast<forms::Control *>(widget))
            ++named[widget->objectName()];
    }
    ASSERT_GT(named.size(), 50u);
    for (const auto &[name, count] : named)
        EXPECT_EQ(count, 1) << name.toStdString();
    for (QWidget *widget : w().client()->findChildren<QWidget *>()) {
        if (!dynamic_cast<forms::Control *>(widget) && !widget->objectName().isEmpty()) {
            EXPECT_EQ(named.count(widget->objectName()), 0u) << widget->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace tarvello::test
