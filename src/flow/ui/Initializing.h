#pragma once

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;
class frminitialize;

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
