#include "orders/Execution.h"

#include "account/InstrumentRules.h"
#include "account/LotLedger.h"
#include "common/Formats.h"
#include "common/VbMath.h"

#include <cmath>

namespace tarvello {

namespace {

bool hasSide(const PendingOrder &order)
{
    return order.orderSide == OrderSide::Buy || order.orderSide == OrderSide::Sell;
}

QString confirmationText(const PendingOrder &order, Instrument instrument)
{
    const bool buy = order.orderSide == OrderSide::Buy;
    const float contracts = buy ? order.orderUnits : std::abs(order.orderUnits);
    QString text = QStringLiteral("Transaction Order Filled: ") + vb::format(contracts, u"#,##0") +
                   QStringLiteral(" ") + keyText(instrument) +
                   (buy ? QStringLiteral(" Bought @  ") : QStringLiteral(" Sold @  "));
    if (rulesOf(instrument).doublePrice)
        text += vb::format(order.orderPrice, u"#,###.#0#####");
    else
        text += QStringLiteral("$") + vb::format(vb::toSingle(order.orderPrice), u"standard");
    return text;
}

} // namespace

std::optional<QString> fillPrice(GameState &state)
{
    PendingOrder &order = state.order;
    order.orderPrice = 0.0;
    if (!hasSide(order))
        return std::nullopt;
    const Instrument instrument = order.instrument();
    const InstrumentBook &book = state.book(instrument);
    order.orderPrice =
        heldPrice(instrument, order.orderSide == OrderSide::Buy ? book.buyFillPrice : book.sellFillPrice);
    if (order.orderKind != OrderKind::Player)
        return std::nullopt;
    return confirmationText(order, instrument);
}

void CountTrade(GameState &state, Level level)
{
    ++state.account.totalTrades;
    if (level == Level::Expert)
        state.account.totalCommissions += 20.0f;
}

void bookFill(GameState &state, const PendingOrder &order, Level level, int16_t tradeDay)
{
    if (!hasSide(order))
        return;
    const Instrument instrument = order.instrument();
    CountTrade(state, level);
    QString transaction = sideText(order.orderSide);
    if (order.orderKind == OrderKind::MarginCall)
        transaction += QStringLiteral(" - Margin Call");
    state.trades.write(TradeRecord{state.account.totalTrades, tradeDay, instrument, transaction,
                                   order.orderUnits, vb::toSingle(order.orderPrice)});
    state.book(instrument).position += order.orderUnits;
    StorePrice(state, instrument, order.orderUnits, order.orderPrice);
}

QString totalTradesText(const AccountState &account)
{
    return QString::number(account.totalTrades);
}

void ClearPendingOrder(GameState &state)
{
    PendingOrder &order = state.order;
    order.orderSide = OrderSide::None;
    order.orderUnits = 0.0f;
    order.orderPrice = 0.0;
    order.selectedSecurity.reset();
}

} // namespace tarvello
