#include "data/TickData.h"
#include "data/GameDataLoad.h"
#include "data/MarketTestSupport.h"
#include "data/TradingCalendar.h"

#include "common/VbDate.h"

#include <QTime>

#include <gtest/gtest.h>

using namespace tarvello;
using namespace tarvello::test;

namespace {

constexpr int kCattle = 1, kGold = 2, kOil = 3, kSP500 = 4, kSoybean = 5, kTBond = 6;

double at(int hour, int minute)
{
    return (hour * 60 + minute) / 1440.0;
}

// A Tick game of one month from 2/1/1996 over the fixture's tick calendar.
GameState loadTickMonth(FixtureDb &fixture)
{
    GameState state;
    describeGame(state, fixture, DataKind::Tick, GameLengthOption::OneMonth, {1996, 2, 1}, {1996, 3, 1});
    RecordingHooks hooks;
    const GameDataLoad load = LoadGameData(state, hooks);
    EXPECT_TRUE(load.ok()) << load.description.toStdString();
    return state;
}

const TickBlock &block(const GameState &state, int day, int id)
{
    return state.market.TickDays.at(static_cast<size_t>(day)).Blocks[static_cast<size_t>(id)];
}

} // namespace

TEST(TickQuotes, ConvertToGamePrices)
{
    EXPECT_DOUBLE_EQ(ConvertTBondQuote(98.16f), 98.5);
    EXPECT_DOUBLE_EQ(ConvertTBondQuote(99.31f), 99.96875);
    EXPECT_DOUBLE_EQ(ConvertTBondQuote(101.0f), 101.0);
    EXPECT_EQ(ConvertSoybeanQuote(580.4f), QStringLiteral("5.805"));
    EXPECT_EQ(ConvertSoybeanQuote(581.2f), QStringLiteral("5.8125"));

    struct Case {
        int id;
        float quote;
        float price;
    };
    const Case cases[] = {
        {kOil, 2.05f, 20.5f},        {kGold, 40.13f, 401.3f},    {kCattle, 7.525f, 75.25f},
        {kSP500, 35.3456f, 353.46f}, {kSoybean, 580.4f, 5.805f}, {kSoybean, 600.0f, 6.0f},
        {kTBond, 98.16f, 98.5f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_FLOAT_EQ(ConvertTickPrice(c.id, c.quote), c.price);
    }
}

TEST(TickArithmetic, DaySlotAndNumberOfAPeriod)
{
    struct Case {
        int16_t n;
        std::optional<float> day;
        std::optional<int16_t> slot;
    };
    const Case cases[] = {
        {1, 0.0f, 1},
        {6, 0.0f, 6},
        {7, 1.0f, 1},
        {12, 1.0f, 6},
        {13, 2.0f, 1},
        {547, 91.0f, 1},
        {0, std::nullopt, std::nullopt},
        {-5, std::nullopt, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(TickDayIndex(c.n), c.day);
        EXPECT_EQ(TickSlot(c.n), c.slot);
        if (c.n > 0)
            EXPECT_EQ(TickNumber(c.n), static_cast<float>(c.n));
        else
            EXPECT_FALSE(TickNumber(c.n).has_value());
    }
}

TEST(TickWindows, ATickCountsForTheFirstSlotWhoseWindowHoldsIt)
{
    struct Case {
        int id;
        int hour, minute;
        int slot;
    };
    const Case cases[] = {
        {kGold, 7, 20, 1},   {kTBond, 7, 20, 1},   {kGold, 7, 50, 1},     {kGold, 7, 51, 0},
        {kOil, 13, 45, 6},   {kGold, 13, 45, 6},   {kSP500, 13, 45, 5},   {kSP500, 15, 15, 6},
        {kSP500, 15, 16, 0}, {kCattle, 11, 50, 4}, {kSoybean, 12, 50, 5}, {kSoybean, 13, 1, 6},
        {kCattle, 8, 59, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2:%3").arg(c.id).arg(c.hour).arg(c.minute).toStdString());
        EXPECT_EQ(MatchingTickSlot(c.id, c.hour * 60 + c.minute), c.slot);
    }
}

TEST(LoadTickData, EarliestTickWinsTheMorningSlotsAndLatestTheAfternoon)
{
    FixtureDb fixture;
    for (int day : {5, 6, 7, 8})
        fixture.addCalendarDay({1996, 2, day});
    const Day monday(1996, 2, 5);
    const struct {
        QTime time;
        double quote;
    } gold[] = {
        {{7, 20}, 40.00},  // the first tick of the load: slot 1
        {{7, 50}, 40.10},  // later in slot 1's window: the earlier one stays
        {{8, 40}, 40.20},  // slot 2
        {{8, 50}, 40.30},  // later in slot 2's window: 08:40 stays
        {{10, 5}, 40.40},  // slot 3 at its reference time
        {{10, 36}, 40.50}, // a minute past slot 3's window: skipped
        {{11, 40}, 40.60}, // slot 4
        {{12, 6}, 40.70},  // slot 5
        {{12, 30}, 40.80}, // later in slot 5's window: it wins
        {{14, 15}, 40.90}, // the last minute of slot 6's window
    };
    for (const auto &tick : gold)
        fixture.addTick(kGold, monday, tick.time, tick.quote);
    // No Gold tick on Tuesday; one on Wednesday, in slot 2's window only; none after it.
    fixture.addTick(kGold, {1996, 2, 7}, QTime(8, 35), 41.00);

    const GameState state = loadTickMonth(fixture);
    ASSERT_EQ(state.market.TickDays.size(), 4u);

    const TickBlock &mon = block(state, 0, kGold);
    const float prices[] = {400.0f, 402.0f, 404.0f, 406.0f, 408.0f, 409.0f};
    const double times[] = {at(7, 20), at(8, 40), at(10, 5), at(11, 40), at(12, 30), at(14, 15)};
    for (int s = 1; s <= 6; ++s) {
        SCOPED_TRACE(s);
        EXPECT_FLOAT_EQ(mon.Slots[s].Price, prices[s - 1]);
        EXPECT_DOUBLE_EQ(mon.Slots[s].Time, times[s - 1]);
    }
    EXPECT_FLOAT_EQ(mon.Open, 400.0f);
    EXPECT_FLOAT_EQ(mon.High, 409.0f);
    EXPECT_FLOAT_EQ(mon.Low, 400.0f);
    EXPECT_FLOAT_EQ(mon.Close, 409.0f);

    // A day without a tick carries the last close in every period.
    const TickBlock &tue = block(state, 1, kGold);
    EXPECT_TRUE(tue.HasData);
    for (int s = 1; s <= 6; ++s)
        EXPECT_FLOAT_EQ(tue.Slots[s].Price, 409.0f);

    // A day's first tick stands in every slot; slots without their own tick keep a sentinel time.
    const TickBlock &wed = block(state, 2, kGold);
    const double wedTimes[] = {at(23, 59), at(8, 35), at(23, 59), at(0, 1), at(0, 1), at(0, 1)};
    for (int s = 1; s <= 6; ++s) {
        SCOPED_TRACE(s);
        EXPECT_FLOAT_EQ(wed.Slots[s].Price, 410.0f);
        EXPECT_DOUBLE_EQ(wed.Slots[s].Time, wedTimes[s - 1]);
    }

    // The days after the last tick take its day's sixth slot.
    const TickBlock &thu = block(state, 3, kGold);
    EXPECT_DOUBLE_EQ(state.market.TickDays[3].Date, Day(1996, 2, 8).serial);
    for (int s = 1; s <= 6; ++s)
        EXPECT_FLOAT_EQ(thu.Slots[s].Price, 410.0f);

    // An instrument without ticks keeps empty blocks.
    EXPECT_FALSE(block(state, 0, kCattle).HasData);
    EXPECT_FLOAT_EQ(block(state, 2, kCattle).Slots[3].Price, 0.0f);
}

TEST(LoadTickData, TicksAfterTheLastCalendarDayAreSkipped)
{
    FixtureDb fixture;
    fixture.addCalendarDay({1996, 2, 5});
    fixture.addCalendarDay({1996, 2, 6});
    fixture.addTick(kOil, {1996, 2, 5}, QTime(8, 45), 2.00);
    fixture.addTick(kOil, {1996, 2, 6}, QTime(9, 40), 2.10);
    // Inside the month but after the calendar's last day: no day record to hold it.
    fixture.addTick(kOil, {1996, 2, 9}, QTime(8, 50), 2.50);
    fixture.addTick(kOil, {1996, 2, 12}, QTime(8, 50), 2.60);

    const GameState state = loadTickMonth(fixture);
    ASSERT_EQ(state.market.TickDays.size(), 2u);
    EXPECT_FLOAT_EQ(block(state, 0, kOil).Slots[1].Price, 20.0f);
    EXPECT_DOUBLE_EQ(state.market.TickDays[1].Date, Day(1996, 2, 6).serial);
    for (int s = 1; s <= 6; ++s)
        EXPECT_FLOAT_EQ(block(state, 1, kOil).Slots[s].Price, 21.0f);
}

TEST(LoadTickData, AQuarterWithMoreDaysThanUsualGetsARecordForEachDay)
{
    // Trading every day of the week: July to September holds 92 days.
    FixtureDb fixture;
    const double start = vb::toSerial(1996, 7, 1);
    const double end = vb::toSerial(1996, 10, 1);
    for (double day = start; day < end; ++day) {
        fixture.addCalendarDay(day);
        fixture.addTick(kOil, day + at(8, 45), 2.0 + (day - start) / 100.0);
    }
    GameState state;
    describeGame(state, fixture, DataKind::Tick, GameLengthOption::OneQuarter, start, end);
    RecordingHooks hooks;
    ASSERT_TRUE(LoadGameData(state, hooks).ok());

    ASSERT_EQ(state.market.TickDays.size(), 92u);
    EXPECT_DOUBLE_EQ(state.market.TickDays[91].Date, vb::toSerial(1996, 9, 30));
    EXPECT_FLOAT_EQ(block(state, 91, kOil).Slots[1].Price, 29.1f);
}
