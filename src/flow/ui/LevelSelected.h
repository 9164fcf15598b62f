#pragma once

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;
class frmLevelSelected;

namespace levelselected {

// Load: fills the three value labels with what the current level fixes. Loading the window only
// describes the level: it changes no setting and no menu, so that a label written by another
// command (the game length, the colour scheme), at any moment of a game, cannot change the game.
void Form_Load(frmLevelSelected &f, App &app);

} // namespace levelselected

void connectLevelSelected(frmLevelSelected &f, App &app);

} // namespace tarvello
