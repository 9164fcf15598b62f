#pragma once

#include <QString>

namespace tarvello {

struct App;

// How loading a new game's data ended, as the new-game command acts on it.
struct NewGameLoad {
    enum class Outcome { Loaded, NotLoaded, EndProgram };
    Outcome outcome = Outcome::Loaded;
    QString title; // the notice to show when the data did not load
    QString message;

    bool loaded() const { return outcome == Outcome::Loaded; }
};

// Loads the data of the game the settings describe: the trading calendar, then each instrument's
// daily series or tick records (with the "Initializing Data" window up while ticks are read).
NewGameLoad LoadNewGameData(App &app);

// A game whose data did not load cannot be played: shows the load's notice, then either ends the
// program (the database could not be opened) or leaves it idle as before any game: "&Start",
// "&Forward" and "&Trade" disabled, the settings free.
void LeaveIdle(App &app, const NewGameLoad &load);

} // namespace tarvello
