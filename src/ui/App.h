#pragma once

#include <QString>

namespace tarvello {

struct GameState;
class ProgramEnd;
class RandomSource;
class ClockService;
class Halvern;
namespace forms {
class FormRegistry;
}

// What every window-bound procedure reaches: the game state, the windows, and the services tests
// replace. The application makes one in main(); a test makes one over its own fakes.
struct App {
    GameState &state;
    forms::FormRegistry &forms;
    ProgramEnd &programEnd;
    RandomSource &random;
    ClockService &clock;
    QString programDirectory; // where "futures.mdb" and the help pages are found
    QString helpFile = {};    // the help file the help commands open; start-up names it

    Halvern &main() const; // the main window, loaded if it was not
};

} // namespace tarvello
