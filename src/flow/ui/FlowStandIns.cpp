// Stand-ins for the game-flow procedures until game set-up is built; each is removed from here as its
// real procedure lands.
#include "common/Services.h"
#include "flow/ui/GameExit.h"
#include "flow/ui/GameReset.h"
#include "flow/ui/LevelSetup.h"
#include "flow/ui/SettingsMenus.h"
#include "ui/App.h"

namespace tarvello {

void SetupGameLevel(App &, Level) {}
void ResetGameState(App &) {}
void ResetMainForm(App &) {}
void EnableSettingsMenus(App &) {}

// Help and the database are not kept open yet, so only the program ends.
void ExitGame(App &app)
{
    app.programEnd.end(0);
}

} // namespace tarvello
