#include "flow/ui/NewGame.h"

#include "account/AccountPanel.h"
#include "account/ui/AccountWindow.h"
#include "flow/GamePeriod.h"
#include "flow/ui/GameLoad.h"
#include "flow/ui/GameReset.h"
#include "flow/ui/LevelSetup.h"
#include "flow/ui/SettingsMenus.h"
#include "orders/ui/TradeStage.h"
#include "platform/forms/FormRegistry.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"
#include "windows/frmEndofGame.h"
#include "windows/frmTimePeriod.h"

namespace tarvello {

namespace {

// The game length and data kind of the new game, from the check marks "&Begin" left on the settings
// menus; a later ticked item overrides an earlier one.
void settingsFromMenus(Halvern &w, GameSettings &settings)
{
    if (const auto length = checkedGameLength(w))
        settings.gameLength = gameLengthPeriods(*length);
    if (w.mnuDat[0]->checked())
        settings.dataType = DataKind::Daily;
    if (w.mnuDat[1]->checked())
        settings.dataType = DataKind::Tick;
}

// The summary of the game so far in the end-of-game window, shown without waiting: the game goes on
// behind it until one of the window's buttons is used.
void showSummaryDuringGame(App &app)
{
    AccountState &account = app.state.account;
    account.score = static_cast<float>(account.unrealizedPL + account.realizedPL);
    app.main().lblScore->setCaption(dollarsText(account.realizedPL + account.unrealizedPL));
    frmEndofGame &summary = app.forms.get<frmEndofGame>();
    summary.Label7->setCaption(dollarsText(account.score));
    summary.Label3->setCaption(dollarsText(account.unrealizedPL));
    summary.Label4->setCaption(dollarsText(account.realizedPL));
    summary.showModeless();
    UpdateAccountDisplay(app);
}

} // namespace

void mnuNewGame_Click(App &app)
{
    Halvern &w = app.main();
    GameState &state = app.state;
    app.forms.get<frmEndofGame>().Label1->setCaption(QString());
    if (state.clock.tradeDay >= 1) {
        showSummaryDuringGame(app);
        return;
    }

    // The dialog answers through "&Forward": "&Begin" enables it, "&Cancel" and the close box disable it.
    app.forms.get<frmTimePeriod>().showModal(&w);
    if (!w.btnChangePeriod->enabled())
        return;

    SetTradeStage(app, TradeStage::ChangePeriod);
    w.mnuNewGame->setCaption(QStringLiteral("&Restart"));
    w.btnChangePeriod->setEnabled(true);
    SetupGameLevel(app, state.settings.level);
    settingsFromMenus(w, state.settings);
    DisableSettingsMenus(app);
    // At Novice the set-up makes the game one quarter long again, whichever length is ticked.
    SetupGameLevel(app, state.settings.level);
    NewGameReset(app);

    const NewGameLoad load = LoadNewGameData(app);
    if (!load.loaded()) {
        LeaveIdle(app, load);
        return;
    }
    state.clock.gameDataLoaded = true;
}

} // namespace tarvello
