#pragma once

namespace tarvello {

struct App;

// Game > "&Start" / "&Restart". Before the first period it shows the game options dialog and, when the
// player began a game there, sets up the level, takes the game length and data kind from the settings
// menus and locks them, resets the game state and loads the game's data; a period without data is
// reported and leaves the program idle. During a game it shows the end-of-game window with the
// current figures, without waiting: the game goes on until one of that window's buttons is used.
void mnuNewGame_Click(App &app);

} // namespace tarvello
