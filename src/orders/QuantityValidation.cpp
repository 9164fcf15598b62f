#include "orders/QuantityValidation.h"

#include "account/InstrumentRules.h"
#include "account/Margin.h"
#include "common/Formats.h"
#include "common/VbMath.h"

#include <cmath>

namespace tarvello {

namespace {

constexpr double kLargestEntry = 410000.0;

// The allowance of the pending side (contracts this order may trade) and the largest position the
// margin allows on that side.
struct Allowance {
    float allowance = 0.0f;
    double maxPosition = 0.0;
};

Allowance allowanceFor(GameState &state, Instrument instrument, OrderSide side)
{
    const InstrumentBook &book = state.book(instrument);
    const float position = book.position;
    const float size = std::abs(position);
    const double limit = book.positionLimit;
    const float limitSingle = vb::toSingle(limit);
    Allowance a;
    float &allowance = a.allowance;
    allowance = vb::toSingle(MaxAffordableUnits(state, instrument));
    const bool adds = side == OrderSide::Buy ? position >= 0.0f : position <= 0.0f;
    if (adds) {
        a.maxPosition = static_cast<double>(size) + allowance;
        if (size + allowance >= limitSingle)
            allowance = vb::toSingle(limit - size);
    } else {
        // Closing the open contracts first frees their margin.
        a.maxPosition = static_cast<double>(size) + allowance;
        allowance = 2.0f * size + allowance;
        if (allowance - size >= limitSingle)
            allowance = vb::toSingle(size + limit);
        if (allowance < size)
            allowance = size;
    }
    if (a.maxPosition > limit)
        a.maxPosition = limit;
    if (book.transactionLimit < allowance)
        allowance = vb::toSingle(book.transactionLimit);
    return a;
}

Notice traderNotice(const QString &message)
{
    return Notice{QStringLiteral("Trader Notification"), message, 1};
}

QString contractsText(float allowance)
{
    return vb::format(allowance, u"#,##0") +
           (allowance == 1.0f ? QStringLiteral(" Contract") : QStringLiteral(" Contracts"));
}

// The limit as the notices print it: a plain whole number.
QString limitText(Instrument instrument)
{
    return QString::number(static_cast<qint64>(rulesOf(instrument).positionLimit));
}

QuantityCheck refuse(OrderStage outcome, const QString &message)
{
    return QuantityCheck{outcome, traderNotice(message), 0};
}

QuantityCheck buyRules(Instrument instrument, float position, double limit, const Allowance &a,
                       int32_t quantity)
{
    const QString word = keyText(instrument);
    const double after = static_cast<double>(position) + quantity;
    const QString equity =
        QStringLiteral("Not Enough Account Equity: Maximum Allowed Buy = ") + contractsText(a.allowance);
    const QString atLimit = word + QStringLiteral(" Position Limit is  ") + limitText(instrument) +
                            QStringLiteral("  Contracts:  No More Purchases Allowed");
    if (quantity <= a.allowance && after <= a.maxPosition && after <= limit)
        return QuantityCheck{OrderStage::Accepted, std::nullopt, quantity};
    if (after >= position && after <= 0.0)
        return QuantityCheck{OrderStage::Accepted, std::nullopt, quantity};
    if (position == limit && after > position)
        return refuse(OrderStage::BackToSide, atLimit);
    if (position >= a.maxPosition)
        return refuse(OrderStage::BackToSide,
                      QStringLiteral("Margin Limit Reached:  No More Purchases Allowed"));
    if (after > a.maxPosition && after <= limit)
        return refuse(OrderStage::AskAgain, equity);
    if (after > a.maxPosition && after > limit) {
        if (limit - position <= 0.0)
            return refuse(OrderStage::GiveUp, atLimit);
        return refuse(OrderStage::AskAgain, word + QStringLiteral(" Position Limit is  ") +
                                                limitText(instrument) +
                                                QStringLiteral("  Contracts:  Maximum Allowed Buy = ") +
                                                vb::format(a.allowance, u"#,##0"));
    }
    if (quantity > a.allowance)
        return refuse(OrderStage::AskAgain, equity);
    return QuantityCheck{};
}

QuantityCheck sellRules(Instrument instrument, float position, double limit, const Allowance &a,
                        int32_t quantity)
{
    const QString word = keyText(instrument);
    const double after = static_cast<double>(position) - quantity;
    const QString equity =
        QStringLiteral("Not Enough Account Equity:  Maximum Allowed Sale = ") + contractsText(a.allowance);
    if (quantity <= a.allowance && position >= -a.maxPosition && after >= -limit)
        return QuantityCheck{OrderStage::Accepted, std::nullopt, quantity};
    if (after <= position && after >= 0.0)
        return QuantityCheck{OrderStage::Accepted, std::nullopt, quantity};
    if (position == -limit && after < position) {
        const QString spelled = instrument == Instrument::TBond ? QStringLiteral("Tbond") : word;
        return refuse(OrderStage::BackToSide, spelled + QStringLiteral(" Position Limit is  ") +
                                                  limitText(instrument) +
                                                  QStringLiteral("  Contracts:  No More Sales Allowed"));
    }
    if (position <= -a.maxPosition)
        return refuse(OrderStage::BackToSide, QStringLiteral("Margin Limit Reached:  No More Sales Allowed"));
    if (std::abs(after) > a.maxPosition && std::abs(after) <= limit)
        return refuse(OrderStage::AskAgain, equity);
    if (std::abs(after) > std::abs(limit)) {
        if (position + limit <= 0.0)
            return refuse(OrderStage::GiveUp, word + QStringLiteral(" Position Limit is ") +
                                                  limitText(instrument) +
                                                  QStringLiteral(" Contracts:  No More Sales Allowed"));
        return refuse(OrderStage::AskAgain, word + QStringLiteral(" Position Limit is  ") +
                                                limitText(instrument) +
                                                QStringLiteral("  Contracts:  Maximum Allowed Sale = ") +
                                                vb::format(a.allowance, u"#,##0"));
    }
    if (quantity > a.allowance)
        return refuse(OrderStage::AskAgain, equity);
    return QuantityCheck{};
}

// Reads the typed text as a whole number of contracts, held within +-410,000, a half going to the even
// neighbour. None for text that is not a number.
std::optional<int32_t> readQuantity(QStringView text)
{
    if (!vb::isNumeric(text))
        return std::nullopt;
    const double value = vb::numericValue(text);
    int32_t quantity = 0;
    if (value > kLargestEntry)
        quantity = static_cast<int32_t>(kLargestEntry);
    if (value < -kLargestEntry)
        quantity = -static_cast<int32_t>(kLargestEntry);
    if (std::abs(quantity) <= 400000)
        quantity = vb::CLng(value);
    return quantity;
}

} // namespace

QuantityCheck GetUnits(GameState &state, Instrument instrument, QStringView text)
{
    PendingOrder &order = state.order;
    order.orderStage = OrderStage::BackToSide;
    const OrderSide side = order.orderSide;
    InstrumentBook &book = state.book(instrument);

    std::optional<Allowance> allowance;
    if (side == OrderSide::Buy || side == OrderSide::Sell) {
        allowance = allowanceFor(state, instrument, side);
        book.maxUnits = vb::CInt(allowance->maxPosition);
    }

    if (text.isEmpty())
        return QuantityCheck{};
    const auto quantity = readQuantity(text);
    if (!quantity) {
        order.orderStage = OrderStage::AskAgain;
        return refuse(OrderStage::AskAgain, QStringLiteral("Please Enter Only Numbers"));
    }
    if (*quantity == 0)
        return QuantityCheck{};
    if (*quantity < 0)
        return refuse(OrderStage::BackToSide,
                      QStringLiteral("You cannot transact a negative amount for any commodity"));
    if (!allowance)
        return QuantityCheck{OrderStage::BackToSide, std::nullopt, *quantity};

    QuantityCheck check =
        side == OrderSide::Buy
            ? buyRules(instrument, book.position, book.positionLimit, *allowance, *quantity)
            : sellRules(instrument, book.position, book.positionLimit, *allowance, *quantity);
    order.orderStage = check.outcome;
    if (check.outcome == OrderStage::Accepted)
        order.orderUnits = static_cast<float>(check.quantity);
    return check;
}

} // namespace tarvello
