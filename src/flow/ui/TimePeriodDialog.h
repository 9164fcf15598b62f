#pragma once

#include "flow/OptionInterplay.h"
#include "state/GameState.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace tarvello {

struct App;
class frmTimePeriod;

namespace forms {
class OptionButton;
}

// The procedures of the game options dialog frmTimePeriod. The dialog answers the new-game command
// through the main window's "&Forward" button: "&Begin" leaves it enabled, "&Cancel" and the close
// box disable it.
namespace timeperiod {

// The prompt texts of the Time Period frame.
inline constexpr const char *kHint = "When Playing Tarvello, you may either select a historical timeperiod "
                                     "to trade or the Game will choose a random year for you.";
inline constexpr const char *kSelectYear = "Select a Year:";
inline constexpr const char *kSelectMonthAndYear = "Select a Month and a Year:";

// Load: fills the lists, draws a year, shows the hint and takes the options from the check marks of
// the main window's settings menus (each selection runs its click procedure).
void Form_Load(frmTimePeriod &f, App &app);
// Activate: the colours of the screen's colour scheme.
void Form_Activate(frmTimePeriod &f, App &app);
// Unload (the close box; "&Cancel" runs the same steps): hides the dialog and disables "&Forward".
void Form_Unload(frmTimePeriod &f, App &app, int16_t &cancel);
// "&Cancel": the level, length and data options back from the menus, then the unload steps; the
// dialog stays loaded, hidden.
void cmdReset_Click(frmTimePeriod &f, App &app);

// The click procedure of one of the nine options: the steps of optionSteps(), then the lists, the
// prompt and the data kind that follow from them.
void OptionClick(frmTimePeriod &f, App &app, GameOption option);
// "&Select Timeperiod" (0) or "&Random Timeperiod" (1).
void optSelect_Click(frmTimePeriod &f, App &app, int16_t index);
// Refills the year and month lists for the chosen data kind and length, with a random entry chosen.
void ComboBoxDisplay(frmTimePeriod &f, App &app);

// "&Begin": turns the choices into the game settings, the start and end dates, the menu check marks,
// the chart options and the charted instrument, hides the dialog and enables "&Forward". A choice
// the game cannot be built from (no option of a group, no year, no month) is refused with a notice
// and the dialog stays open.
void cmdBegin_Click(frmTimePeriod &f, App &app);
// Ticks the settings menus after the options and sets the level, game length and data kind.
void LevelDetailChecker(frmTimePeriod &f, App &app);

// Why "&Begin" cannot build a game from the dialog as it stands; none when it can.
std::optional<QString> beginRefusal(const frmTimePeriod &f);

} // namespace timeperiod

// The dialog's option for a game option, and the length its options choose.
forms::OptionButton &optionButton(const frmTimePeriod &f, GameOption option);
GameLengthOption chosenLength(const frmTimePeriod &f);

// Connects the dialog's events to the procedures above; the registry calls it at every load.
void connectTimePeriod(frmTimePeriod &f, App &app);

} // namespace tarvello
