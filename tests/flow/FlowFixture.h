#pragma once

#include "../trading/TradingWindowFixture.h"

#include "flow/OptionInterplay.h"
#include "flow/ui/TimePeriodDialog.h"
#include "windows/frmTimePeriod.h"

#include <limits>
#include <vector>

namespace tarvello::test {

// The largest draw below 1.
inline constexpr float kTopDraw = 1.0f - std::numeric_limits<float>::epsilon() / 2;

// The main window in its design state (start-up does not run), every window connected, with the
// game options dialog at hand. Random draws give `random.afterScript` (0.5 unless a test says
// otherwise) once the scripted ones are used.
class FlowTest : public TradingWindowTest {
protected:
    FlowTest() { random.afterScript = 0.5f; }

    // The options dialog, loaded (from the settings menus) if it was not.
    frmTimePeriod &dialog()
    {
        w();
        return forms.get<frmTimePeriod>();
    }
    forms::OptionButton &option(GameOption o) { return optionButton(dialog(), o); }

    // Game > "&Start", with the options dialog answered by these clicks and then "&Begin".
    void beginNewGame(std::vector<GameOption> clicks = {})
    {
        host.answerNext([clicks](forms::Form &form) {
            auto &f = static_cast<frmTimePeriod &>(form);
            for (GameOption o : clicks)
                optionButton(f, o).click();
            f.cmdBegin->click();
        });
        w().mnuNewGame->click();
    }
};

} // namespace tarvello::test
