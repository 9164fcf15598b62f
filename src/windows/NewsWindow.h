#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace tarvello {

// The news window: every news text of the game is read in it. It is made on first use and only ever
// hidden, so the caption, text, height and text area its last user set stay until the next user
// changes them. A click on it (not on the text), or a double click on the text, hides it.
class frmNewsDisplay : public forms::Form {
    Q_OBJECT
public:
    frmNewsDisplay();

    forms::CommandButton *btnclose;          // holds the focus; it lies outside the visible area
    forms::MultiLineTextBox *txtNewsDisplay; // long texts
    forms::Label *Labelnews;                 // short texts, in place of the text box
};

} // namespace tarvello
