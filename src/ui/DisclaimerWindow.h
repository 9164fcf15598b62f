#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <cstdint>

namespace tarvello {

struct App;

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

void connectDisclaimer(frmDisclaimer &w, App &app);

namespace disclaimer {

// The notices of a disclaimer that cannot be shown; the program ends after either.
QString unreadableMessage(const QString &description);
QString missingMessage();

// Load: centres the window on the main window, fills in the disclaimer and places the buttons. When
// the text cannot be read, or there is none, it says so in the notification box and ends the program
// instead: nobody agrees to a blank disclaimer.
void Form_Load(frmDisclaimer &w, App &app);
// "&Agree": unloads the window; start-up goes on.
void btnClose_Click(frmDisclaimer &w, App &app);
// "&Disagree": hides the window and ends the program at once.
void btnExit_Click(frmDisclaimer &w, App &app);
// Unload: closing the window other than by "&Agree" (its close box) counts as "&Disagree".
void Form_Unload(frmDisclaimer &w, App &app);
// A click in the text gives "&Agree" the focus, so that Enter then agrees.
void txtNewsDisplay_Click(frmDisclaimer &w);

} // namespace disclaimer
} // namespace tarvello
