#pragma once

namespace tarvello {

struct App;

// Has the registry connect the events of the game-flow windows (the game options dialog, the
// "Initializing Data" window and the Level Detail window) each time one is loaded.
void connectGameFlowWindows(App &app);

} // namespace tarvello
