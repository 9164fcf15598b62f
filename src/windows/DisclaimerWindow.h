#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include <cstdint>

namespace tarvello {

// The Disclaimer window, shown modally over the main window at the end of start-up. Its text comes
// from the price database. The player agrees, and the game goes on, or disagrees, and the program
// ends.
class frmDisclaimer : public forms::Form {
    Q_OBJECT
public:
    frmDisclaimer();

    forms::CommandButton *btnClose; // "&Agree"
    forms::CommandButton *btnExit;  // "&Disagree"
    forms::MultiLineTextBox *txtNewsDisplay;

    // Set by "&Agree" as it unloads the window; any other way of closing it is a refusal.
    bool agreed = false;
};

} // namespace tarvello
