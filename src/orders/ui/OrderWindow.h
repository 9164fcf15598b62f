#pragma once

#include "common/Instrument.h"

#include <cstdint>

namespace tarvello {

struct App;
class Halvern;

// The order road on the main window, step by step. Each command disables the main window and the four
// top-level menus while it works and enables them again before it returns.

// "&Trade": starts an order. At the Novice level (Oil only) it goes straight to the stage "Trade"; at
// the Expert level it shows the six instrument buttons in place of the market names, with "&Hold"
// enabled to give the order up before an instrument is chosen.
void btnTrade_Click(App &app);
// An instrument button (btnGold_Click, btnSoybean_Click, ...): the order's instrument, its market name
// highlighted, then the stage "Trade".
void btnInstrument_Click(App &app, Instrument instrument);
// "&Buy" / "&Sell": the side, the margin refresh and the largest allowed quantity, the prompt, then the
// stage "GetUnits" with the focus in the quantity box.
void btnBuy_Click(App &app);
void btnSell_Click(App &app);
// "&Hold": the order is given up; back to "ChangePeriod".
void btnHold_Click(App &app);
// "&Enter Order": fills the verified order (a Sell's quantity becomes negative first); back to
// "ChangePeriod".
void btnYes_Click(App &app);
// "&Cancel Order": fills nothing; back to "ChangePeriod".
void btnNo_Click(App &app);

// Key-down in the quantity box: only Enter (13) and Tab (9, Shift+Tab included) act. They refuse a
// 101st lot on the side of the position, else check the typed quantity and move the order on by the
// result: to the verification, back to the quantity, back to the side, or given up. Tab is kept from
// moving the focus, which the stage has just put where the order goes next.
void InputUnits_KeyDown(App &app, int16_t &keyCode, int16_t shift);

// The largest quantity the pending order may have, in lblMaxSelected, as the checked item of
// "&Maximum Display" reads it. ShowMaxPositionForwarder only runs it.
void ShowMaximumUnits(App &app);
void ShowMaxPositionForwarder(App &app);
// "&Maximum Display" > "&Transaction" (0) / "&Positions" (1).
void mnuMaximum_Click(App &app, int16_t index);

// The order line with "&Enter Order" and "&Cancel Order" (the stage "CorrOrd"); an order with no
// instrument becomes an Oil order.
void ShowOrderVerification(App &app);

// Fills the pending order: the fill price, the confirmation window for the player's own order, the trade
// count and record, the position and lots, the blow-out test, the account panel; the pending order is
// empty afterwards. A margin-call fill shows no confirmation. What is booked is the order as confirmed.
void ExecuteOrder(App &app);

// Connects the order road, the quantity box and the maximum-display menu of the main window.
void connectOrderEntry(Halvern &w, App &app);

} // namespace tarvello
