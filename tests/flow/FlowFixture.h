#pragma once

#include "common/GameState.h"
#include "common/Services.h"
#include "flow/OptionInterplay.h"
#include "flow/ui/TimePeriodDialog.h"
#include "flow/ui/frmTimePeriod.h"
#include "platform/forms/FormRegistry.h"
#include "support/FixedClock.h"
#include "support/RecordingProgramEnd.h"
#include "support/ScriptedModalHost.h"
#include "support/TradingFixtures.h"
#include "ui/App.h"
#include "ui/Halvern.h"
#include "ui/MainWindowEvents.h"
#include "ui/WindowConnections.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarvello::test {

// The largest draw below 1.
inline constexpr float kTopDraw = 1.0f - std::numeric_limits<float>::epsilon() / 2;

// The main window as the game makes it, in its design state (start-up does not run), with every window
// connected, a random source that gives `random.afterScript` unless draws are scripted, modal windows
// answered by the scripted host and the program end recorded.
class FlowTest : public ::testing::Test {
protected:
    FlowTest()
    {
        random.afterScript = 0.5f;
        connectWindows(app);
        forms.setConnector<Halvern>([this](Halvern &window) {
            connectMainWindow(window, app);
            window.setLoadHandler({});
        });
    }

    Halvern &w() { return forms.get<Halvern>(); }
    // The options dialog, loaded (from the settings menus) if it was not.
    frmTimePeriod &dialog()
    {
        w();
        return forms.get<frmTimePeriod>();
    }
    forms::OptionButton &option(GameOption o) { return optionButton(dialog(), o); }

    GameState state;
    ScriptedModalHost host;
    RecordingProgramEnd programEnd;
    forms::FormRegistry forms{host};
    tarvello::testing::ScriptedRandom random;
    FixedClock clock;
    App app{state, forms, programEnd, random, clock, QString()};
};

} // namespace tarvello::test
