#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "ui/Schemes.h"

namespace tarvello {

struct App;

// "Screen Color": three options that switch the whole screen between the Black, Gray and Monochrome
// schemes at once, and "OK". Modal over the main window, which is disabled while it is open.
class frmScreenColor : public forms::Form {
    Q_OBJECT
public:
    frmScreenColor();

    forms::OptionButton *optBlack, *optGray, *optMono;
    forms::CommandButton *Command1;

    // Set while the load ticks the scheme in force: that tick shows the scheme, it changes nothing.
    bool showingSchemeInForce = false;
};

namespace screencolor {

// Load: centres the controls and ticks the option of the scheme in force.
void Form_Load(frmScreenColor &d, App &app);
// A click on an option: the scheme change, for the main window, its charts and the other windows.
void ChangeScheme(frmScreenColor &d, App &app, Scheme scheme);
void Command1_Click(App &app);

} // namespace screencolor

// Recolours the other windows that follow the scheme with fixed colours, from the main window's
// BackColor; a BackColor that is no scheme recolours nothing.
void ApplySchemeToForms(App &app);

// Options > "&Screen Color...".
void mnuScreenColor_Click(App &app);

void connectScreenColorWindow(frmScreenColor &d, App &app);

} // namespace tarvello
