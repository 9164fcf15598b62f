#include "flow/ClockLabels.h"
#include "common/VbDate.h"
#include "support/FixtureDb.h"

#include <gtest/gtest.h>

namespace tarvello::test {
namespace {

using vb::toSerial;

TEST(ClockLabels, TickTimesByPeriod)
{
    const struct {
        int16_t period;
        const char *text; // nullptr: no text
    } cases[] =
        {
            {1, "9:00 am"},   {2, "10:00 am"}, {3, "11:00 am"}, {4, "12:00 pm"},
            {5, "1:00 pm"},   {6, "2:00 pm"},  {7, "9:00 am"},  {0, "2:00 pm"},
            {120, "2:00 pm"}, {-1, nullptr},   {-6, "2:00 pm"}, // a remainder of 0 is the sixth slot,
                                                                // whatever the sign of the period
        };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.period);
        const auto expected = c.text ? std::optional<QString>(QString::fromLatin1(c.text)) : std::nullopt;
        EXPECT_EQ(tickTimeText(c.period), expected);
        EXPECT_EQ(TraderTickTime(DataKind::Tick, c.period), expected);
        EXPECT_EQ(tickTimeCaption(DataKind::Tick, c.period), expected);
        // A Daily game has no trading times for the trade history, and its label keeps the close.
        EXPECT_EQ(TraderTickTime(DataKind::Daily, c.period), std::nullopt);
        EXPECT_EQ(TraderTickTime(DataKind::None, c.period), std::nullopt);
        EXPECT_EQ(tickTimeCaption(DataKind::Daily, c.period),
                  c.period == 0 ? std::optional<QString>(QStringLiteral("4:00 pm")) : std::nullopt);
    }
}

// A Daily calendar of five days, 2 to 8 January 1991 (Wednesday to Tuesday).
class DailyDate : public ::testing::Test {
protected:
    DailyDate()
    {
        state.settings.dataType = DataKind::Daily;
        state.settings.endDate = toSerial(1991, 2, 1);
        state.market.GameCalendar.Days = {toSerial(1991, 1, 2), toSerial(1991, 1, 3), toSerial(1991, 1, 4),
                                          toSerial(1991, 1, 7), toSerial(1991, 1, 8)};
        state.market.GameCalendar.Count = 5;
    }
    GameState state;
};

TEST_F(DailyDate, TheDayThePeriodShows)
{
    const struct {
        const char *what;
        int16_t position, tradeDay;
        bool endOfCalendar;
        double endDate;
        GameLengthOption length;
        const char *labelDay; // nullptr: not written
        const char *lblDay;
        const char *date; // the date returned; "" for none
    } cases[] = {
        {"before the calendar moves: the first day", 0, 0, false, 0, GameLengthOption::OneMonth,
         "Date: 1/2/1991", "Wednesday", "1/2/1991"},
        {"period 1", 1, 0, false, 0, GameLengthOption::OneMonth, "Date: 1/2/1991", "Wednesday", "1/2/1991"},
        {"period 4", 4, 3, false, 0, GameLengthOption::OneMonth, "Date: 1/7/1991", "Monday", "1/7/1991"},
        // The year loaded runs past a short game's end date: the label stays on the day before.
        {"a month's end date reached", 4, 3, false, toSerial(1991, 1, 7), GameLengthOption::OneMonth,
         "Date: 1/4/1991", nullptr, "1/7/1991"},
        {"a quarter's end date reached", 4, 3, false, toSerial(1991, 1, 7), GameLengthOption::OneQuarter,
         "Date: 1/4/1991", nullptr, "1/7/1991"},
        {"the end date reached at the first day", 0, 0, false, toSerial(1991, 1, 2),
         GameLengthOption::OneMonth, "Date: 1/2/1991", nullptr, "1/2/1991"},
        {"a year's end date reached writes nothing", 4, 3, false, toSerial(1991, 1, 7),
         GameLengthOption::OneYear, nullptr, nullptr, "1/7/1991"},
        // Once the calendar is exhausted the last trading day stays on show.
        {"the calendar exhausted", 4, 4, true, 0, GameLengthOption::OneYear, "Date: 1/8/1991", nullptr,
         "1/8/1991"},
        {"the calendar exhausted before any period", 4, 0, true, 0, GameLengthOption::OneYear, nullptr,
         nullptr, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        state.market.GameCalendar.Position = c.position;
        state.clock.tradeDay = c.tradeDay;
        state.clock.endOfCalendar = c.endOfCalendar;
        state.settings.lengthOption = c.length;
        if (c.endDate != 0)
            state.settings.endDate = c.endDate;
        else
            state.settings.endDate = toSerial(1991, 2, 1);
        const GameDate date = ShowGameDate(state);
        EXPECT_EQ(date.labelDay.value_or(QStringLiteral("(none)")),
                  c.labelDay ? QString::fromLatin1(c.labelDay) : QStringLiteral("(none)"));
        EXPECT_EQ(date.lblDay.value_or(QStringLiteral("(none)")),
                  c.lblDay ? QString::fromLatin1(c.lblDay) : QStringLiteral("(none)"));
        EXPECT_EQ(date.text(), QString::fromLatin1(c.date));
    }
}

TEST_F(DailyDate, AnEmptyCalendarHasNoDate)
{
    state.market.GameCalendar = TradingCalendar{};
    for (int16_t tradeDay : {0, 3}) {
        state.clock.tradeDay = tradeDay;
        const GameDate date = ShowGameDate(state);
        EXPECT_FALSE(date.labelDay);
        EXPECT_FALSE(date.date);
        EXPECT_EQ(GetWeekdayName(state), "");
    }
}

TEST(GameDate, TickDatesComeFromThePeriodsTickDay)
{
    GameState state;
    state.settings.dataType = DataKind::Tick;
    state.settings.startDate = toSerial(1997, 1, 1); // a holiday: the first tick day is the 2nd
    state.market.TickDays.resize(2);
    state.market.TickDays[0].Date = toSerial(1997, 1, 2);
    state.market.TickDays[1].Date = toSerial(1997, 1, 3);
    const struct {
        int16_t tradeDay;
        const char *labelDay; // nullptr: not written
        const char *lblDay;
    } cases[] = {
        // Before the first period the label shows the start, with the weekday of the first tick day.
        {0, "Date: 1/1/1997", "Thursday"}, {1, "Date: 1/2/1997", "Thursday"},
        {6, "Date: 1/2/1997", "Thursday"}, {7, "Date: 1/3/1997", "Friday"},
        {12, "Date: 1/3/1997", "Friday"},  {13, nullptr, nullptr}, // past the records: nothing to show
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tradeDay);
        state.clock.tradeDay = c.tradeDay;
        const GameDate date = ShowGameDate(state);
        EXPECT_EQ(date.labelDay.value_or(QStringLiteral("(none)")),
                  c.labelDay ? QString::fromLatin1(c.labelDay) : QStringLiteral("(none)"));
        EXPECT_EQ(date.lblDay.value_or(QStringLiteral("(none)")),
                  c.lblDay ? QString::fromLatin1(c.lblDay) : QStringLiteral("(none)"));
    }
}

TEST(GameDate, NoDataKindNoDate)
{
    GameState state;
    state.market.GameCalendar.Days = {toSerial(1991, 1, 2)};
    state.market.GameCalendar.Count = 1;
    const GameDate date = ShowGameDate(state);
    EXPECT_FALSE(date.labelDay || date.lblDay || date.date);
    EXPECT_EQ(GetWeekdayName(state), "");
}

TEST(GameDate, WeekdayNamesCountFromSunday)
{
    const char *names[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    for (int day = 0; day < 7; ++day)
        EXPECT_EQ(weekdayName(toSerial(1991, 1, 6 + day)), names[day]); // 6 January 1991 was a Sunday
}

} // namespace
} // namespace tarvello::test
