#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace tarvello {

// "Initializing Data": the small window that stands over the main window while a game's tick records
// load.
class frminitialize : public forms::Form {
    Q_OBJECT
public:
    frminitialize();

    forms::Label *Label1; // "Initializing Data:  please wait"
};

} // namespace tarvello
