#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <vector>

namespace tarvello {

// The About window: the game's name, the maker's notices and where to find the instructions. Shown
// modally over the main window at start-up and by Help > "&About Tarvello".
class frmAboutHalvern : public forms::Form {
    Q_OBJECT
public:
    frmAboutHalvern();

    forms::Label *LabelN, *Label1, *Label2, *Label4, *Label8, *Label6;
    forms::CommandButton *cmdOK;

    // The labels, top to bottom: they take the screen scheme's colours together.
    std::vector<forms::Control *> labels() const;
};

} // namespace tarvello
