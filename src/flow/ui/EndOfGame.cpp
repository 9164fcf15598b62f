// The End command and the summary windows' own procedures, "&Play Again" aside (PlayAgain.cpp).
#include "flow/ui/EndOfGame.h"

#include "account/AccountPanel.h"
#include "account/GameOverSummary.h"
#include "account/ui/AccountWindow.h"
#include "charts/ui/ChartServices.h"
#include "common/Services.h"
#include "data/ui/QuoteLines.h"
#include "flow/PeriodAdvance.h"
#include "flow/ui/MenuEnabling.h"
#include "flow/ui/Startup.h"
#include "orders/ui/TradeStage.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/Runtime.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"
#include "windows/frmEndofGame.h"
#include "windows/frmGameOver.h"

namespace tarvello {

namespace {

using namespace forms::colors;

// Games of this many periods or fewer are ended without a rating.
constexpr int16_t kUnratedPeriods = 45;
// The years a game can be played in; "&Forward" comes back after "&Continue" only for one of them.
constexpr int16_t kFirstGameYear = 1983;
constexpr int16_t kLastGameYear = 1997;

// Both windows colour themselves from the main window's scheme: white on black in the monochrome
// scheme, yellow on blue in the black and gray ones. The window first, then its labels, each label
// its text colour before its background.
void colourSummary(App &app, SummaryWindow &window)
{
    const forms::VbColor scheme = app.main().backColor();
    const bool monochrome = scheme != kBlack && scheme != kGray;
    const forms::VbColor text = monochrome ? kWhite : kYellow;
    const forms::VbColor back = monochrome ? kBlack : kBlue;
    window.setForeColor(text);
    window.setBackColor(back);
    for (forms::Label *label :
         {window.Label1, window.Label2, window.Label3, window.Label4, window.Label5, window.Label6,
          window.Label7, window.Label8, window.Label9, window.Label10, window.Label11, window.label12}) {
        label->setForeColor(text);
        label->setBackColor(back);
    }
}

// The four amounts, each "$" and the amount: the final score, the unrealized and realized profit and
// loss, and the commissions, which belong to the summary whichever code filled the window.
void writeAmounts(App &app, SummaryWindow &window, double score)
{
    const AccountState &account = app.state.account;
    window.Label7->setCaption(dollarsText(score));
    window.Label3->setCaption(dollarsText(account.unrealizedPL));
    window.Label4->setCaption(dollarsText(account.realizedPL));
    window.label12->setCaption(dollarsText(account.totalCommissions));
}

// Each activation: the amounts (the end-of-game window's score is Score, the game-over window's the
// sum of the two figures at that moment), then the colours.
void refreshSummary(App &app, SummaryWindow &window, double score)
{
    writeAmounts(app, window, score);
    colourSummary(app, window);
}

template <class Window> void hideAndEnd(App &app)
{
    app.forms.get<Window>().setVisible(false);
    forms::doEvents();
    ExitGame(app);
}

} // namespace

void FillSummaryAmounts(App &app, SummaryWindow &window)
{
    writeAmounts(app, window, app.state.account.score);
    window.Label5->setVisible(false);
    window.Label10->setVisible(false);
}

namespace halvern {

void mnuEnd_Click(App &app)
{
    Halvern &w = app.main();
    GameState &state = app.state;
    AccountState &account = state.account;
    w.setEnabled(false);
    DisableMainMenus(w);
    state.clock.restartMode = 0;

    frmEndofGame &window = app.forms.get<frmEndofGame>();
    if (w.lblScore->caption().isEmpty()) {
        w.lblScore->setCaption(dollarsText(account.realizedPL + account.unrealizedPL));
        window.Label1->setCaption(QString());
    }
    // Nothing to play again before any game has been set up.
    if (!state.clock.tradingStarted && !state.settings.gameStarted)
        window.btnRestartGame->setEnabled(false);
    account.score = static_cast<float>(account.realizedPL + account.unrealizedPL);
    window.Label1->setCaption(QString());
    if (state.clock.tradeDay > kUnratedPeriods)
        RateEndOfGame(app);
    FillSummaryAmounts(app, window);
    ShowLastPrices(app);
    // A window Game > "&Restart" showed without waiting is hidden first, so that this show waits for
    // the answer.
    if (window.visible())
        window.setVisible(false);
    state.clock.endCommandWaiting = true;
    window.showModal(&w);
    state.clock.endCommandWaiting = false;
    if (app.programEnd.ended())
        return; // "&End"

    ShowCurrentMarket(app);
    w.CurrMarkBanner->setCaption(currentMarketBanner());
    // The window's close box unloads it: the next touch makes it afresh.
    frmEndofGame &after = app.forms.get<frmEndofGame>();
    if (!after.btnRestartGame->enabled())
        after.btnRestartGame->setEnabled(true);
    if (state.clock.restartMode == 1)
        state.clock.restartMode = 0; // "&Play Again" has already put the game back at its period 0
    else
        SetTradeStage(app, TradeStage::ChangePeriod);
    w.setEnabled(true);
    EnableMainMenus(w);
}

} // namespace halvern

namespace gameover {

void Form_Activate(App &app)
{
    const AccountState &account = app.state.account;
    refreshSummary(app, app.forms.get<frmGameOver>(), account.realizedPL + account.unrealizedPL);
}

void btnEnd_Click(App &app)
{
    hideAndEnd<frmGameOver>(app);
}

void Form_Unload(App &app, int16_t &)
{
    btnPlayAgain_Click(app);
}

} // namespace gameover

namespace endofgame {

void Form_Activate(App &app)
{
    refreshSummary(app, app.forms.get<frmEndofGame>(), app.state.account.score);
}

void btnContinue_Click(App &app)
{
    Halvern &w = app.main();
    GameState &state = app.state;
    w.setEnabled(false);
    forms::doEvents();
    app.forms.get<frmEndofGame>().setVisible(false);
    forms::doEvents();
    if (state.clock.tradeDay != 0) {
        // The game goes on where it stood; the next period puts a Tick game's final period back.
        if (state.settings.dataType == DataKind::Tick)
            state.settings.gameLength = tickLastPeriod(state.clock.tradeDaysInPeriod);
        ApplyGraphColors(app);
        w.setEnabled(true);
        return;
    }
    ApplyGraphColors(app);
    // Before the first period, "&Forward" comes back for a game that is set up and loaded.
    const int16_t year = state.settings.gameYear;
    if (year >= kFirstGameYear && year <= kLastGameYear && state.clock.gameDataLoaded)
        w.btnChangePeriod->setEnabled(true);
    // The End command gives the main window back once this window has gone. Shown by Game > "&Restart"
    // and left up while the game was played again, the window has nobody waiting for it.
    if (!state.clock.endCommandWaiting)
        w.setEnabled(true);
}

void btnExit_Click(App &app)
{
    hideAndEnd<frmEndofGame>(app);
}

} // namespace endofgame

} // namespace tarvello
