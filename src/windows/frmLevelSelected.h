#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace tarvello {

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

} // namespace tarvello
