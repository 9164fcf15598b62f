#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <array>

namespace tarvello {

// "Economic Calendar": the reports that move the game's markets and when they come out, as fixed
// text. The colour schemes recolour it; its load only centres "Close".
class frmEconCalendar : public forms::Form {
    Q_OBJECT
public:
    frmEconCalendar();

    std::array<forms::Label *, 14> labels{}; // Label1 to Label14
    std::array<forms::Line *, 4> lines{};    // Line1 to Line4
    forms::CommandButton *btnClose;
};

namespace econcalendar {
void Form_Load(frmEconCalendar &w);
} // namespace econcalendar

} // namespace tarvello
