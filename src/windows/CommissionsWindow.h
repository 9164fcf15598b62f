#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace tarvello {

// "Commission Charges": the score before and after a charge of $25.00 per trade. Modal over the main
// window; it changes nothing in the account.
class frmCommiss : public forms::Form {
    Q_OBJECT
public:
    frmCommiss();

    forms::Label *Label4, *Label11, *Label7, *Label2, *label12, *Label1, *Label3;
    forms::Line *Line1;
    forms::CommandButton *cmdOK;
};

} // namespace tarvello
