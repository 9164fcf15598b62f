#pragma once

namespace tarvello {

struct App;

// The game-state resets of a new game, a restart and start-up.
void ResetGameState(App &app);
void ResetMainForm(App &app);

} // namespace tarvello
