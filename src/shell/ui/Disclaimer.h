#pragma once

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;
class frmDisclaimer;

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
