#include "account/ProfitLoss.h"

#include "account/InstrumentRules.h"
#include "account/Margin.h"
#include "common/Formats.h"
#include "common/VbMath.h"

namespace tarvello {

namespace {

// One lot's worth at the current price. The price difference is rounded before it is multiplied out,
// each instrument in its own way.
double lotValue(Instrument instrument, double price, const PositionLot &lot)
{
    switch (instrument) {
    case Instrument::TBond: {
        const double dollars = vb::roundFormat((price - lot.price) * 1000.0, u"#,###.0##");
        return lot.units * dollars;
    }
    case Instrument::Soybean: {
        const double difference = vb::roundFormat(price - lot.price, u"#,##0.#####");
        return lot.units * (difference * rulesOf(instrument).multiplier);
    }
    default: {
        const float difference = vb::toSingle(price) - lot.price;
        const double rounded = vb::roundFormat(difference, u"standard");
        return lot.units * (rounded * rulesOf(instrument).multiplier);
    }
    }
}

} // namespace

void PLCalc(GameState &state, Instrument instrument)
{
    InstrumentBook &book = state.book(instrument);
    book.unrealizedPL = 0.0;
    if (book.position == 0.0f)
        return;
    const int count = book.lotCount;
    for (int n = 1; n <= count && n <= kMaxLots; ++n)
        book.unrealizedPL += lotValue(instrument, book.price, book.lots[static_cast<size_t>(n)]);
}

void RecalcAccount(GameState &state, Level level)
{
    AccountState &account = state.account;
    account.unrealizedPL = 0.0;
    if (level == Level::Novice) {
        PLCalc(state, Instrument::Oil);
        account.unrealizedPL += state.book(Instrument::Oil).unrealizedPL;
    } else {
        for (Instrument i : kInstrumentOrder) {
            PLCalc(state, i);
            account.unrealizedPL += state.book(i).unrealizedPL;
        }
    }
    account.accountValue = vb::toSingle(static_cast<double>(account.startingCapital) + account.unrealizedPL +
                                        account.realizedPL);
    MarginRequirement(state);
}

QString CountAndRecalcExposure(GameState &state)
{
    MarginRequirement(state);
    const double accountValue = state.account.accountValue;
    if (accountValue > 0.0)
        return vb::format((accountValue - state.account.marginRequirementTotal) / accountValue, u"percent");
    return vb::format(0.0, u"Percent");
}

} // namespace tarvello
