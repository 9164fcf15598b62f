// "&Play Again" in either summary window: the same game, with the same options and historical period,
// from its first day.
#include "flow/ui/EndOfGame.h"

#include "account/AccountPanel.h"
#include "charts/ui/ChartServices.h"
#include "data/PriceDatabase.h"
#include "flow/GamePeriod.h"
#include "flow/ui/GameLoad.h"
#include "flow/ui/GameReset.h"
#include "flow/ui/MenuEnabling.h"
#include "flow/ui/NewGame.h"
#include "flow/ui/SettingsMenus.h"
#include "orders/ui/TradeStage.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/Runtime.h"
#include "platform/graph/ChartControl.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"
#include "windows/frmEndofGame.h"
#include "windows/frmGameOver.h"

namespace tarvello {

namespace {

// The width of a chart on the trading screen, in twips.
constexpr float kChartWidth = 3132.0f;

// Which summary window the player answered: they differ in a few steps.
enum class Summary { EndOfGame, GameOver };

forms::Form &summaryWindow(App &app, Summary from)
{
    if (from == Summary::EndOfGame)
        return app.forms.get<frmEndofGame>();
    return app.forms.get<frmGameOver>();
}

// The trading screen's buttons off. Each step only turns a button off, so the order of the steps does
// not matter. The end-of-game window also turns off the report buttons that are hidden.
void disableTradingButtons(Halvern &w, Summary from)
{
    DisableVisibleButtons(w);
    if (from == Summary::EndOfGame) {
        w.btnNewsHist->setEnabled(false);
        w.btnTradeHist->setEnabled(false);
    }
}

void resetDayLabels(Halvern &w)
{
    w.LabelDay->setCaption(QString());
    w.lblDay->setCaption(QString());
    w.LabelDay->setTwipWidth(1452);
    w.lblDay->setTwipLeft(1440);
    w.lblDay->setTwipWidth(1215);
    w.LabelDay->setJustify(forms::Justify::Left);
    w.LabelDay->setCaption(QStringLiteral("Day 1:"));
    w.lblDay->setCaption(QStringLiteral("Monday"));
}

void showMarketLabels(Halvern &w, Level level)
{
    w.LabelOilMark->setVisible(true);
    if (level != Level::Expert)
        return;
    for (forms::Label *mark :
         {w.LabelGoldMark, w.LabelTBondMark, w.LabelSP500Mark, w.LabelSoybeanMark, w.LabelCattleMark})
        mark->setVisible(true);
}

// The charts come back in place of a report grid that may be open. Out of the news history they also
// get back the width ShowGraphs gives them, where it differs: the left chart at Novice, the right one
// otherwise. The chart menus the report switched off come back at both levels, as closing the report
// gives them back.
void closeReports(Halvern &w, Level level)
{
    const bool novice = level == Level::Novice;
    if (w.LabelTH->visible() || w.LabelNH->visible()) {
        w.mnuGraphOpt->setEnabled(true);
        w.mnuGraphType->setEnabled(true);
    }
    const auto showCharts = [&] {
        w.GraphLeft->setVisible(true);
        if (!novice)
            w.GraphRight->setVisible(true);
    };
    if (w.btnTradeHist->visible()) {
        showCharts();
        for (forms::Control *c : std::initializer_list<forms::Control *>{w.LabelTH, w.TradeGrid,
                                                                         w.btnCloseTradeHistory, w.Shape2})
            c->setVisible(false);
    }
    if (w.btnNewsHist->visible()) {
        graph::ChartControl &chart = novice ? *w.GraphLeft : *w.GraphRight;
        if (chart.single(graph::prop::HostWidth) != kChartWidth)
            chart.set(graph::prop::HostWidth, kChartWidth);
        showCharts();
        for (forms::Control *c :
             std::initializer_list<forms::Control *>{w.LabelNH, w.newsgrid, w.btnCloseNewsHist, w.Shape2})
            c->setVisible(false);
    }
}

// The order-entry area at rest, with "&Forward" and "&Trade" on show.
void resetOrderEntry(Halvern &w)
{
    w.shapeTradeCentral->setVisible(false);
    w.lblTraderInput->setCaption(QStringLiteral("Trader Input:"));
    for (forms::Control *c :
         std::initializer_list<forms::Control *>{w.btnBuy, w.btnSell, w.btnHold, w.inputUnits, w.promptUnits})
        c->setVisible(false);
    for (forms::Control *c :
         std::initializer_list<forms::Control *>{w.btnChangePeriod, w.btnTrade, w.ShapeNextPeriod})
        c->setVisible(true);
    w.lblMaxSelected->setCaption(QString());
    forms::doEvents();
}

void playAgain(App &app, Summary from)
{
    Halvern &w = app.main();
    GameState &state = app.state;
    AccountState &account = state.account;
    if (state.settings.optionsChosen == 0 && !state.clock.gameDataLoaded && state.clock.tradeDay == 0) {
        // No game has been set up, loaded or played (the level menu alone counts as a game started), so
        // there is no period to play again: the player gets a new game, as Game > "&Start" begins one.
        summaryWindow(app, from).setVisible(false);
        forms::doEvents();
        mnuNewGame_Click(app);
        return;
    }
    if (from == Summary::EndOfGame)
        w.setEnabled(false);
    summaryWindow(app, from).setVisible(false);
    forms::doEvents();

    // The same historical period: a Tick game's first period moved its start to its first trading day,
    // and measuring the game again from there would shift its month (and its ticks) by those days.
    if (state.settings.dataType == DataKind::Tick && state.market.Loaded.Complete) {
        state.settings.startDate = state.market.Loaded.Start;
        state.settings.endDate = state.market.Loaded.End;
    }
    CloseDatabase(state.priceDatabase);
    const NewGameLoad load = LoadNewGameData(app);
    state.clock.tradeDay = 0;
    state.clock.endOfCalendar = false;
    ResetGraph(app);
    SetIndicatorGraphLabels(app);
    ResetMainForm(app);
    disableTradingButtons(w, from);
    tradebuttoninvisible(w);
    w.lblTotTrades->setVisible(false);
    if (const auto length = checkedGameLength(w))
        state.settings.gameLength = gameLengthPeriods(*length);
    resetDayLabels(w);
    recolourMarketLabels(w);
    showMarketLabels(w, state.settings.level);
    closeReports(w, state.settings.level);
    // The instrument list, which a report puts away, shows as a new game has it: at Expert once a
    // period has been chosen.
    w.cboCommodity->setVisible(state.settings.level == Level::Expert && state.settings.gameYear != 0);
    account.score = static_cast<float>(account.unrealizedPL + account.realizedPL);
    w.lblScore->setCaption(dollarsText(account.unrealizedPL + account.realizedPL));
    // Every settings item, the data kind's among them: the next game may take other options.
    EnableSettingsMenus(app);
    state.settings.gameStarted = false;
    state.clock.restartMode = 1;
    account.score = 0.0f;
    forms::doEvents();
    if (from == Summary::GameOver)
        w.showModeless();
    ApplyGraphColors(app);
    w.btnChangePeriod->setEnabled(true);
    w.mnuNewGame->setCaption(QStringLiteral("Start"));
    if (from == Summary::EndOfGame)
        resetOrderEntry(w);
    w.setEnabled(true);

    // The rest of the restart: the game state reset and the stage "Restart". Done here, it is done
    // whichever window asked, and whether or not anybody waits for the answer.
    ResetGameState(app);
    if (!load.loaded()) {
        LeaveIdle(app, load);
        return;
    }
    state.clock.gameDataLoaded = true;
    SetTradeStage(app, TradeStage::Restart);
}

} // namespace

namespace gameover {

void btnPlayAgain_Click(App &app)
{
    playAgain(app, Summary::GameOver);
}

} // namespace gameover

namespace endofgame {

void btnRestartGame_Click(App &app)
{
    playAgain(app, Summary::EndOfGame);
}

} // namespace endofgame

} // namespace tarvello
