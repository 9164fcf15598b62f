#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include <cstdint>

namespace tarvello {

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

} // namespace tarvello
