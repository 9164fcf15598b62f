#pragma once

namespace tarvello {

struct App;

namespace halvern {

// Load of the main window: everything the program needs before the first game, in order. The
// instrument names and the database path, the two charts and their defaults, the window's title,
// size and place, the help file, the Expert level; then the window is shown, the About window comes
// up, the price database is opened and the Disclaimer window asks for the player's consent. A
// database that cannot be opened is reported in the notification box and ends the program, and so
// does a refusal of the disclaimer. Afterwards the program waits for Game > "&Start".
void Form_Load(App &app);

} // namespace halvern

// The orderly way out once the program runs: closes the help window and the price database, then
// ends the program with `code` (0: the player ended it; 1: the program could not go on).
void ExitGame(App &app, int code = 0);

} // namespace tarvello
