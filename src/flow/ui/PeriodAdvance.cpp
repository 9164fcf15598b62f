#include "flow/ui/PeriodAdvance.h"

#include "account/AccountPanel.h"
#include "account/GameOverSummary.h"
#include "account/ui/AccountWindow.h"
#include "charts/ui/ChartServices.h"
#include "common/Services.h"
#include "common/VbDate.h"
#include "data/PeriodPrices.h"
#include "data/ui/PeriodPrices.h"
#include "data/ui/QuoteLines.h"
#include "data/ui/WindowMarketHooks.h"
#include "flow/PeriodAdvance.h"
#include "flow/ui/ClockLabels.h"
#include "flow/ui/EndOfGame.h"
#include "flow/ui/LevelLayout.h"
#include "flow/ui/MenuEnabling.h"
#include "flow/ui/SettingsMenus.h"
#include "news/ui/NewsServices.h"
#include "news/ui/Notification.h"
#include "orders/Execution.h"
#include "orders/ui/TradeConfirmation.h"
#include "orders/ui/TradeStage.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/Runtime.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"
#include "windows/frmGameOver.h"

namespace tarvello {

namespace {

bool ended(const App &app)
{
    return app.programEnd.ended();
}

// "&Play Again" in a summary window shown during this click has put the game back at its period 0.
bool restarted(const App &app)
{
    return app.state.clock.restartMode == 1;
}

// Nothing more may start while the period is being worked out.
void lockScreen(Halvern &w)
{
    w.btnChangePeriod->setEnabled(false);
    forms::doEvents();
    w.setEnabled(false);
    w.btnTrade->setEnabled(false);
}

void releaseLock(App &app)
{
    Halvern &w = app.main();
    EnableMainMenus(w);
    app.state.clock.advanceInProgress = false;
    w.setEnabled(true);
}

// The game was restarted on the way ("&Play Again" has reset it and laid out the stage "Restart"):
// the click ends with the game waiting at period 0 for "&Forward", as a new game does. The restart has
// been seen, so RestartMode goes back to 0.
void endRestartedClick(App &app)
{
    releaseLock(app);
    app.state.clock.restartMode = 0;
    app.main().btnTrade->setEnabled(false);
    forms::doEvents();
}

// The game has reached its end: the game-over window, whose buttons end the program or play again.
void endGame(App &app)
{
    GameOver(app);
    if (!ended(app) && restarted(app))
        app.state.clock.restartMode = 0;
}

// A forced fill of the margin test: the period stays, and the player sees the result before the next
// "&Forward".
void stopAfterLiquidation(App &app)
{
    Halvern &w = app.main();
    w.setEnabled(true);
    EnableMainMenus(w);
    EnableReportButtons(w, app.state);
    app.state.clock.advanceInProgress = false;
    SetTradeStage(app, TradeStage::ChangePeriod);
}

// The tick day record of the period, if the records hold it.
const TickDay *tickDayOf(const GameState &state, int16_t tradeDay)
{
    const auto index = static_cast<size_t>(tickDayIndexOf(tradeDay));
    return index < state.market.TickDays.size() ? &state.market.TickDays[index] : nullptr;
}

// Once a Tick game's first period has begun, its start is its first trading day and its end date is
// measured from there.
void fixTickDates(GameState &state)
{
    const TickDay *first = tickDayOf(state, 1);
    if (!first)
        return;
    state.settings.startDate = first->Date;
    if (const auto end = lengthEndDate(first->Date, state.settings.lengthOption, false))
        state.settings.endDate = *end;
}

// The buttons of the new period.
void enablePeriod(App &app, bool restartPending)
{
    Halvern &w = app.main();
    const int16_t tradeDay = app.state.clock.tradeDay;
    if (restartPending) {
        w.btnTrade->setEnabled(false);
    } else {
        w.btnChangePeriod->setEnabled(true);
        w.btnTrade->setEnabled(tradeDay != 0);
    }
    ShowReportsPanel(w, app.state);
    if (tradeDay >= 1) {
        w.btnNewsHist->setEnabled(true);
        w.btnTradeHist->setEnabled(true);
        if (w.btnChangePeriod->visible()) {
            w.btnChangePeriod->setEnabled(true);
            w.btnChangePeriod->setFocus();
            w.btnTrade->setEnabled(true);
        }
    }
    forms::doEvents();
}

// The news of the period, by the News Reports menu's check marks. Neither generator issues anything
// in this game; they are asked all the same, as the period's order of events has them.
void periodNews(App &app)
{
    Halvern &w = app.main();
    GameState &state = app.state;
    const bool annual = w.mnuNews[0]->checked();
    if (annual) {
        state.news.economicReleaseTitle.clear();
        state.news.economicReleaseText.clear();
        app.random.randomize();
        GenerateEconomicRelease(app);
    }
    if (w.mnuNews[1]->checked() && state.clock.tradeDay > 2) {
        if (!state.news.economicReleaseIssued)
            TriggerStockEvents(app);
        if (!annual)
            TriggerStockEvents(app);
    }
}

// Steps of every period but the final one.
void normalPeriod(App &app)
{
    Halvern &w = app.main();
    GameState &state = app.state;
    const int16_t tradeDay = state.clock.tradeDay;
    if (tradeDay == 1)
        state.clock.tradingStarted = true;
    ShowTickTime(app, tradeDay);
    if (state.settings.dataType == DataKind::Tick) {
        if (const TickDay *day = tickDayOf(state, tradeDay))
            w.LabelDay->setCaption(QStringLiteral("Date: ") + vb::shortDate(day->Date));
        w.lblDay->setCaption(GetWeekdayName(app));
        ShowTickNewsReleases(app);
    }
    periodNews(app);
    WindowMarketHooks hooks(app);
    UpdateMarketForPeriod(state, hooks, app.random);
    TakePeriodPrices(state);
    if (tradeDay > 0)
        UpdateGraphs(app);
    CheckBlowOutForwarder(app);
    if (ended(app) || restarted(app))
        return;
    UpdateAccountDisplay(app);
    if (tradeDay > 0)
        w.lblTotTrades->setVisible(true);
    MarginCallCheckForwarder(app);
}

// The final period: the summary of the game in the game-over window, over the main window. Returns
// whether the game goes on with the period's usual steps, which it does only if the window was left
// without its buttons.
bool finalPeriod(App &app)
{
    Halvern &w = app.main();
    GameState &state = app.state;
    AccountState &account = state.account;
    const DataKind kind = state.settings.dataType;
    state.clock.tradeDay = finalPeriodTradeDay(kind, state.clock.tradeDay, state.clock.tradeDaysInPeriod);
    ShowTickTime(app, state.clock.tradeDay);
    if (kind == DataKind::Tick)
        ShowTickNewsReleases(app);
    state.clock.restartMode = 0;
    account.score = static_cast<float>(account.unrealizedPL + account.realizedPL);
    RateEndOfGame(app);
    w.lblScore->setCaption(dollarsText(account.realizedPL + account.unrealizedPL));
    frmGameOver &window = app.forms.get<frmGameOver>();
    FillSummaryAmounts(app, window);
    ShowLastPrices(app);
    centreOverMainWindow(app, window);
    window.showModal(&w);
    if (ended(app))
        return false;
    w.CurrMarkBanner->setCaption(currentMarketBanner());
    if (restarted(app)) {
        LoadPeriodPrices(app);
        return false;
    }
    SetTradeStage(app, TradeStage::ChangePeriod);
    return true;
}

} // namespace

void StartNewPeriod(App &app)
{
    Halvern &w = app.main();
    GameState &state = app.state;
    GameSettings &settings = state.settings;
    GameClock &clock = state.clock;
    const bool tick = settings.dataType == DataKind::Tick;

    ClearPendingOrder(state);
    if (settings.gameLength > kFinalDayNoticeMinLength) {
        if (tick)
            settings.gameLength = tickGameLength(clock.tradeDaysInPeriod);
        if (finalDayNoticeDue(settings.dataType, clock.tradeDay, settings.gameLength)) {
            ShowNotification(app, QString::fromLatin1(kFinalDayTitle), QString::fromLatin1(kFinalDayMessage),
                             QString(), 1);
            ShowGraphs(app);
        }
    }
    if (clock.tradeDay == 0)
        DisableSettingsMenus(app);
    ++clock.tradeDay;
    if (clock.tradeDay == 1)
        w.mnuNewGame->setCaption(QStringLiteral("&Restart"));
    if (tick)
        settings.gameLength = tickGameLength(clock.tradeDaysInPeriod);
    if (clock.tradeDay == settings.gameLength && !finalPeriod(app))
        return;
    normalPeriod(app);
}

void btnChangePeriod_Click(App &app)
{
    GameState &state = app.state;
    GameClock &clock = state.clock;
    GameSettings &settings = state.settings;
    const DataKind kind = settings.dataType;
    if (kind != DataKind::Daily && kind != DataKind::Tick)
        return;
    Halvern &w = app.main();
    if (!clock.gameDataLoaded) {
        // No game's data to move over (a reload that failed): the button has nothing to do.
        w.btnChangePeriod->setEnabled(false);
        return;
    }
    // A restart before this click (after a blow-out in an order) has been seen by now; from here on
    // RestartMode says whether a summary window restarts the game during the click.
    const bool restartPending = clock.restartMode == 1;
    clock.restartMode = 0;

    state.market.LoadedDataType = kind;
    lockScreen(w);
    clock.endOfCalendar = false;
    if (kind == DataKind::Daily) {
        UpdateTradeDayandGraphs(app);
    } else {
        if (tickDayIndexOf(clock.tradeDay) == clock.tradeDaysInPeriod)
            clock.endOfCalendar = true;
        if (clock.tradeDay == 0) {
            if (const auto end = lengthEndDate(settings.startDate, settings.lengthOption))
                settings.endDate = *end;
        }
    }

    if (endDateReached(ShowGameDate(app).date, settings.endDate)) {
        if (kind == DataKind::Daily) {
            w.btnTradeHist->setEnabled(false);
            w.btnNewsHist->setEnabled(false);
        }
        endGame(app);
        return;
    }

    clock.advanceInProgress = true;
    DisableReportButtons(w);
    DisableMainMenus(w);
    if (w.CurrMarkBanner->caption() != currentMarketBanner())
        w.CurrMarkBanner->setCaption(currentMarketBanner());
    clock.liquidationOccurred = false;
    if (CheckMarginAndLiquidate(app))
        clock.liquidationOccurred = true;
    if (ended(app))
        return;
    if (restarted(app)) {
        endRestartedClick(app);
        return;
    }
    if (clock.liquidationOccurred) {
        stopAfterLiquidation(app);
        return;
    }

    HandOverPrices(state);
    w.lblMaxSelected->setCaption(QString());
    ShowHelpfulHints(app);
    StartNewPeriod(app);
    if (ended(app))
        return;
    releaseLock(app);
    // The buttons are set after this yield and the click yields again at its end: the window is drawn
    // there, once, as the period leaves it.
    if (kind == DataKind::Tick)
        forms::doEventsDrawingLater(w);
    if (restarted(app)) {
        endRestartedClick(app);
        return;
    }
    if (kind == DataKind::Tick && clock.tradeDay == 1)
        fixTickDates(state);

    if (endDateReached(ShowGameDate(app).date, settings.endDate) || clock.endOfCalendar) {
        clock.endOfCalendar = true;
        endGame(app);
        return;
    }
    enablePeriod(app, restartPending);
}

} // namespace tarvello
