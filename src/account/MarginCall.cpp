#include "account/MarginCall.h"

#include "account/InstrumentRules.h"
#include "account/Margin.h"
#include "account/ProfitLoss.h"
#include "common/Formats.h"
#include "common/VbMath.h"

#include <cmath>

namespace tarvello {

std::optional<ForcedFill> MandatoryLiquidation(GameState &state, int16_t k)
{
    if (k < 1 || k > kInstrumentCount)
        return std::nullopt;
    const Instrument instrument = kLiquidationOrder[static_cast<size_t>(k - 1)];
    const InstrumentBook &book = state.book(instrument);
    const float position = book.position;
    if (position == 0.0f)
        return std::nullopt;

    AccountState &account = state.account;
    MarginRequirement(state);
    account.marginExcess = static_cast<double>(account.accountValue) - account.marginRequirementTotal;
    if (account.marginExcess >= 0.0)
        return std::nullopt;

    const float rate = rulesOf(instrument).marginPerContract;
    const float size = std::abs(position);
    const double positionMargin = std::abs(static_cast<double>(position) * rate);
    float contracts = size;
    QString prefix;
    if (std::abs(account.marginExcess) < positionMargin) {
        // Contracts the account value carries once the other instruments' margin is covered, rounded
        // up; the rest, plus one, is closed (never more than the position).
        float keep =
            vb::toSingle((account.accountValue - (account.marginRequirementTotal - positionMargin)) / rate);
        keep = static_cast<float>(std::abs(vb::Int(-std::abs(keep))));
        const float close = static_cast<float>(std::abs(vb::Int(size - keep)));
        contracts = close + 1.0f <= size ? close + 1.0f : close;
        prefix = position > 0.0f ? QStringLiteral("Mandatory Sale: ") : QStringLiteral("Mandatory Buy: ");
    } else {
        prefix =
            position > 0.0f ? QStringLiteral("Mandatory Sale: ") : QStringLiteral("Mandatory Purchase: ");
    }
    const bool sale = position > 0.0f;
    const float price = vb::toSingle(sale ? book.sellFillPrice : book.buyFillPrice);
    const QString message = prefix + vb::format(static_cast<double>(contracts), u"#,###") +
                            QStringLiteral(" ") + keyText(instrument) + QStringLiteral(" at $") +
                            vb::str(price);
    return ForcedFill{instrument, sale ? OrderSide::Sell : OrderSide::Buy, sale ? -contracts : contracts,
                      Notice{QStringLiteral("* Margin Call Liquidation *"), message, 2}};
}

bool CheckMarginAndLiquidate(GameState &state, int16_t tradeDay, LiquidationHost &host)
{
    if (state.account.accountValue <= 0.0f) {
        host.blowOutGameOver();
        return false;
    }
    if (tradeDay <= 1)
        return false;
    bool liquidated = false;
    ComputeMarginExcess(state);
    int16_t k = 0;
    do {
        if (state.account.marginExcess < 0.0) {
            ++k;
            if (const auto fill = MandatoryLiquidation(state, k)) {
                host.showNotice(fill->notice);
                PendingOrder &order = state.order;
                order.orderSide = fill->side;
                order.orderUnits = fill->units;
                order.orderKind = OrderKind::MarginCall;
                order.orderStage = OrderStage::Accepted;
                order.selectedSecurity = fill->instrument;
                host.executeOrder();
                liquidated = true;
                state.order.orderKind = OrderKind::Player;
            }
        }
        ComputeMarginExcess(state);
    } while (state.account.marginExcess < 0.0 && k != kInstrumentCount);
    if (state.account.marginExcess >= 0.0)
        host.setTradeStage(TradeStage::ChangePeriod);
    return liquidated;
}

MarginCallCheckResult MarginCallCheck(GameState &state, int16_t tradeDay)
{
    MarginCallCheckResult result;
    if (state.account.accountValue <= 0.0f) {
        result.blowOut = true;
        return result;
    }
    if (tradeDay > 1) {
        ComputeMarginExcess(state);
        if (state.account.marginExcess < 0.0) {
            result.notice = Notice{QStringLiteral("*** Immediately Liquidate Positions ***"),
                                   QStringLiteral("You have a margin call equaling  $") +
                                       vb::format(state.account.marginCallAmount, u"#,###.#0") +
                                       QStringLiteral(" dollars"),
                                   1};
        }
    }
    result.cashMarginText = CountAndRecalcExposure(state);
    return result;
}

} // namespace tarvello
