#pragma once

#include "common/Instrument.h"
#include "common/VbMath.h"

#include <QString>
#include <QStringView>

#include <array>

namespace tarvello {

// What is fixed per instrument for the account and the orders: the margin a contract ties up (the
// same long and short, at both levels), the dollars one contract makes per point of price, the
// format the lot ledger rounds prices and price differences through, and the limits a new game sets.
struct InstrumentRules {
    float marginPerContract;
    double multiplier;
    QStringView ledgerRounding;
    double positionLimit;    // contracts held, long or short
    double transactionLimit; // contracts in one order
    bool doublePrice;        // the price is kept in Double (T-Bond, Soybean); the others in Single
};

inline const InstrumentRules &rulesOf(Instrument i)
{
    // Indexed by slotOf(Instrument): Cattle, Gold, Oil, SP500, Soybean, TBond.
    static const std::array<InstrumentRules, kInstrumentCount> table = {{
        {540.0f, 400.0, u"currency", 500.0, 1000.0, false},
        {1013.0f, 100.0, u"currency", 400.0, 800.0, false},
        {2025.0f, 1000.0, u"currency", 200.0, 400.0, false},
        {20800.0f, 500.0, u"currency", 25.0, 50.0, false},
        {1485.0f, 5000.0, u"#,##0.#####", 250.0, 500.0, true},
        {2430.0f, 1000.0, u"#,##0.#####", 100.0, 200.0, true},
    }};
    return table[slotOf(i)];
}

// The order the margin-call liquidation visits the instruments in (the screen's order is kInstrumentOrder).
inline constexpr std::array<Instrument, kInstrumentCount> kLiquidationOrder = {
    Instrument::SP500,   Instrument::TBond, Instrument::Oil,
    Instrument::Soybean, Instrument::Gold,  Instrument::Cattle};

// A price as the instrument keeps it: Single for Oil, Gold, SP500 and Cattle, Double for the others.
inline double heldPrice(Instrument i, double price)
{
    return rulesOf(i).doublePrice ? price : static_cast<double>(vb::toSingle(price));
}

// The key the trade record, the notices and the order lines name the instrument by ("TBond").
inline QString keyText(Instrument i)
{
    const auto name = instrumentKey(i);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace tarvello
