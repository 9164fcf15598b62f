#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tarvello {

// The six traded futures. The numbers are the CommodityID values of the price database and follow the
// alphabetical order of the instrument keys; 0 is reserved for rows that belong to no instrument (the
// disclaimer text).
enum class Instrument : int16_t { Cattle = 1, Gold = 2, Oil = 3, SP500 = 4, Soybean = 5, TBond = 6 };

inline constexpr int kInstrumentCount = 6;
inline constexpr std::array<Instrument, kInstrumentCount> kAllInstruments = {
    Instrument::Cattle, Instrument::Gold,    Instrument::Oil,
    Instrument::SP500,  Instrument::Soybean, Instrument::TBond};

constexpr int commodityId(Instrument i)
{
    return static_cast<int>(i);
}

// The order the trading screen lists the instruments in.
inline constexpr std::array<Instrument, kInstrumentCount> kInstrumentOrder = {
    Instrument::Oil,   Instrument::Gold,   Instrument::TBond,
    Instrument::SP500, Instrument::Cattle, Instrument::Soybean};

// 0-based slot for per-instrument arrays, in CommodityID order.
constexpr int slotOf(Instrument i)
{
    return static_cast<int>(i) - 1;
}
constexpr Instrument instrumentFromSlot(int slot)
{
    return static_cast<Instrument>(slot + 1);
}

// The key used by menus, lists and the database ("TBond", "SP500": no hyphen).
constexpr std::string_view instrumentKey(Instrument i)
{
    switch (i) {
    case Instrument::Cattle:
        return "Cattle";
    case Instrument::Gold:
        return "Gold";
    case Instrument::Oil:
        return "Oil";
    case Instrument::SP500:
        return "SP500";
    case Instrument::Soybean:
        return "Soybean";
    case Instrument::TBond:
        return "TBond";
    }
    return {};
}

// The name the player reads on the trading screen.
constexpr std::string_view displayName(Instrument i)
{
    return i == Instrument::TBond ? std::string_view("T-Bond") : instrumentKey(i);
}

} // namespace tarvello
