#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace tarvello {

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

} // namespace tarvello
