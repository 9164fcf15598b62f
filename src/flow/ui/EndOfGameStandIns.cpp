// Stand-ins for the summary windows' procedures until the end of game is built. They do the least the
// callers of the windows rely on: "&Play Again" hides the window and sets RestartMode to 1 (the data is
// not reloaded and the main window is not reset), closing the game-over window counts as "&Play
// Again", "&End" hides the window and ends the program, "&Continue" hides the window.
#include "flow/ui/EndOfGame.h"

#include "common/GameState.h"
#include "flow/ui/Startup.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/Runtime.h"
#include "ui/App.h"
#include "ui/frmEndofGame.h"
#include "ui/frmGameOver.h"

namespace tarvello {

namespace {

template <class Window> void hide(App &app)
{
    app.forms.get<Window>().setVisible(false);
    forms::doEvents();
}

void playAgain(App &app)
{
    app.state.clock.restartMode = 1;
    app.state.account.score = 0.0f;
}

} // namespace

namespace gameover {

void Form_Activate(App &) {}

void btnPlayAgain_Click(App &app)
{
    hide<frmGameOver>(app);
    playAgain(app);
}

void btnEnd_Click(App &app)
{
    hide<frmGameOver>(app);
    ExitGame(app);
}

void Form_Unload(App &app, int16_t &)
{
    btnPlayAgain_Click(app);
}

} // namespace gameover

namespace endofgame {

void Form_Activate(App &) {}

void btnContinue_Click(App &app)
{
    hide<frmEndofGame>(app);
}

void btnRestartGame_Click(App &app)
{
    hide<frmEndofGame>(app);
    playAgain(app);
}

void btnExit_Click(App &app)
{
    hide<frmEndofGame>(app);
    ExitGame(app);
}

} // namespace endofgame

} // namespace tarvello
