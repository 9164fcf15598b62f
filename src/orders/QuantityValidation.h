#pragma once

#include "common/Notice.h"
#include "state/GameState.h"

#include <QStringView>

#include <optional>

namespace tarvello {

// The outcome of checking a typed quantity for the pending side of an instrument.
//   Accepted   the quantity is the order's (stored positive in OrderUnits); no notice.
//   AskAgain   the notice, then the quantity is asked for again.
//   GiveUp     the notice, then the order is abandoned.
//   BackToSide the notice if any (none for an empty or zero entry), then back to the choice of side.
struct QuantityCheck {
    OrderStage outcome = OrderStage::BackToSide;
    std::optional<Notice> notice;
    int32_t quantity = 0; // the whole number of contracts read from the text, within +-410,000
};

// The quantity validation of one instrument (GetOilUnits, GetGoldunits, GetTBondUnits, GetSP500Units,
// GetCattleUnits and GetSoybeanUnits are this one procedure). It works out the allowance of the pending
// side from the contracts the free equity carries, the position and the position and transaction
// limits; reads the text as a whole number of contracts ("1,000" is a thousand); applies the side's
// rules in order. It writes OrderStage, OrderUnits on acceptance, and the instrument's maxUnits entry
// (the largest position the margin allows on that side, within the position limit).
QuantityCheck GetUnits(GameState &state, Instrument instrument, QStringView text);

} // namespace tarvello
