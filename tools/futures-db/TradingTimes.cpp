#include "TradingTimes.h"

#include "data/TickData.h"

namespace tarvello::futuresdb {

// The game's own table of trading times, so the sample's ticks fall where the game looks for them.
int referenceMinute(Instrument instrument, int slot)
{
    return TickReferenceMinutes(commodityId(instrument), slot);
}

int slotOfMinute(Instrument instrument, int minuteOfDay)
{
    return MatchingTickSlot(commodityId(instrument), minuteOfDay);
}

} // namespace tarvello::futuresdb
