#pragma once

namespace tarvello {

struct App;
class frmGameOver;
class frmEndofGame;

// Connects the summary windows' events to their procedures (flow/ui/EndOfGame.h) each time one loads.
void connectGameOverWindow(frmGameOver &w, App &app);
void connectEndOfGameWindow(frmEndofGame &w, App &app);

} // namespace tarvello
