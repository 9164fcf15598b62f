#include "flow/ui/GameReset.h"

#include "account/AccountPanel.h"
#include "account/ui/AccountWindow.h"
#include "charts/ui/ChartServices.h"
#include "common/Formats.h"
#include "flow/LevelRules.h"
#include "flow/ui/MenuEnabling.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

namespace {

// The clock labels, the report buttons, the order-entry buttons and the position labels both resets
// put back as a game begins.
void resetScreen(Halvern &w, const GameState &state)
{
    w.LabelDay->setTwipWidth(1452);
    w.lblDay->setTwipLeft(1440);
    w.lblDay->setTwipWidth(1215);
    w.lblDay->setCaption(QStringLiteral("Monday"));
    w.lblTradeTime->setCaption(startingTradeTime(state.settings.dataType));
}

void resetButtonsAndPositions(Halvern &w)
{
    w.btnTradeHist->setVisible(true);
    w.btnNewsHist->setVisible(true);
    w.Shape3->setVisible(true);
    w.Label8->setVisible(false);
    w.btnTrade->setEnabled(false);
    w.LabelDay->setCaption(QStringLiteral("Day 1:"));
    for (forms::Label *position :
         {w.lblGoldPos, w.lblTBondPos, w.lblSP500Pos, w.lblCattlePos, w.lblSoybeanPos})
        position->setCaption(QStringLiteral("0"));
}

} // namespace

void ResetGameState(App &app)
{
    Halvern &w = app.main();
    GameState &state = app.state;
    state.clock.endOfCalendar = false;
    ResetGameFigures(state);
    w.LabelDay->setJustify(forms::Justify::Left);
    resetScreen(w, state);
    UpdateAccountDisplay(app);
    resetButtonsAndPositions(w);
    FillTimeAxisLabels(state);
    ShowGraphs(app);
    Tradebuttonenabler(w);
    w.lblMaxSelected->setCaption(QString());
}

void ResetMainForm(App &app)
{
    Halvern &w = app.main();
    GameState &state = app.state;
    AccountState &account = state.account;
    w.mnuNewGame->setCaption(QStringLiteral("Start"));
    ResetGameFigures(state);
    resetScreen(w, state);
    for (forms::Label *quote : {w.lblOilCurrMark, w.lblGoldCurrMark, w.lblTBondCurrMark, w.lblSP500CurrMark,
                                w.lblCattleCurrMark, w.lblSoybeanCurrMark})
        quote->setCaption(QStringLiteral("*** Market Closed ***"));
    w.lblEq->setCaption(vb::format(account.accountValue, u"Standard"));
    if (account.startingCapital != 0.0f)
        w.lblPercentGL->setCaption(vb::format(
            (account.accountValue - account.startingCapital) / account.startingCapital, u"Standard"));
    w.lblRPL->setCaption(vb::format(account.realizedPL, u"Standard"));
    w.lblUPL->setCaption(vb::format(account.unrealizedPL, u"Standard"));
    w.lblLIAB->setCaption(vb::format(0, u"standard"));
    account.score = static_cast<float>(account.unrealizedPL + account.realizedPL);
    w.lblScore->setCaption(dollarsText(account.realizedPL + account.unrealizedPL));
    w.lblTotTrades->setCaption(QStringLiteral("0"));
    resetButtonsAndPositions(w);
    Tradebuttonenabler(w);
    w.lblPosMargPercent->setCaption(QStringLiteral("0"));
    w.lblAvailMarg->setCaption(vb::format(account.accountValue, u"standard"));
    for (const LabelCaption &position : ShowPositions(state, state.clock.tradeDay)) {
        if (auto *label = w.findChild<forms::Label *>(position.control))
            label->setCaption(position.caption);
    }
}

void NewGameReset(App &app)
{
    app.state.clock.gameDataLoaded = false;
    ResetGameState(app);
}

} // namespace tarvello
