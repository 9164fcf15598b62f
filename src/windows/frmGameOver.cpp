#include "windows/frmGameOver.h"

namespace tarvello {

frmGameOver::frmGameOver()
    : SummaryWindow({"frmGameOver",
                     "GameOver",
                     5410,
                     41,
                     false,
                     {{"btnPlayAgain", "&Play Again"}, {"btnEnd", "&End"}}}),
      btnPlayAgain(buttons_[0]), btnEnd(buttons_[1])
{}

} // namespace tarvello
