#pragma once

#include "common/Instrument.h"

#include <optional>

namespace tarvello::futuresdb {

// How each instrument's prices are stored. Daily rows hold the market's own quote: dollars a barrel,
// dollars an ounce, index points, cents a pound, cents a bushel, and T-Bond points as a decimal number.
// Tick rows hold the forms the tick loader converts: a tenth of the price for Oil, Gold, SP500 and
// Cattle; Soybean cents with the digit after the point counting eighths (580.4 = 580 4/8 cents);
// T-Bond points with two digits of 32nds after the point (98.16 = 98 16/32).

// The price the player sees, from a value in daily units: Soybean is shown in dollars.
double gamePrice(Instrument instrument, double dailyValue);

// The finest step a tick can carry, as steps per daily unit: cents for the four tenth-stored
// instruments, eighths of a cent for Soybean, 32nds for T-Bond.
int tickGrid(Instrument instrument);

// The step a daily value must lie on, as steps per daily unit, or 0 when any value will do. T-Bond
// daily rows are decimal points in whole 32nds (98.16 there reads as a 32nds quote stored by mistake);
// Soybean daily rows are cents in eighths.
int dailyGrid(Instrument instrument);

// The tick size of the sample prices, as steps per daily unit (Oil one cent, Gold ten cents, SP500 and
// Cattle five hundredths, Soybean a quarter cent, T-Bond one 32nd).
int sampleGrid(Instrument instrument);

// True when value x grid is a whole number, allowing for values that went through a 32-bit float.
bool onGrid(double value, int grid);

// The tick encoding of a price in daily units. The price is rounded to the tick grid first; its count
// of steps must lie within kMaxTickSteps.
double encodeTick(Instrument instrument, double dailyValue);

// The most steps of the tick grid a price may count: every whole count up to it is exact in a double
// and becomes an integer without overflow. The ticks the game reads exactly end far below it (see
// encodeTickExactly).
inline constexpr double kMaxTickSteps = 9007199254740992.0; // 2^53

// A price in daily units as a tick the game reads back exactly. The game reads a stored tick as a
// Single and converts it (TickData's ConvertTickPrice); the tick is exact when that gives the same
// Single as the price rounded to the tick grid, the Single the game holds for it as a daily value.
struct ExactTick {
    std::optional<double> stored;  // the value to store, when the tick is exact
    std::optional<double> reading; // the price in daily units the game reads from the encoding, as it
                                   // shows it, when the encoding exists and the game accepts it
};
ExactTick encodeTickExactly(Instrument instrument, double dailyValue);

// The price in daily units of a stored tick value, or nothing when the value is not a valid encoding
// (an eighths digit of 8 or 9, a 32nds pair of 32 or more, a value with more digits than the form has).
std::optional<double> decodeTick(Instrument instrument, double realprice);

// The lowest price the game trades at; anything at or below it is floored.
inline constexpr double kPriceFloor = 0.05;

} // namespace tarvello::futuresdb
