#pragma once

namespace tarvello {

struct App;

// The game-state resets: period 0, the account back to its starting capital with no position, lot,
// profit and loss, trade or commission, the pending order emptied, the position and transaction
// limits written, and the main window's clock, panel and buttons as a game begins. Neither touches
// the settings, the colour scheme, the chart options or the loaded data.

// The reset of a new game, the end of the final period, Game > "&End" and a restart after a blow-out
// or a margin call: also clears the end-of-data flag, refreshes the account panel and the quote lines
// through the account display, re-shows the charts and empties the maximum-units display. Every
// caller but the new-game command has just reloaded the game's data, so the data stays playable.
void ResetGameState(App &app);

// The reset of "&Play Again" (its callers reload the data first): writes the account panel directly,
// every quote line "*** Market Closed ***", and the Game menu's first item "Start".
void ResetMainForm(App &app);

// The new-game command's reset: ResetGameState, with the data of the last game no longer the game's
// until the new game's data has loaded.
void NewGameReset(App &app);

} // namespace tarvello
