#pragma once

#include "flow/ClockLabels.h"

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;

// The game's clock on the main window: the date (LabelDay), the weekday (lblDay) and the trading time
// (lblTradeTime). The labels keep their captions between periods.

// The Daily step of "&Forward": the calendar moves to the next trading day (or finds none left), the
// date is shown, each instrument's series moves onto the day and both charts add it.
void UpdateTradeDayandGraphs(App &app);

// Writes the game's date and weekday into the date labels, as far as there is one to show, and returns
// the date it worked with (for the end tests).
GameDate ShowGameDate(App &app);

// The weekday of the current game day, or an empty text.
QString GetWeekdayName(App &app);

// The time label for `period`: the trading time of a Tick game, the close of a Daily one.
void ShowTickTime(App &app, int16_t period);

} // namespace tarvello
