#pragma once

#include "account/AccountState.h"
#include "common/Instrument.h"
#include "common/InstrumentBook.h"
#include "orders/OrderState.h"

#include <array>

namespace tarvello {

// Everything the game keeps for the whole run. The application owns one; procedures take what they
// need by reference. Each subsystem's own records are added here as that subsystem is built.
struct GameState {
    std::array<InstrumentBook, kInstrumentCount> books{}; // indexed by slotOf(Instrument)
    AccountState account;
    PendingOrder order;
    TradeHistory trades;

    InstrumentBook &book(Instrument i) { return books[slotOf(i)]; }
    const InstrumentBook &book(Instrument i) const { return books[slotOf(i)]; }
};

} // namespace tarvello
