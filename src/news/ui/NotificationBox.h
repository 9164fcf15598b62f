#pragma once

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;
class frmPlayerNotification;

// Connects the box's events to the procedures below; the registry runs it at every load.
void connectNotificationBox(frmPlayerNotification &box, App &app);

// The smaller of two numbers: b when b is strictly less than a, else a.
int16_t MinInt(int16_t a, int16_t b);

namespace notification {

// Load: lays the box out once (with the design code), sizes it to the message, and clears it.
void Form_Load(frmPlayerNotification &box, App &app);
// Activate: sizes the box to the message, places "OK", and colours the box by the code and the
// screen scheme.
void Form_Activate(frmPlayerNotification &box, App &app);
// "OK": unloads the box.
void btnOkay_Click(frmPlayerNotification &box);
// Unload, by "OK" or by the close box: the box goes back to its design caption and an empty message.
void Form_Unload(frmPlayerNotification &box);

} // namespace notification

} // namespace tarvello
