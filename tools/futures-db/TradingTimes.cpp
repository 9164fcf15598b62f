#include "TradingTimes.h"

#include <array>

namespace tarvello::futuresdb {

namespace {
constexpr int hm(int h, int m)
{
    return h * 60 + m;
}

// In CommodityID order: Cattle, Gold, Oil, SP500, Soybean, TBond.
constexpr std::array<std::array<int, kSlotsPerDay>, kInstrumentCount> kReference = {{
    {hm(9, 0), hm(10, 0), hm(10, 45), hm(11, 20), hm(11, 50), hm(12, 35)},
    {hm(7, 20), hm(8, 35), hm(10, 5), hm(11, 35), hm(12, 5), hm(13, 45)},
    {hm(8, 45), hm(9, 30), hm(10, 30), hm(11, 45), hm(12, 45), hm(13, 45)},
    {hm(8, 30), hm(9, 45), hm(11, 0), hm(12, 15), hm(13, 45), hm(14, 45)},
    {hm(9, 30), hm(10, 15), hm(11, 0), hm(11, 45), hm(12, 30), hm(12, 45)},
    {hm(7, 20), hm(8, 20), hm(9, 35), hm(11, 20), hm(12, 35), hm(13, 35)},
}};
} // namespace

int referenceMinute(Instrument instrument, int slot)
{
    return kReference[slotOf(instrument)][slot - 1];
}

int slotOfMinute(Instrument instrument, int minuteOfDay)
{
    for (int slot = 1; slot <= kSlotsPerDay; ++slot) {
        const int start = referenceMinute(instrument, slot);
        if (minuteOfDay >= start && minuteOfDay <= start + kSlotWindowMinutes)
            return slot;
    }
    return 0;
}

} // namespace tarvello::futuresdb
