// Stand-ins for the game-flow procedures until game set-up is built; each is removed from here as its
// real procedure lands.
#include "flow/ui/GameReset.h"
#include "flow/ui/LevelSetup.h"
#include "flow/ui/SettingsMenus.h"

namespace tarvello {

void SetupGameLevel(App &, Level) {}
void ResetGameState(App &) {}
void ResetMainForm(App &) {}
void EnableSettingsMenus(App &) {}

} // namespace tarvello
