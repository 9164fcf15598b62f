#include "account/AccountSetup.h"

#include "account/InstrumentRules.h"
#include "account/Margin.h"

namespace tarvello {

void setupAccountForLevel(GameState &state, Level level)
{
    const float capital = level == Level::Novice ? 10000.0f : 100000.0f;
    state.account.startingCapital = capital;
    state.account.accountValue = capital;
    MarginRequirement(state);
}

void resetAccountForNewGame(GameState &state)
{
    for (Instrument i : kAllInstruments) {
        InstrumentBook &book = state.book(i);
        book.position = 0.0f;
        book.lotCount = 0;
        book.positionLimit = rulesOf(i).positionLimit;
        book.transactionLimit = rulesOf(i).transactionLimit;
    }
    AccountState &account = state.account;
    account.realizedPL = 0.0;
    account.unrealizedPL = 0.0;
    account.score = 0.0f;
    account.totalTrades = 0;
    // Each game shows its own commissions in its summary, not those of the earlier games of the run.
    account.totalCommissions = 0.0f;
    account.accountValue = account.startingCapital;

    PendingOrder &order = state.order;
    order.orderUnits = 0.0f;
    order.orderPrice = 0.0;
    order.orderSide = OrderSide::None;
    order.securitySelected = 0;
}

} // namespace tarvello
