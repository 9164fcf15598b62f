#include "common/VbDate.h"
#include "flow/PeriodAdvance.h"

#include <gtest/gtest.h>

namespace tarvello::test {
namespace {

using vb::toSerial;

TEST(PeriodArithmetic, EndDatesByLength)
{
    const double start = toSerial(1997, 1, 31);
    const struct {
        GameLengthOption length;
        bool yearCounts;
        std::optional<double> end;
    } cases[] = {
        {GameLengthOption::OneMonth, true, toSerial(1997, 2, 28)}, // clipped to the month's length
        {GameLengthOption::OneQuarter, true, toSerial(1997, 4, 30)},
        {GameLengthOption::OneYear, true, toSerial(1998, 1, 31)},
        {GameLengthOption::OneMonth, false, toSerial(1997, 2, 28)},
        {GameLengthOption::OneQuarter, false, toSerial(1997, 4, 30)},
        {GameLengthOption::OneYear, false, std::nullopt},
        {GameLengthOption::None, true, std::nullopt}, // no length: the end date stays as it was
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.length) * 10 + c.yearCounts);
        EXPECT_EQ(lengthEndDate(start, c.length, c.yearCounts), c.end);
    }
}

TEST(PeriodArithmetic, TickGameLengthsAndDays)
{
    EXPECT_EQ(tickGameLength(20), 121);
    EXPECT_EQ(tickLastPeriod(20), 120);
    EXPECT_EQ(tickGameLength(0), 1);
    const struct {
        int16_t tradeDay, dayIndex;
    } days[] = {{-3, 0}, {0, 0}, {1, 0}, {6, 0}, {7, 1}, {120, 19}, {121, 20}};
    for (const auto &d : days)
        EXPECT_EQ(tickDayIndexOf(d.tradeDay), d.dayIndex) << d.tradeDay;
}

TEST(PeriodArithmetic, TheFinalDayNotice)
{
    const struct {
        DataKind kind;
        int16_t tradeDay, gameLength;
        bool due;
    } cases[] = {
        // A Tick game of 20 days (121 periods): period 115 is the first trading time of the last day.
        {DataKind::Tick, 114, 121, true},  {DataKind::Tick, 113, 121, false},
        {DataKind::Tick, 115, 121, false}, {DataKind::Daily, 28, 30, true},
        {DataKind::Daily, 27, 30, false},  {DataKind::Daily, 29, 30, false},
        {DataKind::None, 28, 30, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(finalDayNoticeDue(c.kind, c.tradeDay, c.gameLength), c.due)
            << static_cast<int>(c.kind) << " " << c.tradeDay;
}

TEST(PeriodArithmetic, TheFinalPeriodKeepsADailyClockOnItsPeriod)
{
    EXPECT_EQ(finalPeriodTradeDay(DataKind::Tick, 121, 20), 120);
    // A Daily game of 250 trading days that reached a final period of 30 stays at 30, not 1,500.
    EXPECT_EQ(finalPeriodTradeDay(DataKind::Daily, 30, 250), 30);
}

TEST(PeriodArithmetic, EndDateReached)
{
    const double end = toSerial(1991, 2, 1);
    EXPECT_TRUE(endDateReached(end, end));
    EXPECT_TRUE(endDateReached(end + 3, end));
    EXPECT_FALSE(endDateReached(end - 1, end));
    EXPECT_FALSE(endDateReached(std::nullopt, end));
}

void setPrices(GameState &state, double oil, double gold, double tbond, double sp500, double cattle,
               double soybean)
{
    state.book(Instrument::Oil).price = oil;
    state.book(Instrument::Gold).price = gold;
    state.book(Instrument::TBond).price = tbond;
    state.book(Instrument::SP500).price = sp500;
    state.book(Instrument::Cattle).price = cattle;
    state.book(Instrument::Soybean).price = soybean;
}

TEST(HandOverPrices, ThePricesBecomeThePreviousCloses)
{
    GameState state;
    state.clock.tradeDay = 4;
    setPrices(state, 18.25, 385.2, 110.15625, 455.6, 64.5, 6.1225);
    HandOverPrices(state);
    EXPECT_EQ(state.book(Instrument::Oil).previousClose, 18.25);
    EXPECT_EQ(state.book(Instrument::Gold).previousClose, 385.2f);
    EXPECT_EQ(state.book(Instrument::TBond).previousClose, 110.15625);
    EXPECT_EQ(state.book(Instrument::SP500).previousClose, 455.6f);
    EXPECT_EQ(state.book(Instrument::Cattle).previousClose, 64.5);
    // Kept as a Single, as every previous close is.
    EXPECT_EQ(state.book(Instrument::Soybean).previousClose, 6.1225f);
    for (const InstrumentBook &book : state.books)
        EXPECT_EQ(book.price, 0.0);
}

TEST(HandOverPrices, BeforeTheFirstPeriodTheyComeFromPeriodZero)
{
    GameState state;
    setPrices(state, 1, 2, 3, 4, 5, 6);
    PeriodPriceRecord &zero = state.market.PeriodPrices[0];
    zero.Oil = 18.5f;
    zero.Gold = 380.0f;
    zero.TBond = 98.123456789; // narrowed to a Single
    zero.SP500 = 450.25f;
    zero.Cattle = 70.0f;
    zero.Soybean = 6.0f;
    HandOverPrices(state);
    EXPECT_EQ(state.book(Instrument::Oil).previousClose, 18.5);
    EXPECT_EQ(state.book(Instrument::Gold).previousClose, 380.0);
    EXPECT_EQ(state.book(Instrument::TBond).previousClose, static_cast<double>(98.123456789f));
    EXPECT_EQ(state.book(Instrument::SP500).previousClose, 450.25);
    EXPECT_EQ(state.book(Instrument::Cattle).previousClose, 70.0);
    EXPECT_EQ(state.book(Instrument::Soybean).previousClose, 6.0);
    for (const InstrumentBook &book : state.books)
        EXPECT_EQ(book.price, 0.0);
}

TEST(TakePeriodPrices, FromThePeriodsRecord)
{
    GameState state;
    state.clock.tradeDay = 3;
    PeriodPriceRecord &record = state.market.PeriodPrices[3];
    record.Oil = 18.5f;
    record.TBond = 98.123456789;
    record.Soybean = 6.1225f;
    TakePeriodPrices(state);
    EXPECT_EQ(state.book(Instrument::Oil).price, 18.5);
    EXPECT_EQ(state.book(Instrument::TBond).price, 98.123456789); // T-Bond keeps its double
    EXPECT_EQ(state.book(Instrument::Soybean).price, 6.1225f);
    // A period outside the records changes nothing.
    state.clock.tradeDay = kPeriodPriceRecords;
    TakePeriodPrices(state);
    EXPECT_EQ(state.book(Instrument::Oil).price, 18.5);
}

} // namespace
} // namespace tarvello::test
