#include "data/TradingCalendar.h"
#include "data/GameDataLoad.h"
#include "data/MarketTestSupport.h"

#include "common/VbDate.h"

#include <gtest/gtest.h>

using namespace tarvello;
using namespace tarvello::test;

namespace {

// What the period advance does to the market data in one click of a Daily game.
void forwardDaily(GameState &state, MarketHooks &hooks)
{
    state.clock.endOfCalendar = false;
    AdvanceCalendarDay(state.market.GameCalendar, state.clock);
    AdvanceAllSeries(state.market, state.settings, hooks);
    ++state.clock.tradeDay;
}

void setCalendar(TradingCalendar &calendar, const std::vector<double> &days)
{
    calendar.Days = days;
    calendar.Count = static_cast<int16_t>(days.size());
    calendar.Position = 0;
}

void setCloses(PriceSeries &series, const std::vector<std::pair<double, float>> &rows)
{
    series.Rows.clear();
    for (const auto &[date, close] : rows) {
        DailyRow row;
        row.Date = date;
        row.Close = close;
        series.Rows.push_back(row);
    }
    series.RowCount = static_cast<int16_t>(rows.size());
    series.Cursor = 0;
}

std::vector<double> januaryDays(int first, int count)
{
    std::vector<double> days;
    for (int d = first; d < first + count; ++d)
        days.push_back(vb::toSerial(1990, 1, d));
    return days;
}

} // namespace

TEST(DailyCalendar, AYearStepsDayByDayToTheEndOfTheCalendar)
{
    FixtureDb fixture;
    for (int day = 2; day <= 5; ++day)
        for (int id = 1; id <= kInstrumentCount; ++id)
            fixture.addDailyClose(id, {1990, 1, day}, 10.0 * id + day);
    GameState state;
    describeGame(state, fixture, DataKind::Daily, GameLengthOption::OneYear, {1990, 1, 1}, {1991, 1, 1});
    RecordingHooks hooks;
    ASSERT_TRUE(LoadGameData(state, hooks).ok());
    ASSERT_EQ(state.market.GameCalendar.Count, 4);
    EXPECT_EQ(state.clock.tradeDaysInPeriod, 4);

    struct Period {
        int position;
        int cursor;
        bool endOfCalendar;
        float oilClose;
        const char *label;
    };
    const Period periods[] = {
        {1, 1, false, 32.0f, "Date: 1/2/1990"}, {2, 2, false, 33.0f, "Date: 1/3/1990"},
        {3, 3, false, 34.0f, "Date: 1/4/1990"}, {3, 3, true, 35.0f, "Date: 1/4/1990"},
        {3, 3, true, 35.0f, "Date: 1/4/1990"},
    };
    for (const Period &p : periods) {
        forwardDaily(state, hooks);
        SCOPED_TRACE(state.clock.tradeDay);
        EXPECT_EQ(state.market.GameCalendar.Position, p.position);
        EXPECT_EQ(state.market.series(Instrument::Oil).Cursor, p.cursor);
        EXPECT_EQ(state.clock.endOfCalendar, p.endOfCalendar);
        EXPECT_FLOAT_EQ(GetInstrumentClose(state, 3), p.oilClose);
        EXPECT_EQ(hooks.dayLabel, QString::fromLatin1(p.label));
    }
}

TEST(DailyCalendar, TheSpanLoadedDependsOnTheKindAndTheLengthOption)
{
    FixtureDb fixture;
    for (Day day : {Day(1997, 1, 31), Day(1997, 2, 1), Day(1997, 2, 28), Day(1997, 3, 1), Day(1997, 4, 30),
                    Day(1997, 5, 1)})
        fixture.addCalendarDay(day);
    for (Day day : {Day(1997, 1, 31), Day(1997, 2, 3), Day(1997, 12, 31), Day(1998, 1, 30), Day(1998, 2, 2)})
        fixture.addDailyClose(3, day, 20.0);

    struct Case {
        DataKind kind;
        GameLengthOption length;
        int count;
        Day first, last;
    };
    const Case cases[] = {
        {DataKind::Tick, GameLengthOption::OneMonth, 2, {1997, 2, 1}, {1997, 2, 28}},
        {DataKind::Tick, GameLengthOption::OneQuarter, 4, {1997, 2, 1}, {1997, 4, 30}},
        {DataKind::Tick, GameLengthOption::None, 4, {1997, 2, 1}, {1997, 4, 30}},
        // A Daily game always loads a year, whatever its length.
        {DataKind::Daily, GameLengthOption::OneMonth, 3, {1997, 2, 3}, {1998, 1, 30}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.length));
        GameState state;
        describeGame(state, fixture, c.kind, c.length, {1997, 2, 1}, {1997, 3, 1});
        RecordingHooks hooks;
        ASSERT_TRUE(LoadGameData(state, hooks).ok());
        const TradingCalendar &calendar = state.market.GameCalendar;
        ASSERT_EQ(calendar.Count, c.count);
        EXPECT_EQ(calendar.Position, 0);
        EXPECT_DOUBLE_EQ(calendar.Days.front(), c.first.serial);
        EXPECT_DOUBLE_EQ(calendar.Days.back(), c.last.serial);
        EXPECT_EQ(state.clock.tradeDaysInPeriod, c.count);
    }
}

// Oil has every day, Gold misses the third, Soybean has no row at all.
TEST(SeriesClose, IsTheCloseOfTheDayShownAndNeverOneFromTheFuture)
{
    GameState state;
    const std::vector<double> days = januaryDays(2, 5);
    setCalendar(state.market.GameCalendar, days);
    setCloses(state.market.series(Instrument::Oil),
              {{days[0], 10}, {days[1], 11}, {days[2], 12}, {days[3], 13}, {days[4], 14}});
    setCloses(state.market.series(Instrument::Gold),
              {{days[0], 20}, {days[1], 21}, {days[3], 23}, {days[4], 24}});
    RecordingHooks hooks;

    // Period 0 comes right after a load: every cursor is 0 and no row before the first is read.
    struct Period {
        float oil, gold;
    };
    const Period periods[] = {{10, 20}, {10, 20}, {11, 21}, {12, 21}, {13, 23}, {14, 24}};
    for (size_t period = 0; period < std::size(periods); ++period) {
        SCOPED_TRACE(period);
        if (period > 0)
            forwardDaily(state, hooks);
        EXPECT_FLOAT_EQ(GetInstrumentClose(state, 3), periods[period].oil);
        EXPECT_FLOAT_EQ(GetInstrumentClose(state, 2), periods[period].gold);
        EXPECT_FLOAT_EQ(GetInstrumentClose(state, 5), -1.0f);
    }
    EXPECT_TRUE(state.clock.endOfCalendar);
    EXPECT_FLOAT_EQ(GetInstrumentClose(state, 0), -1.0f);
    EXPECT_FLOAT_EQ(GetInstrumentClose(state, 7), -1.0f);

    // A chart walking the series from its start has no close to give.
    ResetSeriesCursor(state.market.series(Instrument::Oil));
    EXPECT_FLOAT_EQ(GetInstrumentClose(state, 3), -1.0f);
}

TEST(SeriesClose, AnInstrumentWhoseFirstRowIsLateHasNoCloseBeforeIt)
{
    GameState state;
    const std::vector<double> days = januaryDays(2, 3);
    setCalendar(state.market.GameCalendar, days);
    setCloses(state.market.series(Instrument::Cattle), {{days[1], 75}, {days[2], 76}});
    RecordingHooks hooks;
    forwardDaily(state, hooks);
    EXPECT_FLOAT_EQ(GetInstrumentClose(state, 1), -1.0f);
    forwardDaily(state, hooks);
    EXPECT_FLOAT_EQ(GetInstrumentClose(state, 1), 75.0f);
}

TEST(CalendarTests, NeverLookOutsideTheCalendar)
{
    const std::vector<double> days = januaryDays(2, 3);
    struct Case {
        int count;
        int position;
        double date;
        bool ready, before, current;
    };
    const Case cases[] = {
        {0, 0, days[0], false, false, false}, {3, 0, days[0], true, true, true},
        {3, 1, days[0], true, true, false},   {3, 1, days[2], true, false, false},
        {3, 3, days[0], true, false, false},  {3, -1, days[0], false, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QStringLiteral("count %1 position %2").arg(c.count).arg(c.position).toStdString());
        TradingCalendar calendar;
        if (c.count > 0)
            setCalendar(calendar, days);
        calendar.Position = static_cast<int16_t>(c.position);
        EXPECT_EQ(CalendarReady(calendar), c.ready);
        EXPECT_EQ(IsCalendarDayBefore(calendar, c.date), c.before);
        EXPECT_EQ(IsCurrentCalendarDay(calendar, c.date), c.current);
    }
}

TEST(CalendarTests, TheDateLabelStaysOnTheLastDayBeforeTheEndDate)
{
    TradingCalendar calendar;
    setCalendar(calendar, januaryDays(2, 4)); // 1/2 .. 1/5
    struct Case {
        int position;
        Day end;
        const char *label;
    };
    const Case cases[] = {
        {2, {1991, 1, 1}, "Date: 1/3/1990"},
        {3, {1990, 1, 5}, "Date: 1/4/1990"},
        {3, {1990, 1, 4}, "Date: 1/3/1990"}, // 1/4 reached the end date: the day before it
        // The very first day already lies on the end date: there is no day before it.
        {1, {1990, 1, 1}, "Date: 1/2/1990"},
        {0, {1991, 1, 1}, "Date: 1/2/1990"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.position);
        calendar.Position = static_cast<int16_t>(c.position);
        EXPECT_EQ(DayLabelCaption(calendar, c.end.serial), QString::fromLatin1(c.label));
    }
}
