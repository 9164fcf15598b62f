#include "windows/frmEndofGame.h"

namespace tarvello {

frmEndofGame::frmEndofGame()
    : SummaryWindow({"frmEndofGame",
                     "Game Over ",
                     6210,
                     53,
                     true,
                     {{"btnContinue", "&Continue"}, {"btnRestartGame", "&Play Again"}, {"btnExit", "&End"}}}),
      btnContinue(buttons_[0]), btnRestartGame(buttons_[1]), btnExit(buttons_[2])
{}

} // namespace tarvello
