#pragma once

#include "windows/SummaryWindow.h"

namespace tarvello {

// The game-over window: the summary of a game that ended by itself (its last period, its end date, the
// end of its data, or a blow-out), with "&Play Again" and "&End". Label2 is its message line.
class frmGameOver : public SummaryWindow {
    Q_OBJECT
public:
    frmGameOver();

    CommandButton *btnPlayAgain, *btnEnd;
};

} // namespace tarvello
