#pragma once

#include "platform/db/Result.h"

namespace tarvello {

struct GameState;

// What a game relies on of the data LoadGameData has just read, beyond the rows it could read:
// - no row of the game's tables is out of the queries' reach for want of a valid date (a NULL, or a
//   text where a day serial belongs), which would silently take its day out of the game; such a row
//   belongs to no period, so the notice says no game of the kind can be played until it is mended;
// - the calendar's days are whole days, each listed once;
// - every instrument the level trades has its price from the first trading day on (Daily), or ticks
//   of its own on every trading day of the tick calendar (Tick), so that none trades at the price
//   floor or stands still for a day while the others move;
// - no price row of the game's period belongs to no instrument (a NULL CommodityID or one outside 1..6).
// Returns the first fault found, with the notice's text naming the table, the instrument (or the id
// found) and the day.
db::Status CheckGameData(const GameState &state);

// The first of those checks alone, for a period whose calendar came back empty: rows without a valid
// date may be why.
db::Status CheckDatesReadable(const GameState &state);

} // namespace tarvello
