#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <cstdint>

namespace tarvello {

struct App;

// The notification box: one modal box for every notice of the game (ShowNotification in
// Notification.h fills and shows it). It is made afresh for each notice and unloaded when closed.
class frmPlayerNotification : public forms::Form {
    Q_OBJECT
public:
    frmPlayerNotification();

    forms::CommandButton *btnOkay;
    forms::Label *ColorScheme; // hidden: carries the colour code to the layout step
    forms::Label *Label1;      // the message
};

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
