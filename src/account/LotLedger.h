#pragma once

#include "state/GameState.h"

namespace tarvello {

// Books one fill into the instrument's open lots, oldest first, and adds the profit or loss of the lots
// it closes to RealizedPL. The position must already include the fill. `units` is signed (negative when
// sold) and `price` is the fill price as the instrument keeps it.
// - On the side of the position, or from flat: a new lot at the rounded price (lots are never merged).
// - Against the position: the oldest lots are closed first; a partly closed lot keeps its price.
// - Past zero: every lot is closed and one lot of the rest opens on the other side.
// Prices and price differences are rounded through the instrument's ledger format before they are
// multiplied, so single-precision noise never reaches the dollars.
// StoreOilPrice, StoreGoldPrice, StoreTBondPrice, StoreSP500Price, StoreSoybeanPrice and
// StoreCattlePrice are this one procedure with the instrument's own rules.
void StorePrice(GameState &state, Instrument instrument, float units, double price);

} // namespace tarvello
