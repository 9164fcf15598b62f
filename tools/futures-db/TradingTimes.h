#pragma once

#include "common/Instrument.h"

namespace tarvello::futuresdb {

// Each instrument is priced six times a trading day, each time from the ticks of a window that opens at
// the instrument's reference time and closes 30 minutes later, end included. Where two windows overlap
// a tick belongs to the earlier one.
inline constexpr int kSlotsPerDay = 6;
inline constexpr int kSlotWindowMinutes = 30;

// The reference time of a slot (1..6) as a minute of the day.
int referenceMinute(Instrument instrument, int slot);

// The slot (1..6) whose window holds the minute, the first one when windows overlap; 0 for none.
int slotOfMinute(Instrument instrument, int minuteOfDay);

} // namespace tarvello::futuresdb
