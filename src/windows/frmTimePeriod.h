#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace tarvello {

// "Game Level Options": the dialog in which the player chooses the level, the game length, the data
// kind, the news reports and the historical period before a game. Each frame is one option group. It
// holds its controls in their design state; TimePeriodDialog.h holds its procedures.
class frmTimePeriod : public forms::Form {
    Q_OBJECT
public:
    using OptionButton = forms::OptionButton;

    frmTimePeriod();

    forms::Frame *Frame1; // "Level"
    OptionButton *OptNovice, *OptExpert;
    forms::Frame *Frame2; // "Length"
    OptionButton *OptMonth, *OptQuarter, *OptYear;
    forms::Frame *Frame3; // "Data"
    OptionButton *OptDaily, *OptTick;
    forms::Frame *Frame4; // "News"
    OptionButton *OptAnnual, *OptDayReports;
    forms::Frame *fTime; // "&Time Period"
    forms::Label *labeltime;
    forms::ControlArray<OptionButton> optSelect{QStringLiteral("optSelect")}; // 0 Select, 1 Random
    forms::ComboBox *Combo2;                                                  // the month list
    forms::ComboBox *Combo1;                                                  // the year list
    forms::CommandButton *cmdBegin, *cmdReset;

protected:
    // "&Begin" is the default button: Enter that no control takes (a focused button presses itself)
    // presses it.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace tarvello
