#include "data/GameDataChecks.h"
#include "data/GameDataLoad.h"
#include "data/MarketTestSupport.h"
#include "data/TradingCalendar.h"

#include "common/VbDate.h"
#include "platform/db/Database.h"

#include <QFile>
#include <QTime>

#include <gtest/gtest.h>

using namespace tarvello;
using namespace tarvello::test;

namespace {

constexpr int kOil = 3;

// A Tick month from 3 February 1997 over every instrument, and a Daily year of the same days.
void addMarket(FixtureDb &fixture)
{
    for (const QDate &day : weekdays(QDate(1997, 2, 3), 5)) {
        fixture.addCalendarDay(day);
        for (int id = 1; id <= 6; ++id) {
            fixture.addTick(id, day, QTime(9, 5), fixtureTickQuote(id, day.day()));
            fixture.addDailyClose(id, day, fixturePrice(id, day.day()));
        }
    }
}

void describeTickMonth(GameState &state, const FixtureDb &fixture)
{
    describeGame(state, fixture, DataKind::Tick, GameLengthOption::OneMonth, {1997, 2, 1}, {1997, 3, 1});
}

} // namespace

// Data that fails a check leaves nothing to play and no ticks to reuse; the file is let go, as after
// every load.
TEST(LoadPlayableGameData, DataThatFailsACheckLeavesNothingLoaded)
{
    FixtureDb fixture;
    addMarket(fixture);
    fixture.exec(
        QStringLiteral("DELETE FROM TickData WHERE CommodityID = 2 AND [DateTime] >= %1 AND [DateTime] < %2")
            .arg(vb::toSerial(1997, 2, 5))
            .arg(vb::toSerial(1997, 2, 6)));
    GameState state;
    describeTickMonth(state, fixture);
    RecordingHooks hooks;
    const GameDataLoad load = LoadPlayableGameData(state, hooks);

    EXPECT_EQ(load.outcome, LoadOutcome::BadData);
    EXPECT_EQ(load.description,
              QStringLiteral("The price database has no Gold (CommodityID 2) tick in TickData on "
                             "2/5/1997, a trading day in TickTradeDaysResults."));
    EXPECT_EQ(state.market.GameCalendar.Count, 0);
    EXPECT_EQ(state.clock.tradeDaysInPeriod, 0);
    EXPECT_FALSE(state.market.Loaded.Complete);
    EXPECT_FALSE(state.priceDatabase.DbOpen);
    EXPECT_EQ(hooks.calls.last(), QStringLiteral("pointer 0"));
    CloseDatabase(state.priceDatabase);
}

// Ticks kept from the last load serve the next game over the same period, but the database is looked at
// again: what changed in it since is found.
TEST(LoadPlayableGameData, KeptTicksAreCheckedAgainstTheDatabaseOfTheNewGame)
{
    FixtureDb fixture;
    addMarket(fixture);
    GameState state;
    describeTickMonth(state, fixture);
    RecordingHooks hooks;
    const GameDataLoad first = LoadPlayableGameData(state, hooks);
    ASSERT_TRUE(first.ok()) << first.description.toStdString();

    fixture.exec(QStringLiteral("DROP TABLE sortedticknewsreleases"));
    hooks.calls.clear();
    const GameDataLoad second = LoadPlayableGameData(state, hooks);
    EXPECT_FALSE(hooks.called(QStringLiteral("initializing shown"))); // the kept ticks served
    EXPECT_EQ(second.outcome, LoadOutcome::ReadFailed);
    EXPECT_TRUE(second.description.contains(QLatin1String("sortedticknewsreleases")));
    EXPECT_FALSE(state.market.Loaded.Complete);
    CloseDatabase(state.priceDatabase);
}

// Rows that come back out of time order are no fault in themselves: only two of them at one moment with
// different prices are.
TEST(LoadPlayableGameData, TicksOutOfOrderWithoutCopiesLoad)
{
    FixtureDb fixture;
    addMarket(fixture);
    fixture.exec(QStringLiteral("CREATE TABLE Loose AS SELECT * FROM TickData ORDER BY [DateTime] DESC"));
    fixture.exec(QStringLiteral("DROP TABLE TickData"));
    fixture.exec(QStringLiteral("ALTER TABLE Loose RENAME TO TickData"));
    GameState state;
    describeTickMonth(state, fixture);
    RecordingHooks hooks;
    const GameDataLoad load = LoadPlayableGameData(state, hooks);
    EXPECT_TRUE(load.ok()) << load.description.toStdString();
    CloseDatabase(state.priceDatabase);
}

// The daily checks look at the instruments the level trades: at Novice, Oil alone.
TEST(CheckGameData, TheInstrumentsOfTheLevel)
{
    struct Case {
        Level level;
        int missing; // the CommodityID whose rows are gone
        bool ok;
    };
    const Case cases[] = {
        {Level::Novice, 2, true},
        {Level::Novice, kOil, false},
        {Level::Expert, 2, false},
        {Level::Expert, 6, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.missing);
        FixtureDb fixture;
        addMarket(fixture);
        fixture.exec(QStringLiteral("DELETE FROM DailyData WHERE CommodityID = %1").arg(c.missing));
        GameState state;
        state.settings.level = c.level;
        describeGame(state, fixture, DataKind::Daily, GameLengthOption::OneYear, {1997, 1, 1}, {1998, 1, 1});
        RecordingHooks hooks;
        ASSERT_TRUE(LoadGameData(state, hooks).ok());
        const db::Status checked = CheckGameData(state);
        EXPECT_EQ(checked.ok(), c.ok) << checked.description().toStdString();
        if (!c.ok) {
            EXPECT_TRUE(checked.description().contains(QStringLiteral("(CommodityID %1)").arg(c.missing)));
        }
        CloseDatabase(state.priceDatabase);
    }
}

// A whole game load of a database in WAL journal mode leaves nothing beside the file.
TEST(LoadPlayableGameData, AWalModeDatabaseLoadsWithoutFilesBesideIt)
{
    FixtureDb fixture;
    addMarket(fixture);
    fixture.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    fixture.close();
    for (DataKind kind : {DataKind::Daily, DataKind::Tick}) {
        GameState state;
        describeTickMonth(state, fixture);
        state.settings.dataType = kind;
        RecordingHooks hooks;
        const GameDataLoad load = LoadPlayableGameData(state, hooks);
        EXPECT_TRUE(load.ok()) << load.description.toStdString();
        EXPECT_EQ(state.market.GameCalendar.Count, 5);
        EXPECT_FALSE(QFile::exists(fixture.path() + QStringLiteral("-wal")));
        EXPECT_FALSE(QFile::exists(fixture.path() + QStringLiteral("-shm")));
        CloseDatabase(state.priceDatabase);
    }
}
