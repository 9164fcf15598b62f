#include "flow/ui/GameLoad.h"

#include "data/GameDataLoad.h"
#include "data/ui/WindowMarketHooks.h"
#include "flow/ui/Initializing.h"
#include "flow/ui/SettingsMenus.h"
#include "flow/ui/Startup.h"
#include "news/ui/Notification.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/Runtime.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"
#include "windows/frmEndofGame.h"
#include "windows/frminitialize.h"

namespace tarvello {

namespace {

// The main window's part in a game load: besides what every price step asks, a tick load hides the
// end-of-game window and keeps the main window disabled, with "Initializing Data" up while the
// database is read.
class GameLoadHooks final : public WindowMarketHooks {
public:
    using WindowMarketHooks::WindowMarketHooks;

    void beginTickLoad() override
    {
        frmEndofGame &summary = app_.forms.get<frmEndofGame>();
        summary.setVisible(false);
        summary.repaint();
        app_.main().setEnabled(false);
        forms::doEvents();
    }
    void showInitializing(bool shown) override { ShowInitializingWindow(app_, shown); }
    void endTickLoad() override
    {
        Halvern &w = app_.main();
        w.setEnabled(true);
        w.setFocus();
    }
};

} // namespace

NewGameLoad LoadNewGameData(App &app)
{
    GameLoadHooks hooks(app);
    const GameDataLoad load = LoadPlayableGameData(app.state, hooks);
    NewGameLoad result;
    if (load.ok())
        return result;
    result.outcome = load.outcome == LoadOutcome::OpenFailed ? NewGameLoad::Outcome::EndProgram
                                                             : NewGameLoad::Outcome::NotLoaded;
    result.title = QString::fromLatin1(kLoadFailureTitle);
    result.message = load.description;
    return result;
}

void LeaveIdle(App &app, const NewGameLoad &load)
{
    ShowNotification(app, load.title, load.message, QString(), 1);
    if (load.outcome == NewGameLoad::Outcome::EndProgram) {
        ExitGame(app, 1);
        return;
    }
    Halvern &w = app.main();
    app.state.clock.gameDataLoaded = false;
    w.btnChangePeriod->setEnabled(false);
    w.btnTrade->setEnabled(false);
    w.mnuNewGame->setCaption(QStringLiteral("&Start"));
    EnableSettingsMenus(app);
}

} // namespace tarvello
