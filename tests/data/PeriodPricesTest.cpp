#include "data/PeriodPrices.h"
#include "data/MarketTestSupport.h"
#include "data/TradingCalendar.h"
#include "flow/PeriodAdvance.h"

#include "common/Services.h"
#include "common/VbDate.h"

#include <gtest/gtest.h>

using namespace tarvello;
using namespace tarvello::test;

namespace {

class CountingRandom : public RandomSource {
public:
    int reseeds = 0;
    void randomize() override { ++reseeds; }
    void seed(uint32_t) override {}
    float rnd() override { return 0.5f; }
};

// The daily closes of one day per instrument, in CommodityID order (Cattle, Gold, Oil, SP500, Soybean
// in cents, TBond).
using Closes = std::array<float, kInstrumentCount>;

// A Daily game standing in period 1: the calendar has stepped once and every series' cursor with it.
GameState dailyAtPeriodOne(Level level, const Closes &firstDay)
{
    GameState state;
    state.settings.level = level;
    state.settings.dataType = DataKind::Daily;
    state.settings.gameLength = 365;
    TradingCalendar &calendar = state.market.GameCalendar;
    calendar.Days = {vb::toSerial(1990, 1, 2), vb::toSerial(1990, 1, 3)};
    calendar.Count = 2;
    for (Instrument i : kAllInstruments) {
        PriceSeries &series = state.market.series(i);
        series.Rows.assign(2, DailyRow{});
        series.Rows[0].Date = calendar.Days[0];
        series.Rows[0].Close = firstDay[slotOf(i)];
        series.Rows[1].Date = calendar.Days[1];
        series.Rows[1].Close = 1.0f;
        series.RowCount = 2;
    }
    calendar.Position = 1;
    for (Instrument i : kAllInstruments)
        state.market.series(i).Cursor = 1;
    state.clock.tradeDay = 1;
    return state;
}

// A Tick game whose tick day `day` holds `price(id)` in `slot` for every instrument.
GameState tickGame(int day, int slot, const Closes &prices)
{
    GameState state;
    state.settings.dataType = DataKind::Tick;
    state.settings.gameLength = 121;
    state.market.TickDays.assign(static_cast<size_t>(day + 1), TickDay{});
    for (int id = 1; id <= kInstrumentCount; ++id)
        state.market.TickDays[static_cast<size_t>(day)].Blocks[static_cast<size_t>(id)].Slots[slot].Price =
            prices[static_cast<size_t>(id - 1)];
    return state;
}

const Closes kCloses = {75.125f, 401.305f, 20.456f, 353.456f, 612.25f, 100.15625f};

} // namespace

TEST(DailyPeriodPrices, ANoviceGamePricesOilOnly)
{
    GameState state = dailyAtPeriodOne(Level::Novice, kCloses);
    state.market.PeriodPrices[1].Gold = 123.0f;
    state.book(Instrument::Gold).price = 123.0;
    RecordingHooks hooks;
    LoadPeriodPrices(state, hooks);

    EXPECT_FLOAT_EQ(state.market.PeriodPrices[1].Oil, 20.46f);
    EXPECT_DOUBLE_EQ(state.book(Instrument::Oil).price, static_cast<double>(20.46f));
    EXPECT_DOUBLE_EQ(state.book(Instrument::Oil).previousClose, static_cast<double>(20.456f));
    EXPECT_FLOAT_EQ(state.market.PeriodPrices[1].Gold, 123.0f);
    EXPECT_DOUBLE_EQ(state.book(Instrument::Gold).price, 123.0);
    EXPECT_EQ(hooks.stockLimitCalls, 1);
    ASSERT_TRUE(hooks.quotes.has_value());
    EXPECT_EQ((*hooks.quotes)[Instrument::Oil].caption, QStringLiteral("$20.46"));
}

TEST(DailyPeriodPrices, DollarPricesAreRoundedToCentsSoybeanToFourDecimalsTBondNot)
{
    GameState state = dailyAtPeriodOne(Level::Expert, kCloses);
    RecordingHooks hooks;
    LoadPeriodPrices(state, hooks);
    const PeriodPriceRecord &record = state.market.PeriodPrices[1];

    struct Case {
        Instrument instrument;
        double stored;   // in the record and the current price
        double previous; // the previous close set at period 1
    };
    const Case cases[] = {
        {Instrument::Oil, 20.46f, 20.456f},        {Instrument::Gold, 401.31f, 401.31f},
        {Instrument::SP500, 353.46f, 353.46f},     {Instrument::Cattle, 75.13f, 75.13f},
        {Instrument::TBond, 100.15625, 100.15625}, {Instrument::Soybean, 6.1225f, 6.12f},
    };
    const double recorded[] = {record.Oil,    record.Gold,  record.SP500,
                               record.Cattle, record.TBond, record.Soybean};
    for (size_t k = 0; k < std::size(cases); ++k) {
        const Case &c = cases[k];
        SCOPED_TRACE(instrumentKey(c.instrument).data());
        EXPECT_DOUBLE_EQ(recorded[k], c.stored);
        EXPECT_DOUBLE_EQ(state.book(c.instrument).price, c.stored);
        EXPECT_DOUBLE_EQ(state.book(c.instrument).previousClose, c.previous);
    }
}

TEST(DailyPeriodPrices, PeriodZeroRightAfterALoadReadsTheFirstRows)
{
    GameState state = dailyAtPeriodOne(Level::Expert, kCloses);
    state.market.GameCalendar.Position = 0;
    for (Instrument i : kAllInstruments)
        state.market.series(i).Cursor = 0;
    state.clock.tradeDay = 0;
    RecordingHooks hooks;
    LoadPeriodPrices(state, hooks);

    const PeriodPriceRecord &record = state.market.PeriodPrices[0];
    EXPECT_FLOAT_EQ(record.Oil, 0.0f);
    EXPECT_FLOAT_EQ(record.Gold, 401.31f);
    EXPECT_DOUBLE_EQ(record.TBond, 100.15625);
    EXPECT_FLOAT_EQ(record.Soybean, 6.1225f);
    ASSERT_TRUE(hooks.quotes.has_value());
    EXPECT_EQ((*hooks.quotes)[Instrument::Gold].caption, QString::fromLatin1(kMarketClosed));
}

TEST(TickPeriodPrices, TheSlotOfThePeriodIsPricedTBondToFiveDecimals)
{
    // Period 8 is the second slot of the second trading day.
    const Closes ticks = {75.25f, 401.3f, 20.456f, 353.45f, 5.80625f, 98.1234567f};
    GameState state = tickGame(1, 2, ticks);
    state.clock.tradeDay = 8;
    RecordingHooks hooks;
    LoadPeriodPrices(state, hooks);

    const PeriodPriceRecord &record = state.market.PeriodPrices[8];
    EXPECT_FLOAT_EQ(record.Oil, 20.46f);
    EXPECT_FLOAT_EQ(record.Gold, 401.3f);
    EXPECT_DOUBLE_EQ(record.TBond, static_cast<double>(98.12346f));
    EXPECT_FLOAT_EQ(record.Soybean, 5.8063f);
    EXPECT_DOUBLE_EQ(state.book(Instrument::Soybean).price, static_cast<double>(5.8063f));
    // The previous closes are only set in the first period.
    EXPECT_DOUBLE_EQ(state.book(Instrument::Oil).previousClose, 0.0);

    GameState first = tickGame(0, 1, ticks);
    first.clock.tradeDay = 1;
    LoadPeriodPrices(first, hooks);
    EXPECT_DOUBLE_EQ(first.book(Instrument::Oil).previousClose, static_cast<double>(20.456f));
    EXPECT_DOUBLE_EQ(first.book(Instrument::TBond).previousClose, static_cast<double>(98.12346f));
    EXPECT_DOUBLE_EQ(first.book(Instrument::Soybean).previousClose, static_cast<double>(5.81f));
}

TEST(TickPeriodPrices, WholeThirtySecondsStayExactAndChangeByWholeThirtySeconds)
{
    // 115 11/32 = 115.34375 has eight significant digits: rounding it to seven on the way to five
    // decimals would store 115.3438 and put noise into the next period's change.
    Closes ticks = kCloses;
    ticks[5] = 115.34375f;
    GameState state = tickGame(0, 1, ticks);
    state.settings.level = Level::Expert;
    auto &tbondSlots =
        state.market.TickDays[0].Blocks[static_cast<size_t>(commodityId(Instrument::TBond))].Slots;
    tbondSlots[2].Price = 115.3125f;
    RecordingHooks hooks;

    state.clock.tradeDay = 1;
    LoadPeriodPrices(state, hooks);
    EXPECT_DOUBLE_EQ(state.market.PeriodPrices[1].TBond, 115.34375);
    EXPECT_DOUBLE_EQ(state.book(Instrument::TBond).previousClose, 115.34375);
    ASSERT_TRUE(hooks.quotes.has_value());
    EXPECT_EQ((*hooks.quotes)[Instrument::TBond].caption, QStringLiteral("$115 11/32"));

    HandOverPrices(state);
    state.clock.tradeDay = 2;
    LoadPeriodPrices(state, hooks);
    EXPECT_EQ((*hooks.quotes)[Instrument::TBond].caption, QStringLiteral("$115 10/32  -1/32"));
}

TEST(TickPeriodPrices, BeforeTheFirstPeriodOnlyTheQuoteLinesAreRewritten)
{
    GameState state = tickGame(0, 1, kCloses);
    state.market.PeriodPrices[0].Oil = 7.0f;
    RecordingHooks hooks;
    LoadPeriodPrices(state, hooks);
    EXPECT_FLOAT_EQ(state.market.PeriodPrices[0].Oil, 7.0f);
    EXPECT_EQ(hooks.stockLimitCalls, 0);
    ASSERT_TRUE(hooks.quotes.has_value());
    for (Instrument i : kInstrumentOrder)
        EXPECT_EQ((*hooks.quotes)[i].caption, QString::fromLatin1(kMarketClosed));

    // A period whose trading day was never loaded is not priced: its record keeps only the floor the
    // quote line puts on it.
    state.clock.tradeDay = 13;
    LoadPeriodPrices(state, hooks);
    EXPECT_FLOAT_EQ(state.market.PeriodPrices[13].Oil, 0.05f);
    EXPECT_EQ((*hooks.quotes)[Instrument::Oil].caption, QStringLiteral("$0.05  +0.05"));
}

TEST(UpdateMarketForPeriod, LoadsPricesOnlyForPeriodsOfTheGame)
{
    struct Case {
        int16_t tradeDay;
        bool loads;
    };
    const Case cases[] = {{0, false}, {1, true}, {365, true}, {366, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tradeDay);
        GameState state = dailyAtPeriodOne(Level::Expert, kCloses);
        state.clock.tradeDay = c.tradeDay;
        RecordingHooks hooks;
        CountingRandom random;
        UpdateMarketForPeriod(state, hooks, random);
        EXPECT_EQ(random.reseeds, c.loads ? 1 : 0);
        EXPECT_EQ(hooks.stockLimitCalls, c.loads ? 1 : 0);
        EXPECT_EQ(hooks.exposureCounts, 1);
    }
}
