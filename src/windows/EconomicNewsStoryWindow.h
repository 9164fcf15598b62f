#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace tarvello {

// The economic news story window: one story in one label, and "OK". It colours itself when loaded.
class frmEconomicNewsStory : public forms::Form {
    Q_OBJECT
public:
    frmEconomicNewsStory();

    forms::Label *Label1;
    forms::CommandButton *btnOK;
};

} // namespace tarvello
