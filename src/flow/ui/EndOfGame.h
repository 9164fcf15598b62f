#pragma once

#include <cstdint>

namespace tarvello {

struct App;
class SummaryWindow;

// The end of a game in its two summary windows: frmEndofGame for a game ended early (Game > "&End",
// or Game > "&Restart" during a game), with "&Continue", "&Play Again" and "&End"; frmGameOver for a
// game that ended by itself, with "&Play Again" and "&End". Whoever shows a window modally learns the
// player's answer from RestartMode: 1 after "&Play Again", which has already put the game back at its
// period 0 with the same options and data, exactly as a new game starts; the caller then sets it back
// to 0. "&End" ends the program inside the window.

namespace halvern {
// Game > "&End" (and the main window's close box): the summary of the game so far in the end-of-game
// window, shown modally over the main window with menus and window locked. Afterwards the quote lines
// come back; after "&Continue" the game goes on where it stood (stage "ChangePeriod").
void mnuEnd_Click(App &app);
} // namespace halvern

// Writes a summary window's amounts, each "$" and the amount in the "standard" format: the final
// score (Score), the unrealized and realized profit and loss, the commissions; and hides the
// regulatory-fines row, since no rule of the game imposes fines.
void FillSummaryAmounts(App &app, SummaryWindow &window);

namespace gameover {                         // frmGameOver
void Form_Activate(App &app);                // refreshes the summary and colours the window
void btnPlayAgain_Click(App &app);           // "&Play Again": the same game from its first day
void btnEnd_Click(App &app);                 // "&End": hides the window and ends the program
void Form_Unload(App &app, int16_t &cancel); // closing the window other than by its buttons
} // namespace gameover

namespace endofgame {                // frmEndofGame
void Form_Activate(App &app);        // refreshes the summary and colours the window
void btnContinue_Click(App &app);    // "&Continue": back to the game where it stood
void btnRestartGame_Click(App &app); // "&Play Again"; before any game was set up, a new game
void btnExit_Click(App &app);        // "&End"
} // namespace endofgame

} // namespace tarvello
