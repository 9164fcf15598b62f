#pragma once

#include "app/MainWindowEvents.h"
#include "app/WindowConnections.h"
#include "common/Random.h"
#include "platform/forms/FormRegistry.h"
#include "state/GameState.h"
#include "support/FixedClock.h"
#include "support/RecordingProgramEnd.h"
#include "support/ScriptedModalHost.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <gtest/gtest.h>

namespace tarvello::test {

// The main window as the game makes it: loaded through the registry, every window's events
// connected to a fresh game state, modal windows answered by the scripted host and the program end
// recorded. The window is built in its design state: its Load (the program's start-up, which opens
// the price database and shows the About and Disclaimer windows) runs only when a test sets
// runStartUp before it first touches the window.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        connectWindows(app);
        forms.setConnector<Halvern>([this](Halvern &window) {
            connectMainWindow(window, app);
            if (!runStartUp)
                window.setLoadHandler({});
        });
    }

    Halvern &w() { return forms.get<Halvern>(); }

    bool runStartUp = false;

    GameState state;
    ScriptedModalHost host;
    RecordingProgramEnd programEnd;
    forms::FormRegistry forms{host};
    DefaultRandomSource random{12345};
    FixedClock clock;
    App app{state, forms, programEnd, random, clock, QString()};
};

} // namespace tarvello::test
