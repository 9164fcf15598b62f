#pragma once

namespace tarvello {

struct App;

// Closes the help window of the game's help file, if one is open; nothing is reported. A stand-in
// (HelpStandIn.cpp) until the help viewer is built.
void CloseHelp(App &app);

} // namespace tarvello
