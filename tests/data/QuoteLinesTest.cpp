#include "data/QuoteLines.h"
#include "data/MarketTestSupport.h"

#include <gtest/gtest.h>

using namespace tarvello;
using namespace tarvello::test;

namespace {

// An Expert game in period `t`; the test fills the records of t - 1 and t.
GameState inPeriod(int16_t t, Level level = Level::Expert)
{
    GameState state;
    state.settings.level = level;
    state.settings.dataType = DataKind::Daily;
    state.clock.tradeDay = t;
    return state;
}

QString caption(const QuoteLines &lines, Instrument i)
{
    return lines[i].caption.value_or(QStringLiteral("<none>"));
}

} // namespace

TEST(QuoteLines, DollarLinesShowThePriceAndItsChange)
{
    struct Case {
        int16_t t;
        float previous, current;
        const char *line;
        float stored; // the record and both fill prices afterwards
    };
    const Case cases[] = {
        {1, 0.0f, 20.5f, "$20.50", 20.5f},
        {2, 20.5f, 20.15f, "$20.15   -0.35", 20.15f},
        {2, 20.15f, 20.5f, "$20.50  +0.35", 20.5f},
        {2, 20.5f, 20.5f, "$20.50   Unch", 20.5f},
        {2, 1000.0f, 1234.5f, "$1,234.50  +234.50", 1234.5f},
        {2, 20.0f, 0.0f, "$0.05   -19.95", 0.05f},
        {2, 0.05f, -3.0f, "$0.05   Unch", 0.05f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        GameState state = inPeriod(c.t);
        state.market.PeriodPrices[c.t - 1].Oil = c.previous;
        state.market.PeriodPrices[c.t].Oil = c.current;
        const QuoteLines lines = ShowCurrentMarket(state);
        EXPECT_EQ(caption(lines, Instrument::Oil), QString::fromLatin1(c.line));
        EXPECT_FLOAT_EQ(state.market.PeriodPrices[c.t].Oil, c.stored);
        EXPECT_DOUBLE_EQ(state.book(Instrument::Oil).sellFillPrice, static_cast<double>(c.stored));
        EXPECT_DOUBLE_EQ(state.book(Instrument::Oil).buyFillPrice, static_cast<double>(c.stored));
    }
}

TEST(QuoteLines, SP500AndCattleKeepTheSevenDigitsTheirTextShows)
{
    GameState state = inPeriod(1);
    state.market.PeriodPrices[1].SP500 = 1234.5678f;
    state.market.PeriodPrices[1].Cattle = 75.123456f;
    const QuoteLines lines = ShowCurrentMarket(state);
    EXPECT_EQ(caption(lines, Instrument::SP500), QStringLiteral("$1,234.57"));
    EXPECT_FLOAT_EQ(state.market.PeriodPrices[1].SP500, 1234.568f);
    EXPECT_DOUBLE_EQ(state.book(Instrument::SP500).buyFillPrice, static_cast<double>(1234.568f));
    EXPECT_FLOAT_EQ(state.market.PeriodPrices[1].Cattle, 75.12346f);
}

TEST(QuoteLines, TBondLinesCountIn32nds)
{
    struct Case {
        int16_t t;
        double price;
        float previousClose;
        const char *line;
    };
    const Case cases[] = {
        {1, 101.5, 0.0f, "$101 16/32"},
        {2, 101.5, 100.25f, "$101 16/32  +1 8/32"},
        {2, 99.75, 101.0f, "$99 24/32   -1 8/32"},
        {2, 101.0, 100.0f, "$101  +1"},
        {2, 99.0, 101.0f, "$99   -2"},
        {2, 100.0, 100.03125f, "$100  -1/32"},
        {2, 100.15625, 100.0f, "$100 5/32 +5/32"},
        {2, 100.0, 100.0f, "$100   Unch"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        GameState state = inPeriod(c.t);
        state.market.PeriodPrices[c.t].TBond = c.price;
        state.book(Instrument::TBond).price = c.price;
        state.book(Instrument::TBond).previousClose = c.previousClose;
        const QuoteLines lines = ShowCurrentMarket(state);
        EXPECT_EQ(caption(lines, Instrument::TBond), QString::fromLatin1(c.line));
        EXPECT_DOUBLE_EQ(state.book(Instrument::TBond).buyFillPrice, c.price);
    }
}

TEST(QuoteLines, ATBondPriceOfTwo32ndsOrLessKeepsTheLastRecord)
{
    GameState state = inPeriod(3);
    state.market.PeriodPrices[2].TBond = 101.0;
    state.market.PeriodPrices[3].TBond = 0.0;
    ShowCurrentMarket(state);
    EXPECT_DOUBLE_EQ(state.market.PeriodPrices[3].TBond, 101.0);
    EXPECT_DOUBLE_EQ(state.book(Instrument::TBond).sellFillPrice, 0.05);

    state.market.PeriodPrices[3].TBond = 0.06;
    ShowCurrentMarket(state);
    EXPECT_DOUBLE_EQ(state.market.PeriodPrices[3].TBond, 101.0);
    EXPECT_DOUBLE_EQ(state.book(Instrument::TBond).sellFillPrice, 0.06);
}

TEST(QuoteLines, SoybeanLinesShowQuarterCentsAndTheChangeInCents)
{
    struct Case {
        int16_t t;
        float previous, current;
        const char *line;
        double fill;
    };
    const Case cases[] = {
        {1, 0.0f, 5.8225f, "$5.82  1/4", 5.8225},
        {1, 0.0f, 5.825f, "$5.82  1/2", 5.825},
        {1, 0.0f, 5.8275f, "$5.82  3/4", 5.8275},
        {1, 0.0f, 5.821f, "$5.82 ", 5.821},
        {1, 0.0f, 1234.5f, "$1,234.50 ", 1234.5},
        {2, 5.815f, 5.8225f, "$5.82  1/4  +0.75", 5.8225},
        {2, 5.8225f, 5.815f, "$5.81  1/2   -0.75", 5.815},
        {2, 5.82f, 5.82f, "$5.82    Unch", 5.82},
        // The price part comes from the price before the floor; the fill is at the floor.
        {2, 5.82f, 0.0f, "$0.00    -577", static_cast<double>(0.05f)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        GameState state = inPeriod(c.t);
        state.market.PeriodPrices[c.t - 1].Soybean = c.previous;
        state.market.PeriodPrices[c.t].Soybean = c.current;
        const QuoteLines lines = ShowCurrentMarket(state);
        EXPECT_EQ(caption(lines, Instrument::Soybean), QString::fromLatin1(c.line));
        EXPECT_DOUBLE_EQ(state.book(Instrument::Soybean).sellFillPrice, c.fill);
        EXPECT_DOUBLE_EQ(state.book(Instrument::Soybean).buyFillPrice, c.fill);
    }
}

TEST(QuoteLines, BeforeTheFirstPeriodTheMarketIsClosedAtEitherLevel)
{
    for (Level level : {Level::Novice, Level::Expert}) {
        GameState state = inPeriod(0, level);
        state.market.PeriodPrices[0].Oil = 20.0f;
        state.book(Instrument::Oil).buyFillPrice = 9.0;
        const QuoteLines lines = ShowCurrentMarket(state);
        for (Instrument i : kInstrumentOrder) {
            EXPECT_EQ(caption(lines, i), QString::fromLatin1(kMarketClosed));
            EXPECT_FALSE(lines[i].visible.has_value());
        }
        EXPECT_DOUBLE_EQ(state.book(Instrument::Oil).buyFillPrice, 9.0);
    }
}

TEST(QuoteLines, ANoviceSeesOilOnlyWhileTheOtherLinesAreWrittenBehind)
{
    GameState state = inPeriod(2, Level::Novice);
    state.market.PeriodPrices[2].Oil = 20.5f;
    state.market.PeriodPrices[2].Gold = 401.3f;
    const QuoteLines lines = ShowCurrentMarket(state);
    for (Instrument i : kInstrumentOrder)
        EXPECT_EQ(lines[i].visible, i == Instrument::Oil) << instrumentKey(i).data();
    EXPECT_EQ(caption(lines, Instrument::Gold), QStringLiteral("$401.30  +401.30"));
    EXPECT_FALSE(lines[Instrument::TBond].caption.has_value());

    GameState expert = inPeriod(2);
    const QuoteLines all = ShowCurrentMarket(expert);
    for (Instrument i : kInstrumentOrder)
        EXPECT_EQ(all[i].visible, true);
    EXPECT_EQ(quoteLabelName(Instrument::SP500), QStringLiteral("lblSP500CurrMark"));
}

TEST(QuoteLines, LastPricesEndTheGameInPlainNumbers)
{
    GameState state = inPeriod(5);
    const std::pair<Instrument, double> prices[] = {
        {Instrument::Oil, 20.5f},       {Instrument::Gold, 401.3f},   {Instrument::SP500, 353.45f},
        {Instrument::TBond, 100.15625}, {Instrument::Cattle, 75.25f}, {Instrument::Soybean, 5.8225f},
    };
    for (const auto &[i, price] : prices)
        state.book(i).price = price;

    const QuoteLines expert = ShowLastPrices(state, QStringLiteral("Friday"));
    const char *lines[] = {"$20.5 Last",      "$401.3 Last", "$353.45 Last",
                           "$100.15625 Last", "$75.25 Last", "$5.8225 Last"};
    for (size_t k = 0; k < std::size(prices); ++k) {
        EXPECT_EQ(caption(expert, prices[k].first), QString::fromLatin1(lines[k]));
        EXPECT_FALSE(expert[prices[k].first].visible.has_value());
    }

    state.settings.level = Level::Novice;
    const QuoteLines novice = ShowLastPrices(state, QStringLiteral("Friday"));
    EXPECT_EQ(caption(novice, Instrument::Oil), QStringLiteral("$20.5 Last"));
    EXPECT_FALSE(novice[Instrument::Gold].caption.has_value());

    // No price yet: the labels are hidden only while the day label is empty.
    state.book(Instrument::Oil).price = 0.0;
    const QuoteLines hidden = ShowLastPrices(state, QString());
    const QuoteLines untouched = ShowLastPrices(state, QStringLiteral("Monday"));
    for (Instrument i : kInstrumentOrder) {
        EXPECT_EQ(hidden[i], (QuoteLabelUpdate{std::nullopt, false}));
        EXPECT_EQ(untouched[i], QuoteLabelUpdate{});
    }
}
