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
namespace help {
class HelpViewer;
}
namespace print {
class WindowPrinter;
}

// What every window-bound procedure reaches: the game state, the windows, and the services tests
// replace. The application makes one in main(); a test makes one over its own fakes.
struct App {
    GameState &state;
    forms::FormRegistry &forms;
    ProgramEnd &programEnd;
    RandomSource &random;
    ClockService &clock;
    QString programDirectory;                // where "futures.mdb" and the help pages are found
    QString helpFile = {};                   // the help file the help commands open; start-up names it
    help::HelpViewer *help = nullptr;        // where the help commands go; none: help does nothing
    print::WindowPrinter *printer = nullptr; // Print Screen's printer; none: nothing can be printed

    Halvern &main() const; // the main window, loaded if it was not
};

} // namespace tarvello
