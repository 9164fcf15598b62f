#include "app/SummaryWindowEvents.h"

#include "flow/ui/EndOfGame.h"
#include "windows/frmEndofGame.h"
#include "windows/frmGameOver.h"

namespace tarvello {

void connectGameOverWindow(frmGameOver &w, App &app)
{
    w.setActivateHandler([&app] { gameover::Form_Activate(app); });
    w.setUnloadHandler([&app](int16_t &cancel) { gameover::Form_Unload(app, cancel); });
    w.btnPlayAgain->setClickHandler([&app] { gameover::btnPlayAgain_Click(app); });
    w.btnEnd->setClickHandler([&app] { gameover::btnEnd_Click(app); });
}

void connectEndOfGameWindow(frmEndofGame &w, App &app)
{
    w.setActivateHandler([&app] { endofgame::Form_Activate(app); });
    w.btnContinue->setClickHandler([&app] { endofgame::btnContinue_Click(app); });
    w.btnRestartGame->setClickHandler([&app] { endofgame::btnRestartGame_Click(app); });
    w.btnExit->setClickHandler([&app] { endofgame::btnExit_Click(app); });
}

} // namespace tarvello
