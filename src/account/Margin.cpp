#include "account/Margin.h"

#include "account/InstrumentRules.h"
#include "common/Formats.h"
#include "common/VbMath.h"

#include <cmath>

namespace tarvello {

void MarginRequirement(GameState &state)
{
    double total = 0.0;
    for (Instrument i : kInstrumentOrder)
        total += std::abs(static_cast<double>(state.book(i).position) * rulesOf(i).marginPerContract);
    state.account.marginRequirementTotal = total;
}

void UpdateMarginRoom(GameState &state)
{
    MarginRequirement(state);
}

double MaxAffordableUnits(GameState &state, Instrument instrument)
{
    const double accountValue = state.account.accountValue;
    if (accountValue <= 0.0)
        return 0.0;
    MarginRequirement(state);
    const double free = accountValue - state.account.marginRequirementTotal;
    return vb::Int(free / rulesOf(instrument).marginPerContract);
}

void ComputeMarginExcess(GameState &state)
{
    AccountState &account = state.account;
    account.marginExcess = 0.0;
    account.marginCallAmount = 0.0;
    MarginRequirement(state);
    const double counted = account.accountValue > 0.0f ? account.marginRequirementTotal : 0.0;
    account.marginExcess = vb::roundFormat(static_cast<double>(account.accountValue) - counted, u"#,###.#0");
    if (account.marginExcess < 0.0)
        account.marginCallAmount = std::abs(account.marginExcess);
}

} // namespace tarvello
