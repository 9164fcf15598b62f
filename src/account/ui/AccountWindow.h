#pragma once

#include "account/GameOverSummary.h"

#include <cstdint>

namespace tarvello {

struct App;

// The account's procedures on the main window and the summary windows. The period advance calls them
// in this order: CheckMarginAndLiquidate at "&Forward"; GameOver when the game has reached its end;
// then, near the end of the new period's start, CheckBlowOutForwarder, UpdateAccountDisplay and
// MarginCallCheckForwarder; RateEndOfGame on the final period and for Game > "&End".

// UpdateAccountDisplay: rewrites the account panel and the six position labels from the account as
// last recalculated, refreshes the margin requirement and Score, and has the quote lines rewritten
// (which also sets the period's fill prices).
void UpdateAccountDisplay(App &app);

// The margin test of "&Forward", before the next period opens: the blow-out game over when the account
// value is 0 or below; from the second period on, while the margin excess is negative, forced fills
// instrument by instrument, each announced in a notice. Returns true when a forced fill happened
// (LiquidationDone): the click then ends without opening the next period.
bool CheckMarginAndLiquidate(App &app);

// The margin-call check that ends the start of a period: the blow-out game over when the account value
// is 0 or below; otherwise the margin-call notice when the excess is negative (from the second period
// on), then the cash-margin figure.
void MarginCallCheck(App &app);
void MarginCallCheckForwarder(App &app);

// The blow-out test after a fill and at the start of a period: recalculates the account, updates the
// panel, and ends the game with the game-over window when the account value is 0 or below. After the
// window, "&Play Again" leaves the game reset in the stage "Restart"; otherwise the program ends.
void CheckBlowOut(App &app);
void CheckBlowOutForwarder(App &app);

// The blow-out game over as the check that found it runs it: fills and shows the game-over window
// (centred over the main window, except for the margin test, which leaves it where it was) and then
// restarts or ends the game.
void blowOutGameOver(App &app, BlowOutVariant variant);
// The blow-out found by the margin test of "&Forward".
void BlowOutGameOver(App &app);

// The normal end of a game: fills the game-over window with the final figures and the rating and shows
// it, owned by the main window. Its buttons take over from there.
void GameOver(App &app);

// The one-line verdict on the game, written into the end-of-game window's Label1 and copied into the
// game-over window's Label2.
void RateEndOfGame(App &app);

} // namespace tarvello
