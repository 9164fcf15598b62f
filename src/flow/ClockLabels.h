#pragma once

#include "common/GameOptions.h"
#include "state/GameState.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace tarvello {

// The game's clock as the main window shows it: the date (LabelDay, "Date: " and the day), the weekday
// (lblDay) and the trading time (lblTradeTime). A Tick game has six trading times a day, fixed whatever
// the instrument; a Daily game trades once, at the close.

// The trading time of slot n mod 6 (0 standing for the sixth): "9:00 am" ... "2:00 pm". Empty for a
// remainder outside 0..5, which a negative period gives.
std::optional<QString> tickTimeText(int16_t period);

// The time text of a period for the trade history's time column: the tick time in a Tick game, empty
// in any other game.
std::optional<QString> TraderTickTime(DataKind kind, int16_t index);

// What ShowTickTime writes into the time label for `period`, or nothing to leave it as it is. A Daily
// game shows the close, "4:00 pm", which is written at period 0 and then kept for the whole game.
std::optional<QString> tickTimeCaption(DataKind kind, int16_t period);

// "Sunday" .. "Saturday" of a day serial.
QString weekdayName(double day);

// The weekday of the current game day: the calendar day the Daily game shows, or the tick day of the
// period in a Tick game. Empty with no day (an empty calendar, or no data kind).
QString GetWeekdayName(const GameState &state);

// The date of the game as ShowGameDate works it out, and what it writes into the two labels.
struct GameDate {
    std::optional<QString> labelDay; // LabelDay's new caption, when it is written
    std::optional<QString> lblDay;   // lblDay's new caption, when it is written
    std::optional<double> date;      // the day it worked with; none when it has none

    // The date as text in the short date form; empty with no date.
    QString text() const;
};

// The date of the current period. A Daily game takes the calendar day the period shows (the day before
// once a One Month or One Quarter game has reached its end date, the last day once the calendar is
// exhausted); a Tick game the date of the period's tick day, or StartDate before the first period.
GameDate ShowGameDate(const GameState &state);

} // namespace tarvello
