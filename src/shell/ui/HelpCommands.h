#pragma once

#include <cstdint>

namespace tarvello {

struct App;

// Closes the help window the game opened, if one is open; nothing is reported.
void CloseHelp(App &app);

// The help topics of the menus: each closes any help window first, then opens its page. All but the
// Economic Calendar disable the main window and its menus meanwhile; the Definitions replot the charts.
void mnuInstructions_Click(App &app);
void mnuDefinitions_Click(App &app, int16_t index);
void mnuDisclaimer_Click(App &app);
void mnuEconomicCalendar_Click(App &app);
void mnuMorvaine_Click(App &app);
void mnuHowto_Click(App &app);

// Help > "&Print Screen": prints the main window; a failure shows "The form could not be printed.".
void mnuPrint_Click(App &app);

} // namespace tarvello
