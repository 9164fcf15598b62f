#pragma once

#include "common/Level.h"
#include "common/Notice.h"
#include "state/GameState.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace tarvello {

// The order commands' and selections' effects on the pending order. The window code does the rest of
// each click (the controls, the menus, the stage) around them.

// "&Trade": an order starts. At the Expert level the instrument is chosen next, so none is selected.
void startOrder(GameState &state, Level level);

// An instrument button: the order's instrument.
void selectInstrument(GameState &state, Instrument instrument);

inline constexpr int kPromptUnitsLeftTwips = 3000;

// "&Buy" / "&Sell": the order's side, and the margin refreshed. Returns the caption of promptUnits,
// "Number of Contracts to Buy: " or "Number of Contracts to Sell: ".
QString selectSide(GameState &state, OrderSide side);

// "&Hold": the order is given up.
void holdOrder(GameState &state);

// "&Enter Order", before the fill: a Sell's quantity becomes the negative change of the position.
void enterOrder(GameState &state);

// "&Cancel Order": nothing is filled; the margin is refreshed.
void cancelOrder(GameState &state);

// The refusal of an order that would open a 101st lot on the side of the position: a Buy while long with
// 100 lots open, or a Sell while short with 100 lots open. None when the order may go on.
std::optional<Notice> inventoryGuard(const GameState &state);

// Enter or Tab in the quantity box (InputUnits_KeyDown, once the window has seen one of those keys and
// disabled the box): the 100-lot guard, then the instrument's quantity check. The window shows the
// notice if there is one (then the charts), empties the box, and moves on by `next`:
//   RefusedLots  the stage "ChangePeriod" (the box keeps its text)
//   Verify       the order verification (ShowOrderVerification), which sets "CorrOrd"
//   GiveUp       the stage "ChangePeriod"
//   AskAgain     the maximum-units display (ShowMaximumUnits), then the stage "GetUnits"
//   BackToSide   the prompt and the box hidden, then the stage "Trade"
// The margin refresh the give-up and back-to-side ways need is done here.
struct QuantityEntry {
    enum class Next { RefusedLots, Verify, GiveUp, AskAgain, BackToSide };
    Next next = Next::BackToSide;
    std::optional<Notice> notice;
};
QuantityEntry InputUnits(GameState &state, QStringView text);

} // namespace tarvello
