#include "account/CommissionPreview.h"

#include "common/Formats.h"
#include "state/AccountState.h"

namespace tarvello {

namespace {

constexpr double kCommissionPerTrade = 25.0;

QString dollars(double value)
{
    return QStringLiteral("$") + vb::format(value, u"standard");
}

} // namespace

CommissionPreview previewCommissions(const AccountState &account)
{
    // A wide product: a long game passes 1,310 trades, where a 16-bit one would overflow.
    const double commissions = static_cast<double>(account.totalTrades) * kCommissionPerTrade;
    const double score = account.realizedPL + account.unrealizedPL;
    return {dollars(score - commissions), dollars(commissions), dollars(score)};
}

} // namespace tarvello
