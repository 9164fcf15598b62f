#pragma once

namespace tarvello {

struct App;

// Tells the window registry how to connect every window of the game to its procedures, each time the
// window is loaded. The application calls it once, before it touches the main window.
void connectWindows(App &app);

} // namespace tarvello
