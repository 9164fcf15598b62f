#pragma once

#include <cstdint>

namespace tarvello {

class Halvern;
struct App;

// Connects the main window's events and commands to the game's procedures: its Load is the program's
// start-up (flow/ui/Startup.h), "&Forward" the period advance (flow/ui/PeriodAdvance.h) and Game >
// "&End" the end of game (flow/ui/EndOfGame.h). Commands whose procedures other subsystems provide
// are left unconnected (choosing them does nothing) until those land.
void connectMainWindow(Halvern &w, App &app);

namespace halvern {

// Unload: the main window is never closed. The visible buttons are disabled, the close is cancelled,
// Game > "&End" runs as if chosen, and the buttons that are visible then are enabled again (unless
// the program was ended meanwhile).
void Form_Unload(App &app, int16_t &cancel);

} // namespace halvern
} // namespace tarvello
