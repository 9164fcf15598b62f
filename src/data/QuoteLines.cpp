#include "data/QuoteLines.h"

#include "common/Formats.h"
#include "common/VbMath.h"
#include "state/GameState.h"

#include <cmath>

namespace tarvello {

namespace {

constexpr float kFloor32 = 0.05f;
constexpr double kFloor64 = 0.05;

QString dollars(float price)
{
    return QStringLiteral("$") + vb::format(price, u"standard");
}

// "  +0.35", "   -0.35" or "   Unch" after a price, by the sign of the change.
QString changeText(float change, const QString &amount)
{
    if (change > 0)
        return QStringLiteral("  +") + amount;
    if (change < 0)
        return QStringLiteral("   ") + amount;
    return QStringLiteral("   Unch");
}

// Oil, Gold, SP500 and Cattle: the price in dollars and cents and its change since the last period.
QString singleLine(GameState &state, Instrument instrument, float PeriodPriceRecord::*field, bool normalise)
{
    const int t = state.clock.tradeDay;
    PeriodPriceRecord &record = state.market.PeriodPrices[static_cast<size_t>(t)];
    float p = record.*field;
    if (p <= kFloor32) {
        p = kFloor32;
    } else if (normalise) {
        // The price the line shows and the orders fill at is the one its text carries.
        p = static_cast<float>(vb::readBack(vb::str(p)));
    }
    record.*field = p;
    InstrumentBook &book = state.book(instrument);
    book.sellFillPrice = p;
    book.buyFillPrice = p;

    if (t == 1)
        return dollars(p);
    const float change = p - state.market.PeriodPrices[static_cast<size_t>(t - 1)].*field;
    return dollars(p) + changeText(change, vb::format(change, u"Standard"));
}

// A T-Bond amount in points as whole points and 32nds: "101 16/32", or "101" when there are no 32nds.
QString tbondPricePart(double price)
{
    const double whole = vb::Int(price);
    const double thirtySeconds = (price - whole) * 32.0;
    if (thirtySeconds != 0)
        return QStringLiteral("$") + vb::str(whole) + QStringLiteral(" ") + vb::str(thirtySeconds) +
               QStringLiteral("/32");
    return QStringLiteral("$") + vb::str(price);
}

QString tbondChangePart(float d)
{
    const auto text = [](float x) { return vb::str(x); };
    if (d == 0)
        return QStringLiteral("   Unch");
    if (d > 0 && d < 1)
        return QStringLiteral(" +") + text(d * 32.0f) + QStringLiteral("/32");
    if (d < 0 && d > -1)
        return QStringLiteral("  ") + text(d * 32.0f) + QStringLiteral("/32");
    if (d >= 1) {
        const float whole = static_cast<float>(vb::Int(d));
        QString part = QStringLiteral("  +") + text(whole);
        if (whole != d)
            part += QStringLiteral(" ") + text((d - whole) * 32.0f) + QStringLiteral("/32");
        return part;
    }
    const float magnitude = std::fabs(d);
    const float whole = static_cast<float>(vb::Int(magnitude));
    QString part = QStringLiteral("   ") + text(-whole);
    if (whole != magnitude)
        part += QStringLiteral(" ") + text((magnitude - whole) * 32.0f) + QStringLiteral("/32");
    return part;
}

QString tbondLine(GameState &state)
{
    const int t = state.clock.tradeDay;
    PeriodPriceRecord &record = state.market.PeriodPrices[static_cast<size_t>(t)];
    if (record.TBond <= kFloor64)
        record.TBond = kFloor64;
    InstrumentBook &book = state.book(Instrument::TBond);
    book.sellFillPrice = record.TBond;
    book.buyFillPrice = record.TBond;
    // A price of two 32nds or less is no quote: the record keeps the last period's.
    if (static_cast<float>(record.TBond) <= 2.0f / 32.0f)
        record.TBond = state.market.PeriodPrices[static_cast<size_t>(t - 1)].TBond;

    const double price = book.price;
    QString line = tbondPricePart(price);
    if (t != 1)
        line += tbondChangePart(static_cast<float>(price - static_cast<float>(book.previousClose)));
    return line;
}

// Soybean in dollars, cents and quarter cents: "$5.82  1/4", with the change in cents.
QString soybeanLine(GameState &state)
{
    const int t = state.clock.tradeDay;
    PeriodPriceRecord &record = state.market.PeriodPrices[static_cast<size_t>(t)];
    float p = record.Soybean;

    const float cents = p * 100.0f;
    const float wholeCents = static_cast<float>(vb::Int(cents));
    const float whole = static_cast<float>(vb::readBack(vb::format(wholeCents, u"standard")) / 100.0);
    // Three decimals absorb the float noise of a quarter cent.
    const float fraction = cents - wholeCents;
    const double quarters = vb::readBack(vb::format(fraction, u"#.###")) * 100.0;
    QString fractionText;
    if (quarters == 25)
        fractionText = QStringLiteral(" 1/4");
    else if (quarters == 50)
        fractionText = QStringLiteral(" 1/2");
    else if (quarters == 75)
        fractionText = QStringLiteral(" 3/4");
    const QString pricePart = dollars(whole) + QStringLiteral(" ") + fractionText;

    InstrumentBook &book = state.book(Instrument::Soybean);
    if (p <= kFloor32) {
        p = kFloor32;
        book.sellFillPrice = book.buyFillPrice = kFloor32;
    } else {
        p = static_cast<float>(vb::readBack(vb::str(p)));
        book.sellFillPrice = book.buyFillPrice = vb::readBack(vb::str(p));
    }
    record.Soybean = p;

    if (t == 1)
        return pricePart;
    const float previous = state.market.PeriodPrices[static_cast<size_t>(t - 1)].Soybean;
    const float change = p - previous;
    const double centsChange = vb::readBack(vb::format(p * 100.0f, u"standard")) -
                               vb::readBack(vb::format(previous * 100.0f, u"standard"));
    return pricePart + changeText(change, vb::str(centsChange));
}

} // namespace

QString quoteLabelName(Instrument i)
{
    return QStringLiteral("lbl") + QString::fromLatin1(instrumentKey(i)) + QStringLiteral("CurrMark");
}

QuoteLines ShowCurrentMarket(GameState &state)
{
    QuoteLines lines;
    const int t = state.clock.tradeDay;
    if (t == 0) {
        for (Instrument i : kInstrumentOrder)
            lines[i].caption = QString::fromLatin1(kMarketClosed);
        return lines;
    }
    if (t < 0 || t >= kPeriodPriceRecords)
        return lines;

    const bool expert = state.settings.level == Level::Expert;
    lines[Instrument::Oil].caption = singleLine(state, Instrument::Oil, &PeriodPriceRecord::Oil, false);
    lines[Instrument::Gold].caption = singleLine(state, Instrument::Gold, &PeriodPriceRecord::Gold, false);
    if (expert)
        lines[Instrument::TBond].caption = tbondLine(state);
    lines[Instrument::SP500].caption = singleLine(state, Instrument::SP500, &PeriodPriceRecord::SP500, true);
    lines[Instrument::Cattle].caption =
        singleLine(state, Instrument::Cattle, &PeriodPriceRecord::Cattle, true);
    lines[Instrument::Soybean].caption = soybeanLine(state);

    const bool novice = state.settings.level == Level::Novice;
    for (Instrument i : kInstrumentOrder)
        lines[i].visible = !novice || i == Instrument::Oil;
    return lines;
}

QuoteLines ShowLastPrices(const GameState &state, const QString &dayLabelCaption)
{
    QuoteLines lines;
    const auto single = [&state](Instrument i) { return vb::str(static_cast<float>(state.book(i).price)); };
    const auto last = [](const QString &price) {
        return QStringLiteral("$") + price + QStringLiteral(" Last");
    };
    if (state.book(Instrument::Oil).price != 0 && state.clock.tradeDay != 0) {
        lines[Instrument::Oil].caption = last(single(Instrument::Oil));
        if (state.settings.level == Level::Expert) {
            lines[Instrument::Gold].caption = last(single(Instrument::Gold));
            lines[Instrument::SP500].caption = last(single(Instrument::SP500));
            lines[Instrument::TBond].caption = last(vb::str(state.book(Instrument::TBond).price));
            lines[Instrument::Cattle].caption = last(single(Instrument::Cattle));
            lines[Instrument::Soybean].caption = last(single(Instrument::Soybean));
        }
        return lines;
    }
    if (dayLabelCaption.isEmpty())
        for (Instrument i : kInstrumentOrder)
            lines[i].visible = false;
    return lines;
}

} // namespace tarvello
