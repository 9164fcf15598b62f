#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace tarvello {

struct App;

// "Level Detail": a summary of what the level fixes (game length, data kind, news reports). The game
// never shows it; it is loaded, hidden, the first time the game-length menu or the colour-scheme
// command writes to one of its labels, and stays loaded for the rest of the run.
class frmLevelSelected : public forms::Form {
    Q_OBJECT
public:
    frmLevelSelected();

    forms::Label *Label1, *lblLevel;         // "Level:"
    forms::Label *Label3, *lblMaxGameLength; // "Game Length:"
    forms::Label *Label5, *lblDataType;      // "Data:"
    forms::Label *Label2, *lblNewsOptions;   // "News Reports:"
    forms::CommandButton *cmdBegin, *cmdReset;
};

namespace levelselected {

// Load: fills the three value labels with what the current level fixes. Loading the window only
// describes the level: it changes no setting and no menu, so that a label written by another
// command (the game length, the colour scheme), at any moment of a game, cannot change the game.
void Form_Load(frmLevelSelected &f, App &app);

} // namespace levelselected

void connectLevelSelected(frmLevelSelected &f, App &app);

} // namespace tarvello
