#pragma once

#include "common/Level.h"
#include "state/GameState.h"

#include <QString>

#include <optional>

namespace tarvello {

// Filling the pending order, in the order the window code runs it:
//   1. fillPrice            sets OrderPrice and gives the confirmation text of a player's order;
//                           the window sets the stage "TradeConfirmation" and shows the text modally
//   2. bookFill             books the order as fillPrice priced it (the window keeps that copy while the
//                           confirmation is up): counts the fill and its commission, writes the trade
//                           record, moves the position and books the lots
//   3. the window writes lblTotTrades (totalTradesText) and "Trader Input:", runs the blow-out test
//      and the account panel, and ends with ClearPendingOrder.
// A margin-call fill (OrderKind MarginCall) has no confirmation, and its record says " - Margin Call".

// Sets OrderPrice to the instrument's fill price for the side (buy price for a Buy, sell price for a
// Sell). Returns the confirmation text for a player's order, e.g.
// "Transaction Order Filled: 5 Oil Bought @  $18.25"; none for a margin-call fill or no side.
std::optional<QString> fillPrice(GameState &state);

// Counts one fill: the trade count, and 20 dollars of commission in an Expert game.
void CountTrade(GameState &state, Level level);

// Counts the fill of `order`, records it (the period is `tradeDay`), adds its OrderUnits to the position
// and books the lots. An order without a side fills nothing.
void bookFill(GameState &state, const PendingOrder &order, Level level, int16_t tradeDay);

// The caption of lblTotTrades: the trade count in plain digits.
QString totalTradesText(const AccountState &account);

// Empties the pending order: no instrument, no side, no quantity, no price. OrderKind and OrderStage
// stay as they are.
void ClearPendingOrder(GameState &state);

} // namespace tarvello
