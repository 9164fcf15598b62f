#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace tarvello {

// "Custom Programming": the maker's offer of custom programming and how to reach them. Modal over the
// main window; it does not colour itself (a scheme change recolours it).
class frmCustom : public forms::Form {
    Q_OBJECT
public:
    frmCustom();

    forms::Label *Label3, *lblTop, *lblBottom;
    forms::CommandButton *cmdOK;
};

} // namespace tarvello
