#include "data/GameDataLoad.h"
#include "data/MarketTestSupport.h"
#include "data/TradingCalendar.h"

#include "common/VbDate.h"
#include "platform/db/Database.h"

#include <QTime>

#include <gtest/gtest.h>

using namespace tarvello;
using namespace tarvello::test;

namespace {

constexpr int kOil = 3;

// Weekday calendar days from `first` on, with one Oil tick a day at 08:45.
void addTickDays(FixtureDb &fixture, Day first, int days, double quote)
{
    for (int d = 0; d < days; ++d) {
        const double day = first.serial + d;
        if (vb::weekday(day) == 1 || vb::weekday(day) == 7)
            continue;
        fixture.addCalendarDay(day);
        fixture.addTick(kOil, {day}, QTime(8, 45), quote);
    }
}

void describeTick(GameState &state, GameLengthOption length, Day start)
{
    const int months = length == GameLengthOption::OneMonth ? 1 : 3;
    describeGame(state, DataKind::Tick, length, start, vb::addMonths(start.serial, months));
}

} // namespace

TEST(LoadGameData, ADailyGameLoadsTheCalendarAndSixSeries)
{
    FixtureDb fixture;
    fixture.addDaily(3, {1990, 1, 2}, 20.1, 20.9, 19.8, 20.5, 1200, 3400);
    fixture.exec(QStringLiteral("INSERT INTO DailyData VALUES (3, %1, NULL, NULL, 21, 22, 20, 21.5)")
                     .arg(vb::toSerial(1990, 1, 3)));
    for (int id : {1, 2, 4, 5, 6})
        fixture.addDailyClose(id, {1990, 1, 2}, 10.0 * id);

    GameState state;
    describeGame(state, fixture, DataKind::Daily, GameLengthOption::OneMonth, {1990, 1, 1}, {1990, 2, 1});
    RecordingHooks hooks;
    const GameDataLoad load = LoadGameData(state, hooks);
    ASSERT_TRUE(load.ok()) << load.description.toStdString();
    EXPECT_TRUE(state.priceDatabase.DbOpen);
    EXPECT_EQ(state.market.GameCalendar.Count, 2);

    const PriceSeries &oil = state.market.series(Instrument::Oil);
    ASSERT_EQ(oil.RowCount, 2);
    EXPECT_EQ(oil.Cursor, 0);
    const DailyRow &first = oil.Rows[0];
    EXPECT_EQ(first.OpenInterest, 1200);
    EXPECT_EQ(first.DayVolume, 3400);
    EXPECT_FLOAT_EQ(first.Open, 20.1f);
    EXPECT_FLOAT_EQ(first.High, 20.9f);
    EXPECT_FLOAT_EQ(first.Low, 19.8f);
    EXPECT_FLOAT_EQ(first.Close, 20.5f);
    EXPECT_DOUBLE_EQ(first.Date, vb::toSerial(1990, 1, 2));
    EXPECT_EQ(oil.Rows[1].OpenInterest, 0); // a row may leave the counts empty
    EXPECT_EQ(state.market.series(Instrument::TBond).RowCount, 1);

    EXPECT_EQ(hooks.calls, QStringList({"charts", "pointer 11", "pointer 0", "pointer 11", "pointer 0"}));
    EXPECT_TRUE(state.market.TickDays.empty());
}

TEST(LoadGameData, APeriodWithoutTradingDaysIsReportedAndLoadsNothing)
{
    FixtureDb fixture;
    fixture.addDailyClose(kOil, {1995, 6, 1}, 20.0);
    GameState state;
    state.market.series(Instrument::Oil).RowCount = 3;
    describeGame(state, fixture, DataKind::Daily, GameLengthOption::OneYear, {1990, 1, 1}, {1991, 1, 1});
    RecordingHooks hooks;
    const GameDataLoad load = LoadGameData(state, hooks);

    EXPECT_EQ(load.outcome, LoadOutcome::NoTradingDays);
    EXPECT_EQ(load.description, QStringLiteral("The price database holds no trading day from 1/1/1990 to "
                                               "1/1/1991. Please choose another period."));
    EXPECT_EQ(state.market.GameCalendar.Count, 0);
    EXPECT_EQ(state.clock.tradeDaysInPeriod, 0);
    EXPECT_EQ(state.market.series(Instrument::Oil).RowCount, 0);
    EXPECT_EQ(hooks.calls.last(), QStringLiteral("pointer 0"));
}

TEST(LoadGameData, DatabaseFaultsEndTheLoadWithAClearFailure)
{
    struct Case {
        const char *name;
        DataKind kind;
        const char *breakage; // run on the fixture after its rows are in
        LoadOutcome outcome;
        const char *description;
    };
    const Case cases[] = {
        {"daily table missing", DataKind::Daily, "DROP TABLE DailyData", LoadOutcome::ReadFailed,
         "The price database could not be read: "},
        {"tick calendar missing", DataKind::Tick, "DROP TABLE TickTradeDaysResults", LoadOutcome::ReadFailed,
         "The price database could not be read: "},
        {"tick table missing", DataKind::Tick, "DROP TABLE TickData", LoadOutcome::ReadFailed,
         "The price database could not be read: "},
        {"close missing", DataKind::Daily,
         "DROP TABLE DailyData; CREATE TABLE DailyData (CommodityID, [Date], OpenInterest, DayVolume, "
         "[Open], "
         "High, Low, [Close]); INSERT INTO DailyData VALUES (3, 32875, 1, 1, 20, 21, 19, NULL)",
         LoadOutcome::ReadFailed,
         "The price database has a DailyData row of Oil (CommodityID 3) on 1/2/1990 without a valid Close "
         "value."},
        {"tick price missing", DataKind::Tick,
         "DROP TABLE TickData; CREATE TABLE TickData (CommodityID, [DateTime], realprice); "
         "INSERT INTO TickData VALUES (3, 35096.37, NULL)",
         LoadOutcome::ReadFailed,
         "The price database has a TickData row of Oil (CommodityID 3) at 2/1/1996 8:52:48 AM without a "
         "valid "
         "realprice value."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FixtureDb fixture;
        fixture.addDailyClose(kOil, {1990, 1, 2}, 20.0);
        addTickDays(fixture, {1996, 2, 5}, 5, 2.0);
        fixture.exec(QString::fromLatin1(c.breakage));
        GameState state;
        pointAt(state, fixture);
        if (c.kind == DataKind::Daily)
            describeGame(state, c.kind, GameLengthOption::OneYear, {1990, 1, 1}, {1991, 1, 1});
        else
            describeTick(state, GameLengthOption::OneMonth, {1996, 2, 1});
        RecordingHooks hooks;
        const GameDataLoad load = LoadGameData(state, hooks);
        EXPECT_EQ(load.outcome, c.outcome);
        EXPECT_TRUE(load.description.startsWith(QString::fromLatin1(c.description)))
            << load.description.toStdString();
        EXPECT_EQ(hooks.calls.last(), QStringLiteral("pointer 0"));
        EXPECT_FALSE(state.market.Loaded.Complete);
    }

    GameState state;
    state.priceDatabase.DbPath = QStringLiteral("/nonexistent/futures.mdb");
    describeGame(state, DataKind::Daily, GameLengthOption::OneYear, {1990, 1, 1}, {1991, 1, 1});
    RecordingHooks hooks;
    const GameDataLoad load = LoadGameData(state, hooks);
    EXPECT_EQ(load.outcome, LoadOutcome::OpenFailed);
    EXPECT_FALSE(load.description.isEmpty());
    EXPECT_FALSE(state.priceDatabase.DbOpen);
}

TEST(LoadGameData, TickRecordsAreReusedOnlyForTheSamePeriodLoadedLast)
{
    FixtureDb fixture;
    addTickDays(fixture, {1996, 5, 1}, 153, 2.0); // May to September
    fixture.addDailyClose(kOil, {1990, 1, 2}, 20.0);

    enum class Between { Nothing, DailyLoaded, DailyPlayed };
    struct Step {
        const char *name;
        Between before;
        GameLengthOption length;
        Day start;
        bool reused;
    };
    const Step steps[] = {
        {"first tick game loads", Between::Nothing, GameLengthOption::OneQuarter, {1996, 7, 1}, false},
        {"same period again", Between::Nothing, GameLengthOption::OneQuarter, {1996, 7, 1}, true},
        {"same start, other length", Between::Nothing, GameLengthOption::OneMonth, {1996, 7, 1}, false},
        {"same month again", Between::Nothing, GameLengthOption::OneMonth, {1996, 7, 1}, true},
        {"same end, other start", Between::Nothing, GameLengthOption::OneQuarter, {1996, 5, 1}, false},
        {"a Daily game set up between",
         Between::DailyLoaded,
         GameLengthOption::OneQuarter,
         {1996, 5, 1},
         true},
        {"a quarter to October", Between::Nothing, GameLengthOption::OneQuarter, {1996, 7, 1}, false},
        {"a month ending with that quarter",
         Between::Nothing,
         GameLengthOption::OneMonth,
         {1996, 9, 1},
         false},
        {"after a Daily game was played",
         Between::DailyPlayed,
         GameLengthOption::OneMonth,
         {1996, 9, 1},
         false},
        {"and again", Between::Nothing, GameLengthOption::OneMonth, {1996, 9, 1}, true},
    };
    GameState state;
    pointAt(state, fixture);
    for (const Step &s : steps) {
        SCOPED_TRACE(s.name);
        RecordingHooks hooks;
        if (s.before != Between::Nothing) {
            describeGame(state, DataKind::Daily, GameLengthOption::OneYear, {1990, 1, 1}, {1991, 1, 1});
            ASSERT_TRUE(LoadGameData(state, hooks).ok());
            if (s.before == Between::DailyPlayed)
                state.market.LoadedDataType = DataKind::Daily; // what its first "&Forward" click leaves
        }
        describeTick(state, s.length, s.start);
        state.news.newsItems.resize(600);
        const GameDataLoad load = LoadGameData(state, hooks);
        ASSERT_TRUE(load.ok()) << load.description.toStdString();
        EXPECT_EQ(load.reusedTicks, s.reused);
        EXPECT_EQ(hooks.called(QStringLiteral("initializing shown")), !s.reused);
        EXPECT_TRUE(hooks.called(QStringLiteral("end ticks")));
        EXPECT_TRUE(state.news.newsItems.empty());
        ASSERT_EQ(state.market.TickDays.size(), static_cast<size_t>(state.market.GameCalendar.Count));
        EXPECT_DOUBLE_EQ(state.market.TickDays.front().Date, state.market.GameCalendar.Days.front());
        EXPECT_DOUBLE_EQ(state.market.TickDays.back().Date, state.market.GameCalendar.Days.back());
    }
}

TEST(LoadGameData, AFailedTickLoadIsNeverReused)
{
    FixtureDb fixture;
    addTickDays(fixture, {1996, 2, 1}, 29, 2.0);
    fixture.exec(QStringLiteral("ALTER TABLE TickData RENAME TO Elsewhere"));
    GameState state;
    pointAt(state, fixture);
    describeTick(state, GameLengthOption::OneMonth, {1996, 2, 1});
    RecordingHooks hooks;
    EXPECT_EQ(LoadGameData(state, hooks).outcome, LoadOutcome::ReadFailed);
    EXPECT_TRUE(hooks.called(QStringLiteral("initializing hidden")));
    EXPECT_TRUE(hooks.called(QStringLiteral("end ticks")));

    fixture.exec(QStringLiteral("ALTER TABLE Elsewhere RENAME TO TickData"));
    const GameDataLoad again = LoadGameData(state, hooks);
    ASSERT_TRUE(again.ok()) << again.description.toStdString();
    EXPECT_FALSE(again.reusedTicks);
    EXPECT_FLOAT_EQ(state.market.TickDays.back().Blocks[kOil].Slots[6].Price, 20.0f);
}

TEST(LoadGameData, OneDatabaseHandleServesEveryLoad)
{
    FixtureDb fixture;
    fixture.addDailyClose(kOil, {1990, 1, 2}, 20.0);
    GameState state;
    describeGame(state, fixture, DataKind::Daily, GameLengthOption::OneYear, {1990, 1, 1}, {1991, 1, 1});
    const int before = db::Database::openConnections();
    RecordingHooks hooks;
    for (int load = 0; load < 3; ++load)
        ASSERT_TRUE(LoadGameData(state, hooks).ok());
    EXPECT_EQ(db::Database::openConnections(), before + 1);
    CloseDatabase(state.priceDatabase);
    EXPECT_EQ(db::Database::openConnections(), before);
}
