#pragma once

#include <QStringView>

#include <optional>

struct sqlite3;

namespace tarvello::db {

// The two conversion functions the game's queries call, registered on every connection this layer
// opens (names are case-insensitive in SQL):
//   DateValue(x)  a date text ("2/1/1996", "2/1/96", "1996-02-01", "1996/02/01", optionally followed by a
//                 time) or a day serial -> the whole-day serial; NULL when x cannot be read.
//   timevalue(x)  a time text ("9:00:00 AM", "11:01 am", "14:30", optionally after a date) or a day
//                 serial -> the fraction of the day in [0, 1); NULL when x cannot be read.
// A tool that reads a price database with the game's own queries registers them too.
bool registerDateFunctions(sqlite3 *connection);

// The conversions themselves, for texts.
std::optional<double> dateValueOf(QStringView text);
std::optional<double> timeValueOf(QStringView text);

} // namespace tarvello::db
