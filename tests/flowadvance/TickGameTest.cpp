#include "AdvanceFixture.h"

#include "common/VbDate.h"
#include "flow/ClockLabels.h"

namespace tarvello::test {
namespace {

using vb::toSerial;

class TickGame : public AdvanceTest {
protected:
    // A One Month Tick game from July 1997 over `days` trading days.
    void beginTickMonth(int days = 3)
    {
        addTickDays(fixture, tickDays(days));
        beginNewGame({Tick, Month});
        ASSERT_TRUE(state.clock.gameDataLoaded);
    }
};

// Three trading days, six trading times each: the notice that the last day begins comes as period 13
// starts, and period 19 is the final period, which shows the summary with the clock on the last
// trading time.
TEST_F(TickGame, ThroughTheFinalDayNoticeToTheFinalPeriod)
{
    beginTickMonth();
    EXPECT_EQ(w().lblTradeTime->caption(), "8:00 am");
    EXPECT_EQ(w().LabelDay->caption(), "Day 1:");
    const char *dates[] = {"7/1/1997", "7/2/1997", "7/3/1997"};
    const char *weekdays[] = {"Tuesday", "Wednesday", "Thursday"};
    for (int16_t period = 1; period <= 18; ++period) {
        SCOPED_TRACE(period);
        forward();
        const int day = (period - 1) / 6;
        EXPECT_EQ(state.clock.tradeDay, period);
        EXPECT_EQ(state.settings.gameLength, 19);
        EXPECT_EQ(w().lblTradeTime->caption(), *tickTimeText(period));
        EXPECT_EQ(w().LabelDay->caption(), QStringLiteral("Date: ") + dates[day]);
        EXPECT_EQ(w().lblDay->caption(), weekdays[day]);
        EXPECT_EQ(state.book(Instrument::Oil).price, fixturePrice(3, day));
        EXPECT_TRUE(w().btnChangePeriod->enabled() && w().btnTrade->enabled());
        EXPECT_EQ(traderNotices().size(), period >= 13 ? 1u : 0u);
        if (period == 1) {
            // The first period fixes the game's dates from its first trading day.
            EXPECT_EQ(state.settings.startDate, toSerial(1997, 7, 1));
            EXPECT_EQ(state.settings.endDate, toSerial(1997, 8, 1));
        }
    }
    ASSERT_EQ(traderNotices().size(), 1u);
    EXPECT_EQ(traderNotices()[0], (Notice{"Trader Notification", "   * Begin Final Day of Trading *", 1}));

    host.answerNext(ScriptedModalHost::click(QStringLiteral("btnEnd")));
    forward();
    const auto shows = showsOf(QStringLiteral("frmGameOver"));
    ASSERT_EQ(shows.size(), 1u);
    const ModalShow &shown = shows[0];
    EXPECT_EQ(shown.owner, "Halvern");
    EXPECT_EQ(state.clock.tradeDay, 18);
    EXPECT_EQ(w().lblTradeTime->caption(), "2:00 pm");
    EXPECT_EQ(shown.text(QStringLiteral("Label7")), "$0.00");
    EXPECT_EQ(shown.text(QStringLiteral("Label1")), "Commissions:");
    EXPECT_EQ(shown.text(QStringLiteral("label12")), "$0.00");
    EXPECT_FALSE(shown.control(QStringLiteral("Label10")).visible);
    // Centred over the main window (9,540 x 7,220 twips outside).
    EXPECT_EQ(shown.rect.left, (9540 - shown.rect.width) / 2);
    EXPECT_EQ(programEnd.calls(), 1);
}

// The notice is given only in games of more than 15 periods; the final period is six per day and one.
TEST_F(TickGame, TheNoticeAndTheFinalPeriodByTheDays)
{
    const struct {
        int days;
        size_t notices;
        int clicks; // to the summary
    } cases[] = {{2, 0, 13}, {3, 1, 19}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.days);
        FixtureDb other;
        addTickDays(other, tickDays(c.days));
        pointAt(state, other);
        const size_t noticesBefore = traderNotices().size();
        beginNewGame({Tick, Month});
        answerSummaries(QStringLiteral("btnPlayAgain"));
        EXPECT_EQ(forwardToTheEnd(), c.clicks);
        EXPECT_EQ(traderNotices().size() - noticesBefore, c.notices);
        EXPECT_EQ(state.clock.tradeDay, 0); // played again
        CloseDatabase(state.priceDatabase);
    }
}

// "&Play Again" at the final period: the click ends with the game at period 0 in the stage "Restart",
// and the next click plays the first trading time again from the ticks in memory (those of the
// database are gone by then).
TEST_F(TickGame, PlayAgainAtTheFinalPeriod)
{
    beginTickMonth();
    fixture.exec(QStringLiteral("DELETE FROM TickData"));
    answerSummaries(QStringLiteral("btnPlayAgain"));
    forwardToTheEnd();
    EXPECT_EQ(state.clock.tradeDay, 0);
    EXPECT_EQ(state.clock.restartMode, 0);
    EXPECT_EQ(state.settings.gameLength, 30); // from the Game Length menu
    EXPECT_TRUE(w().btnChangePeriod->visible() && w().btnChangePeriod->enabled());
    EXPECT_TRUE(w().btnTrade->visible() && !w().btnTrade->enabled());
    EXPECT_TRUE(w().btnTradeHist->visible());
    EXPECT_EQ(w().mnuNewGame->caption(), "Start");
    EXPECT_EQ(w().lblTradeTime->caption(), "8:00 am");
    EXPECT_EQ(w().LabelDay->caption(), "Day 1:");
    EXPECT_EQ(w().lblDay->caption(), "Monday");
    EXPECT_EQ(w().CurrMarkBanner->caption(), "  Current Market:    (Last Trade  *  Change)");
    for (forms::MenuItem *item : settingsItems())
        EXPECT_TRUE(item->enabled()) << item->objectName().toStdString();

    forward();
    EXPECT_EQ(state.clock.tradeDay, 1);
    EXPECT_EQ(w().lblTradeTime->caption(), "9:00 am");
    EXPECT_EQ(w().LabelDay->caption(), "Date: 7/1/1997");
    EXPECT_EQ(state.book(Instrument::Oil).price, fixturePrice(3, 0));
}

// A month whose first trading day is not the 1st: the first period moves the game's start there, but
// "&Play Again" replays the same month, not one shifted into the next.
TEST_F(TickGame, PlayAgainReplaysTheSameMonth)
{
    addTickDays(fixture, {QDate(1997, 7, 2), QDate(1997, 7, 3), QDate(1997, 8, 1)});
    beginNewGame({Tick, Month});
    forward();
    EXPECT_EQ(state.settings.startDate, toSerial(1997, 7, 2));
    answerSummaries(QStringLiteral("btnPlayAgain"));
    EXPECT_EQ(forwardToTheEnd(), 12); // two days
    EXPECT_EQ(state.settings.startDate, toSerial(1997, 7, 1));
    EXPECT_EQ(state.clock.tradeDaysInPeriod, 2);
    EXPECT_EQ(forwardToTheEnd(), 13);
}

// Game > "&End" and "&Continue" in the middle of a Tick game: the game goes on from where it stood and
// ends at the same final period.
TEST_F(TickGame, ContinueKeepsTheFinalPeriod)
{
    beginTickMonth();
    for (int i = 0; i < 5; ++i)
        forward();
    host.answerNext(ScriptedModalHost::click(QStringLiteral("btnContinue")));
    w().mnuEnd->click();
    EXPECT_EQ(state.clock.tradeDay, 5);
    EXPECT_EQ(state.settings.gameLength, 18);
    EXPECT_TRUE(w().enabled() && w().mnuGame->enabled());
    EXPECT_TRUE(w().btnChangePeriod->enabled() && w().btnTrade->enabled());
    forward();
    EXPECT_EQ(state.clock.tradeDay, 6);
    EXPECT_EQ(state.settings.gameLength, 19);
    EXPECT_EQ(w().lblTradeTime->caption(), "2:00 pm");
    answerSummaries(QStringLiteral("btnEnd"));
    EXPECT_EQ(forwardToTheEnd(), 13);
    EXPECT_EQ(state.clock.tradeDay, 18);
}

} // namespace
} // namespace tarvello::test
