#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace tarvello {

struct App;

// "Initializing Data": the small window that stands over the main window while a game's tick records
// load.
class frminitialize : public forms::Form {
    Q_OBJECT
public:
    frminitialize();

    forms::Label *Label1; // "Initializing Data:  please wait"
};

namespace initialize {

// Load: centres the window over the main window (not over the screen).
void Form_Load(frminitialize &f, App &app);
// Activate: the label as wide as the window, and the colours of the screen's colour scheme.
void Form_Activate(frminitialize &f, App &app);

} // namespace initialize

// The data load shows the window without waiting, and hides it (it stays loaded) when done.
void ShowInitializingWindow(App &app, bool shown);

void connectInitialize(frminitialize &f, App &app);

} // namespace tarvello
