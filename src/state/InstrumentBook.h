#pragma once

#include "common/Instrument.h"

#include <array>
#include <cstdint>

namespace tarvello {

// One open lot: a signed number of contracts and the price it was entered at.
struct PositionLot {
    double units = 0.0;
    float price = 0.0f;
};

inline constexpr int kMaxLots = 100;

// The per-instrument table every subsystem shares. Types follow the arithmetic the player's figures
// come from: prices are Single except T-Bond and Soybean, which are kept in Double.
struct InstrumentBook {
    float position = 0.0f; // contracts, whole numbers, signed
    double price = 0.0;    // current price for the period (narrowed to Single where that applies)
    double previousClose = 0.0;
    double buyFillPrice = 0.0;
    double sellFillPrice = 0.0;
    double positionLimit = 0.0;
    double transactionLimit = 0.0;
    int16_t maxUnits = 0;
    double marginRoom = 0.0;
    int16_t lotCount = 0;
    std::array<PositionLot, kMaxLots + 1> lots{}; // slots 1..100; slot 0 unused
    double unrealizedPL = 0.0;
};

} // namespace tarvello
