#pragma once

#include "common/GameState.h"
#include "common/Random.h"
#include "platform/forms/FormRegistry.h"
#include "support/FixedClock.h"
#include "support/RecordingProgramEnd.h"
#include "support/ScriptedModalHost.h"
#include "ui/App.h"
#include "ui/Halvern.h"
#include "ui/MainWindowEvents.h"

#include <gtest/gtest.h>

namespace tarvello::test {

// The main window as the game makes it: loaded through the registry, its events connected to a fresh
// game state, modal windows answered by the scripted host and the program end recorded.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        forms.setConnector<Halvern>([this](Halvern &window) { connectMainWindow(window, app); });
    }

    Halvern &w() { return forms.get<Halvern>(); }

    GameState state;
    ScriptedModalHost host;
    RecordingProgramEnd programEnd;
    forms::FormRegistry forms{host};
    DefaultRandomSource random{12345};
    FixedClock clock;
    App app{state, forms, programEnd, random, clock, QString()};
};

} // namespace tarvello::test
