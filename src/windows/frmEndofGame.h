#pragma once

#include "windows/SummaryWindow.h"

namespace tarvello {

// The end-of-game window of Game > "&End": the same summary as the game-over window, Label1 being its
// message line (the rating), with "&Continue", "&Play Again" and "&End".
class frmEndofGame : public SummaryWindow {
    Q_OBJECT
public:
    frmEndofGame();

    CommandButton *btnContinue, *btnRestartGame, *btnExit;
};

} // namespace tarvello
