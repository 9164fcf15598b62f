#pragma once

#include <cstdint>

namespace tarvello {

class Halvern;
class ProgramEnd;
struct App;
struct GameState;

// Connects the main window's events and commands to the game's procedures: its Load is the program's
// start-up (flow/ui/Startup.h). Commands whose procedures other subsystems provide are left
// unconnected (choosing them does nothing) until those land; the "&End" command is a stand-in that
// ends the program.
void connectMainWindow(Halvern &w, App &app);

namespace halvern {

// Activate: gives the controls their tooltips, on every activation of the window.
void Form_Activate(Halvern &w);

// Unload: the main window is never closed. The visible buttons are disabled, the close is cancelled,
// Game > "&End" runs as if chosen, and the buttons that are visible then are enabled again (unless
// the program was ended meanwhile).
void Form_Unload(Halvern &w, GameState &state, ProgramEnd &programEnd, int16_t &cancel);

// Game > "&End". Stand-in until game flow provides the end-of-game window: ends the program.
void mnuEnd_Click(ProgramEnd &programEnd);

} // namespace halvern
} // namespace tarvello
