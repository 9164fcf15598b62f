#pragma once

#include "shell/ui/Schemes.h"

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;
class frmScreenColor;

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
