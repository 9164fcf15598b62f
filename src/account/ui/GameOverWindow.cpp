// The end of a game in the game-over window: the blow-out in its three variants, the normal end and the
// rating line.
#include "account/GameOverSummary.h"
#include "account/ProfitLoss.h"
#include "account/Rating.h"
#include "account/ui/AccountWindow.h"
#include "common/Services.h"
#include "data/ui/PeriodPrices.h"
#include "data/ui/QuoteLines.h"
#include "flow/ui/GameReset.h"
#include "flow/ui/SettingsMenus.h"
#include "flow/ui/Startup.h"
#include "orders/ui/TradeConfirmation.h"
#include "orders/ui/TradeStage.h"
#include "platform/forms/FormRegistry.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"
#include "windows/frmEndofGame.h"
#include "windows/frmGameOver.h"

namespace tarvello {

namespace {

RatingContext ratingContext(const GameState &state)
{
    return {state.settings.level, state.clock.tradeDay, state.settings.gameLength};
}

// Fills the game-over window and shows it modally over the main window. The rating, when it ran, is
// the end-of-game window's rating line as well.
void showGameOver(App &app, const GameOverTexts &texts)
{
    Halvern &w = app.main();
    w.lblScore->setCaption(texts.lblScore);
    frmGameOver &window = app.forms.get<frmGameOver>();
    window.setCaption(texts.caption);
    if (texts.endOfGameRating)
        app.forms.get<frmEndofGame>().Label1->setCaption(*texts.endOfGameRating);
    window.Label2->setCaption(texts.label2);
    window.Label3->setCaption(texts.label3);
    window.Label4->setCaption(texts.label4);
    window.Label5->setCaption(texts.label5);
    window.Label7->setCaption(texts.label7);
    window.Label10->setVisible(false);
    window.setTwipWidth(kGameOverWidthTwips);
    ShowLastPrices(app);
    if (texts.centre)
        centreOverMainWindow(app, window);
    window.showModal(&w);
}

} // namespace

void blowOutGameOver(App &app, BlowOutVariant variant)
{
    GameState &state = app.state;
    showGameOver(app, tarvello::blowOutGameOver(state, ratingContext(state), variant, app.random));
    if (app.programEnd.ended())
        return; // "&End" in the window
    const AfterBlowOut after = afterBlowOut(variant, state.clock.restartMode);
    if (after.endProgram) {
        // Closed without "&Play Again": the lost account cannot be played on.
        ExitGame(app);
        return;
    }
    if (after.showCurrentMarket) {
        ShowCurrentMarket(app);
        app.main().CurrMarkBanner->setCaption(currentMarketBanner());
    }
    if (after.restart) {
        ResetGameState(app);
        EnableSettingsMenus(app);
        SetTradeStage(app, TradeStage::Restart);
    }
    if (after.loadPeriodPrices)
        LoadPeriodPrices(app);
}

void CheckBlowOut(App &app)
{
    RecalcAccount(app.state, app.state.settings.level);
    UpdateAccountDisplay(app);
    if (isBlownOut(app.state.account))
        blowOutGameOver(app, BlowOutVariant::OrderPath);
}

void CheckBlowOutForwarder(App &app)
{
    CheckBlowOut(app);
}

void BlowOutGameOver(App &app)
{
    blowOutGameOver(app, BlowOutVariant::MarginTest);
}

void GameOver(App &app)
{
    GameState &state = app.state;
    showGameOver(app, GameOver(state, ratingContext(state), app.random));
}

void RateEndOfGame(App &app)
{
    const GameState &state = app.state;
    frmEndofGame &endOfGame = app.forms.get<frmEndofGame>();
    endOfGame.Label1->setCaption(RateEndOfGame(state.account, ratingContext(state), app.random));
    app.forms.get<frmGameOver>().Label2->setCaption(endOfGame.Label1->caption());
}

} // namespace tarvello
