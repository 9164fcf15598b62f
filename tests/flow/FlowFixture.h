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
#include "ui/App.h"
#include "ui/Halvern.h"
#include "ui/MainWindowEvents.h"
#include "ui/WindowConnections.h"

#include <gtest/gtest.h>

#include <deque>
#include <limits>

namespace tarvello::test {

// A random source the test steers: every draw gives `value` unless draws are queued, and reseeding
// changes nothing, so that each draw of a procedure is known.
class SteeredRandom final : public RandomSource {
public:
    void randomize() override {}
    void seed(uint32_t) override {}
    float rnd() override
    {
        ++draws;
        if (queued.empty())
            return value;
        const float next = queued.front();
        queued.pop_front();
        return next;
    }

    float value = 0.5f;
    std::deque<float> queued;
    int draws = 0;
};

// The largest draw below 1.
inline constexpr float kTopDraw = 1.0f - std::numeric_limits<float>::epsilon() / 2;

// The main window as the game makes it, in its design state (start-up does not run), with every window
// connected, a steered random source, modal windows answered by the scripted host and the program end
// recorded.
class FlowTest : public ::testing::Test {
protected:
    FlowTest()
    {
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
    SteeredRandom random;
    FixedClock clock;
    App app{state, forms, programEnd, random, clock, QString()};
};

} // namespace tarvello::test
