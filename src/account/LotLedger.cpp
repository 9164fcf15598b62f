#include "account/LotLedger.h"

#include "account/InstrumentRules.h"
#include "common/Formats.h"
#include "common/VbMath.h"

#include <cmath>

namespace tarvello {

namespace {

class Ledger {
public:
    Ledger(GameState &state, Instrument instrument, double price)
        : m_book(state.book(instrument)), m_realized(state.account.realizedPL), m_rules(rulesOf(instrument))
    {
        // The fill price in the precision the instrument books it in; T-Bond's is rounded first.
        m_price = heldPrice(instrument, price);
        if (instrument == Instrument::TBond)
            m_price = vb::roundFormat(m_price, m_rules.ledgerRounding);
    }

    void book(double units)
    {
        const double after = m_book.position;
        const double before = after - units;
        if (units == 0.0)
            return;
        if ((before >= 0.0 && units > 0.0) || (before <= 0.0 && units < 0.0)) {
            append(units, static_cast<float>(rounded(m_price)));
        } else if (before > 0.0 && units < 0.0 && after == 0.0) {
            closeAll();
        } else if (before > 0.0 && units < 0.0 && after > 0.0) {
            closeOldestFirst(-units, true);
        } else if (before > 0.0 && after < 0.0) {
            closeAll();
            openSingleLot(after, static_cast<float>(rounded(m_price)));
        } else if (before < 0.0 && units > 0.0 && after == 0.0) {
            closeAll();
        } else if (before < 0.0 && units > 0.0 && after < 0.0) {
            closeOldestFirst(units, false);
        } else if (before < 0.0 && after > 0.0) {
            closeAll();
            // Turning long keeps the fill price as it is, unrounded.
            openSingleLot(after, static_cast<float>(m_price));
        }
    }

private:
    // The ledger's rounding of a price or a price difference. Four instruments work in Single, so
    // their values are narrowed to a Single first.
    double rounded(double value) const
    {
        if (m_rules.doublePrice)
            return vb::roundFormat(value, m_rules.ledgerRounding);
        return vb::roundFormat(vb::toSingle(value), m_rules.ledgerRounding);
    }

    // The rounded difference between the fill price and a lot's price, in the instrument's precision.
    double difference(double minuend, double subtrahend) const
    {
        if (m_rules.doublePrice)
            return rounded(minuend - subtrahend);
        return rounded(static_cast<double>(vb::toSingle(minuend) - vb::toSingle(subtrahend)));
    }

    PositionLot &lot(int n) { return m_book.lots[static_cast<size_t>(n)]; }

    void append(double units, float price)
    {
        if (m_book.lotCount >= kMaxLots) {
            // The quantity entry refuses the fill that would open a further lot on a full side, so this
            // never happens; should it, the fill joins the newest lot at the average price rather than
            // writing past the table.
            PositionLot &last = lot(m_book.lotCount);
            const double total = last.units + units;
            last.price = static_cast<float>((last.units * last.price + units * price) / total);
            last.units = total;
            return;
        }
        ++m_book.lotCount;
        lot(m_book.lotCount) = {units, price};
    }

    void closeAll()
    {
        for (int n = 1; n <= m_book.lotCount; ++n) {
            PositionLot &open = lot(n);
            m_realized += difference(m_price, open.price) * m_rules.multiplier * open.units;
            open = {};
        }
        m_book.lotCount = 0;
    }

    void openSingleLot(double units, float price)
    {
        m_book.lotCount = 1;
        lot(1) = {units, price};
    }

    // Closes `contracts` contracts of long (or short) lots, oldest first.
    void closeOldestFirst(double contracts, bool longLots)
    {
        double left = contracts;
        bool emptied = false;
        for (int n = 1; n <= m_book.lotCount && left > 0.0; ++n) {
            PositionLot &open = lot(n);
            const double size = std::abs(open.units);
            const double gain = longLots ? difference(m_price, open.price) : difference(open.price, m_price);
            if (left > size) {
                m_realized += gain * m_rules.multiplier * size;
                left -= size;
                open = {};
                emptied = true;
            } else if (left == size) {
                m_realized += gain * m_rules.multiplier * left;
                open.units = 0.0;
                emptied = true;
                left = 0.0;
            } else {
                m_realized += gain * m_rules.multiplier * left;
                open.units += longLots ? -left : left;
                left = 0.0;
            }
        }
        if (emptied)
            compact();
    }

    // Moves the lots after the emptied ones down to slot 1 (RenumberOilArray and its siblings).
    void compact()
    {
        if (lot(1).units != 0.0)
            return;
        int emptied = 0;
        while (emptied < m_book.lotCount && lot(emptied + 1).units == 0.0)
            ++emptied;
        const int count = m_book.lotCount;
        for (int n = emptied + 1; n <= count; ++n)
            lot(n - emptied) = lot(n);
        for (int n = count - emptied + 1; n <= count; ++n)
            lot(n) = {};
        m_book.lotCount = static_cast<int16_t>(count - emptied);
    }

    InstrumentBook &m_book;
    double &m_realized;
    const InstrumentRules &m_rules;
    double m_price = 0.0;
};

} // namespace

void StorePrice(GameState &state, Instrument instrument, float units, double price)
{
    Ledger(state, instrument, price).book(units);
}

} // namespace tarvello
