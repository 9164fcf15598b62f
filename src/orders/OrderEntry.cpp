#include "orders/OrderEntry.h"

#include "account/InstrumentRules.h"
#include "account/Margin.h"
#include "orders/Execution.h"
#include "orders/QuantityValidation.h"

namespace tarvello {

void startOrder(GameState &state, Level level)
{
    state.order.securitySelected = 1;
    if (level == Level::Expert)
        state.order.selectedSecurity.reset();
}

void selectInstrument(GameState &state, Instrument instrument)
{
    state.order.selectedSecurity = instrument;
    state.order.securitySelected = 0;
}

QString selectSide(GameState &state, OrderSide side)
{
    state.order.orderSide = side;
    UpdateMarginRoom(state);
    return QStringLiteral("Number of ") + QStringLiteral("Contracts") +
           (side == OrderSide::Sell ? QStringLiteral(" to Sell: ") : QStringLiteral(" to Buy: "));
}

void holdOrder(GameState &state)
{
    UpdateMarginRoom(state);
    ClearPendingOrder(state);
    state.order.orderStage = OrderStage::GiveUp;
}

void enterOrder(GameState &state)
{
    if (state.order.orderSide == OrderSide::Sell)
        state.order.orderUnits = -state.order.orderUnits;
}

void cancelOrder(GameState &state)
{
    UpdateMarginRoom(state);
}

std::optional<Notice> inventoryGuard(const GameState &state)
{
    const PendingOrder &order = state.order;
    const Instrument instrument = order.instrument();
    const InstrumentBook &book = state.book(instrument);
    if (book.lotCount != kMaxLots)
        return std::nullopt;
    const QString key = keyText(instrument);
    QString message;
    if (book.position > 0.0f && order.orderSide == OrderSide::Buy)
        message =
            QStringLiteral("No Additional %1 Purchases Allowed - Current %1 Inventory to Large: Try Selling")
                .arg(key);
    else if (book.position < 0.0f && order.orderSide == OrderSide::Sell)
        message = QStringLiteral("No Additional %1 Sales Allowed - Current %1 Inventory to Large: Try Buying")
                      .arg(key);
    else
        return std::nullopt;
    return Notice{QStringLiteral("* Trader Notification *"), message, 1};
}

QuantityEntry InputUnits(GameState &state, QStringView text)
{
    if (auto refusal = inventoryGuard(state))
        return QuantityEntry{QuantityEntry::Next::RefusedLots, std::move(refusal)};

    const QuantityCheck check = GetUnits(state, state.order.instrument(), text);
    QuantityEntry entry;
    entry.notice = check.notice;
    switch (state.order.orderStage) {
    case OrderStage::Accepted:
        entry.next = QuantityEntry::Next::Verify;
        break;
    case OrderStage::AskAgain:
        entry.next = QuantityEntry::Next::AskAgain;
        break;
    case OrderStage::GiveUp:
        entry.next = QuantityEntry::Next::GiveUp;
        UpdateMarginRoom(state);
        break;
    case OrderStage::BackToSide:
        entry.next = QuantityEntry::Next::BackToSide;
        UpdateMarginRoom(state);
        break;
    }
    state.order.orderStage = OrderStage::BackToSide;
    return entry;
}

} // namespace tarvello
