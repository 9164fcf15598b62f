#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace tarvello {

// The fill confirmation, "Electronic Mail:  Trade Confirmation": one line of text over a window only as
// high as that line. Its OK button lies to the right of the visible part; it is the only control that
// takes the focus, so Enter or Space dismisses the window, as a click on the text or the window does.
class frmTradeConfirmation : public forms::Form {
    Q_OBJECT
public:
    frmTradeConfirmation();

    forms::Label *lblTradeConfirmation;
    forms::CommandButton *Command1;
};

} // namespace tarvello
