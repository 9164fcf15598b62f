#include "FlowFixture.h"

#include "common/VbDate.h"
#include "data/PriceDatabase.h"
#include "flow/ui/Initializing.h"
#include "flow/ui/LevelSetup.h"
#include "flow/ui/SettingsMenus.h"
#include "support/FixtureDb.h"
#include "windows/frmEndofGame.h"
#include "windows/frminitialize.h"

#include <QTime>

#include <vector>

namespace tarvello::test {
namespace {

using enum GameOption;

// The periods the steered draws of 0.5 pick: a Daily game in 1991, a Tick game from July 1997.
void addPrices(FixtureDb &fixture)
{
    for (int day = 2; day <= 4; ++day)
        for (int id = 1; id <= 6; ++id)
            fixture.addDailyClose(id, {1991, 1, day}, 10.0 * id + day);
    for (int day = 1; day <= 3; ++day) {
        fixture.addCalendarDay({1997, 7, day});
        for (int id = 1; id <= 6; ++id)
            fixture.addTick(id, {1997, 7, day}, QTime(9, 5), 10.0 * id + day);
    }
}

class NewGame : public FlowTest {
protected:
    NewGame()
    {
        state.priceDatabase.DbPath = fixture.path();
        state.priceDatabase.DbUser = QStringLiteral("admin");
        addPrices(fixture);
        SetupGameLevel(app, Level::Expert); // as start-up leaves the main window
    }
    ~NewGame() override { CloseDatabase(state.priceDatabase); }

    std::vector<forms::MenuItem *> settingsItems()
    {
        return {w().mnuLevel[0],      w().mnuLevel[2],      w().mnuNews[0],
                w().mnuNews[1],       w().mnuGameLength[2], w().mnuGameLength[3],
                w().mnuGameLength[4], w().mnuDat[0],        w().mnuDat[1]};
    }

    FixtureDb fixture;
};

TEST_F(NewGame, StartThenCancelChangesNothing)
{
    state.account.totalCommissions = 20.0f;
    host.answerNext(ScriptedModalHost::click(QStringLiteral("cmdReset")));
    w().mnuNewGame->click();
    ASSERT_EQ(host.shows().size(), 1u);
    EXPECT_EQ(host.shows()[0].form, QStringLiteral("frmTimePeriod"));
    EXPECT_EQ(host.shows()[0].caption, QStringLiteral("Game Level Options"));
    EXPECT_EQ(host.shows()[0].owner, QStringLiteral("Halvern"));
    EXPECT_FALSE(host.shows()[0].shownAfterAnswer);
    EXPECT_EQ(w().mnuNewGame->caption(), QStringLiteral("&Start"));
    EXPECT_FALSE(w().btnChangePeriod->enabled());
    EXPECT_FALSE(state.settings.gameStarted);
    EXPECT_FALSE(state.clock.gameDataLoaded);
    EXPECT_EQ(state.account.totalCommissions, 20.0f);
    for (forms::MenuItem *item : settingsItems())
        EXPECT_TRUE(item->enabled()) << item->objectName().toStdString();
}

TEST_F(NewGame, StartThenCloseBoxDiscardsTheDialog)
{
    host.answerNext(ScriptedModalHost::unload());
    w().mnuNewGame->click();
    EXPECT_FALSE(forms.isLoaded<frmTimePeriod>());
    EXPECT_EQ(w().mnuNewGame->caption(), QStringLiteral("&Start"));
    EXPECT_FALSE(w().btnChangePeriod->enabled());
    EXPECT_FALSE(state.clock.gameDataLoaded);
}

// The options become a game set up at period 0: length and data kind from the menus that "&Begin"
// ticked (a Novice game is one quarter whatever is ticked), the settings locked, "&Forward" ready.
TEST_F(NewGame, OptionCombinationsBecomeAGameAtPeriodZero)
{
    const struct {
        const char *name;
        std::vector<GameOption> clicks;
        Level level;
        DataKind kind;
        int16_t length;
        int months;
    } cases[] = {
        {"Expert, one year of Daily data", {}, Level::Expert, DataKind::Daily, 365, 12},
        {"Expert, one month of Daily data", {Month}, Level::Expert, DataKind::Daily, 30, 1},
        {"Expert, one quarter of Tick data", {Tick}, Level::Expert, DataKind::Tick, 90, 3},
        {"Expert, one month of Tick data", {Tick, Month}, Level::Expert, DataKind::Tick, 30, 1},
        {"Novice, one quarter", {Novice}, Level::Novice, DataKind::Daily, 90, 3},
        {"Novice, one month", {Novice, Month}, Level::Novice, DataKind::Daily, 90, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        // Between games the player is back at the start-up options.
        EnableSettingsMenus(app);
        w().mnuLevel[2]->click();
        forms.unload<frmTimePeriod>();
        state.account.totalCommissions = 40.0f;

        beginNewGame(c.clicks);
        EXPECT_EQ(state.settings.level, c.level);
        EXPECT_EQ(state.settings.dataType, c.kind);
        EXPECT_EQ(state.settings.gameLength, c.length);
        EXPECT_EQ(state.settings.endDate, vb::addMonths(state.settings.startDate, c.months));
        EXPECT_GT(state.settings.startDate, 0.0);
        EXPECT_EQ(state.account.startingCapital, c.level == Level::Novice ? 10000.0f : 100000.0f);
        EXPECT_EQ(state.account.totalCommissions, 0.0f);
        EXPECT_EQ(state.clock.tradeDay, 0);
        EXPECT_TRUE(state.clock.gameDataLoaded);
        EXPECT_EQ(w().mnuNewGame->caption(), QStringLiteral("&Restart"));
        EXPECT_TRUE(w().btnChangePeriod->enabled());
        EXPECT_FALSE(w().btnTrade->enabled());
        for (forms::MenuItem *item : settingsItems())
            EXPECT_FALSE(item->enabled()) << item->objectName().toStdString();
    }
}

// While a game is set up or running, the settings menus cannot change it.
TEST_F(NewGame, SettingsMenusAreLockedDuringAGame)
{
    beginNewGame({Month});
    w().mnuLevel[0]->click();
    w().mnuGameLength[4]->click();
    w().mnuDat[1]->click();
    EXPECT_EQ(state.settings.level, Level::Expert);
    EXPECT_EQ(state.settings.gameLength, 30);
    EXPECT_TRUE(w().mnuGameLength[2]->checked());
    EXPECT_TRUE(w().mnuDat[0]->checked());
    EXPECT_FALSE(w().mnuDat[1]->checked());
    EXPECT_TRUE(w().mnuNews[2]->enabled());
}

// At period 0 the command opens the dialog again, whatever its caption reads.
TEST_F(NewGame, StartAgainBeforeTheFirstPeriod)
{
    beginNewGame();
    beginNewGame({Month});
    EXPECT_EQ(host.shows().size(), 2u);
    EXPECT_EQ(state.settings.gameLength, 30);
    EXPECT_TRUE(state.clock.gameDataLoaded);
}

// During a game "&Restart" shows the figures so far and leaves the game as it stands.
TEST_F(NewGame, RestartDuringAGameShowsTheScoreAndResetsNothing)
{
    beginNewGame();
    state.clock.tradeDay = 5;
    state.account.realizedPL = 1000.0;
    state.account.unrealizedPL = -250.5;
    state.account.totalTrades = 2;
    const double start = state.settings.startDate;
    w().mnuNewGame->click();
    EXPECT_EQ(host.shows().size(), 1u); // the options dialog of the first start only
    const frmEndofGame &summary = forms.get<frmEndofGame>();
    EXPECT_TRUE(summary.visible());
    EXPECT_EQ(summary.Label7->caption(), QStringLiteral("$749.50"));
    EXPECT_EQ(summary.Label3->caption(), QStringLiteral("$-250.50"));
    EXPECT_EQ(summary.Label4->caption(), QStringLiteral("$1,000.00"));
    EXPECT_EQ(summary.Label1->caption(), QString());
    EXPECT_EQ(state.account.score, 749.5f);
    EXPECT_EQ(w().lblScore->caption(), QStringLiteral("$749.50"));
    EXPECT_EQ(state.clock.tradeDay, 5);
    EXPECT_EQ(state.account.totalTrades, 2);
    EXPECT_EQ(state.settings.startDate, start);
    EXPECT_TRUE(state.clock.gameDataLoaded);
    EXPECT_EQ(w().mnuNewGame->caption(), QStringLiteral("&Restart"));
}

// A Tick game reads its ticks with "Initializing Data" standing over the main window, which has the
// use of its controls back when the load is done.
TEST_F(NewGame, TickGameLoadsWithTheInitializingWindow)
{
    beginNewGame({Tick});
    ASSERT_TRUE(state.clock.gameDataLoaded);
    EXPECT_EQ(vb::fromSerial(state.settings.startDate), QDate(1997, 7, 1));
    EXPECT_EQ(state.market.GameCalendar.Count, 3);
    EXPECT_EQ(state.market.TickDays.size(), 3u);
    EXPECT_TRUE(forms.isLoaded<frminitialize>());
    EXPECT_FALSE(forms.get<frminitialize>().visible());
    EXPECT_TRUE(w().enabled());
}

// A period the database holds no trading day for is reported, and nothing is left to play: the
// program stands where it stood before Game > "&Start".
TEST_F(NewGame, APeriodWithoutDataLeavesTheProgramIdle)
{
    random.afterScript = 0.0f; // a Daily game in 1984, which the fixture does not hold
    beginNewGame();
    ASSERT_FALSE(host.shows().empty());
    const ModalShow &notice = host.shows().back();
    EXPECT_EQ(notice.form, QStringLiteral("frmPlayerNotification"));
    EXPECT_EQ(notice.caption, QStringLiteral("Tarvello"));
    EXPECT_TRUE(notice.text(QStringLiteral("Label1")).contains(QStringLiteral("1/1/1984")));
    EXPECT_FALSE(state.clock.gameDataLoaded);
    EXPECT_FALSE(w().btnChangePeriod->enabled());
    EXPECT_EQ(w().mnuNewGame->caption(), QStringLiteral("&Start"));
    for (forms::MenuItem *item : settingsItems())
        EXPECT_TRUE(item->enabled()) << item->objectName().toStdString();
    EXPECT_FALSE(programEnd.ended());

    // The next game, over a period with data, starts as usual.
    random.afterScript = 0.5f;
    beginNewGame();
    EXPECT_TRUE(state.clock.gameDataLoaded);
    EXPECT_EQ(w().mnuNewGame->caption(), QStringLiteral("&Restart"));
}

// A price database that cannot be opened ends the program after its notice.
TEST_F(NewGame, ADatabaseThatCannotBeOpenedEndsTheProgram)
{
    state.priceDatabase.DbPath = fixture.directory() + QStringLiteral("/missing.mdb");
    beginNewGame();
    ASSERT_FALSE(host.shows().empty());
    EXPECT_EQ(host.shows().back().caption, QStringLiteral("Tarvello"));
    EXPECT_EQ(programEnd.calls(), 1);
    EXPECT_EQ(programEnd.code(), 1);
}

} // namespace
} // namespace tarvello::test
