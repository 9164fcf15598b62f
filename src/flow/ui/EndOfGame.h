#pragma once

#include <cstdint>

namespace tarvello {

struct App;

// The summary windows' own procedures: their buttons, their close and their activation. The account
// code fills and shows the windows; these run when the player answers them. They are connected each
// time a window loads (SummaryWindowEvents.h).

namespace gameover {                         // frmGameOver
void Form_Activate(App &app);                // refreshes the summary and colours the window
void btnPlayAgain_Click(App &app);           // "&Play Again": the same game from its first day
void btnEnd_Click(App &app);                 // "&End": hides the window and ends the program
void Form_Unload(App &app, int16_t &cancel); // closing the window other than by its buttons
} // namespace gameover

namespace endofgame {                // frmEndofGame
void Form_Activate(App &app);        // refreshes the summary and colours the window
void btnContinue_Click(App &app);    // "&Continue": back to the game where it stood
void btnRestartGame_Click(App &app); // "&Play Again"
void btnExit_Click(App &app);        // "&End"
} // namespace endofgame

} // namespace tarvello
