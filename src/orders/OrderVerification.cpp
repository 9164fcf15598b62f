#include "orders/OrderVerification.h"

#include "account/InstrumentRules.h"
#include "common/Formats.h"
#include "common/VbMath.h"

namespace tarvello {

std::optional<QString> ShowOrderVerification(GameState &state)
{
    PendingOrder &order = state.order;
    const OrderSide side = order.orderSide;
    if (side != OrderSide::Buy && side != OrderSide::Sell)
        return std::nullopt;
    if (!order.selectedSecurity)
        order.selectedSecurity = Instrument::Oil;
    const Instrument instrument = *order.selectedSecurity;
    const InstrumentBook &book = state.book(instrument);
    const double price = side == OrderSide::Buy ? book.buyFillPrice : book.sellFillPrice;

    QString line = QStringLiteral("Is order correct ") + sideText(side) + QStringLiteral(" ") +
                   vb::format(order.orderUnits, u"#,##0") + QStringLiteral(" ") + keyText(instrument);
    if (rulesOf(instrument).doublePrice)
        line += QStringLiteral(" @ $") + vb::str(price);
    else
        line += QStringLiteral(" @ ") + QStringLiteral("$") + vb::format(vb::toSingle(price), u"standard");
    return line;
}

LabelFit orderVerifyFit(int lineWidthTwips)
{
    if (lineWidthTwips < 4100)
        return {4480, 3000};
    return {4660, 2900};
}

} // namespace tarvello
