#include "orders/MaximumUnits.h"

#include "account/Margin.h"
#include "common/VbMath.h"

#include <algorithm>
#include <cmath>

namespace tarvello {

QString maximumDisplayCaption(MaximumDisplay display)
{
    return display == MaximumDisplay::Positions ? QStringLiteral("Maximum Position:")
                                                : QStringLiteral("Maximum Transaction:");
}

std::optional<QString> ShowMaximumUnits(GameState &state, MaximumDisplay display)
{
    const PendingOrder &order = state.order;
    const Instrument instrument = order.instrument();
    if (state.account.accountValue <= 0.0f)
        return QStringLiteral("0");
    if (order.orderSide != OrderSide::Buy && order.orderSide != OrderSide::Sell)
        return std::nullopt;

    const InstrumentBook &book = state.book(instrument);
    const double affordable = MaxAffordableUnits(state, instrument);
    const double size = std::abs(book.position);
    const float limit = vb::toSingle(book.positionLimit);
    const bool adds = order.orderSide == OrderSide::Buy ? book.position >= 0.0f : book.position <= 0.0f;
    double allowed = 0.0;
    if (adds) {
        allowed = affordable;
        if (vb::toSingle(allowed + size) >= limit)
            allowed = book.positionLimit - size;
    } else {
        // Closing the open contracts first frees their margin; the whole position can always be closed.
        allowed = 2.0 * size + affordable;
        if (vb::toSingle(allowed - size) >= limit)
            allowed = size + book.positionLimit;
        if (allowed < size)
            allowed = size;
    }
    if (allowed > book.transactionLimit)
        allowed = book.transactionLimit;
    const int16_t shown = vb::CInt(std::max(allowed, 0.0));
    const int32_t figure =
        display == MaximumDisplay::Positions ? std::abs(shown - static_cast<int32_t>(size)) : shown;
    return QString::number(figure);
}

} // namespace tarvello
