#pragma once

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;
class frmTradeConfirmation;
namespace forms {
class Form;
}

// Shows the fill text in the trade confirmation window, modally over the main window, and returns once
// the player has dismissed it.
void ShowTradeConfirmation(App &app, const QString &text);

// Centres a window over the main window, both measured by their outer frames.
void centreOverMainWindow(App &app, forms::Form &window);

// The confirmation window's events. It is loaded once and only ever hidden, so it is centred once, at
// its first load; a click on the text or the window hides it, OK hides it and empties the text. Its
// close box hides it too: the window stays loaded for the whole run.
namespace tradeconfirmation {
void Form_Load(App &app);
void Form_Unload(App &app, int16_t &cancel);
void Command1_Click(App &app);
void Form_Click(App &app);
void lblTradeConfirmation_Click(App &app);
} // namespace tradeconfirmation

void connectTradeConfirmation(frmTradeConfirmation &w, App &app);

} // namespace tarvello
