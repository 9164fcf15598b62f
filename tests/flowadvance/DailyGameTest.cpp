#include "AdvanceFixture.h"

#include "account/ProfitLoss.h"
#include "common/VbDate.h"

#include <map>

namespace tarvello::test {
namespace {

using tarvello::testing::fill;

class DailyGame : public AdvanceTest {
protected:
    DailyGame() { addDailyCloses(fixture, dailyDays()); }

    // Everything the player can see of the main window (of a hidden control, only that it is hidden)
    // and the game's own record of where it stands, by name.
    std::map<QString, QString> snapshot()
    {
        std::map<QString, QString> seen;
        for (QWidget *widget : w().findChildren<QWidget *>()) {
            const auto *c = dynamic_cast<const forms::Control *>(widget);
            if (!c)
                continue;
            seen[c->name()] =
                c->visible()
                    ? QStringLiteral("%1 shown %2").arg(c->displayText()).arg(c->enabled() ? "on" : "off")
                    : QStringLiteral("hidden");
        }
        for (forms::MenuItem *item : w().findChildren<forms::MenuItem *>())
            seen[item->objectName()] = QStringLiteral("%1 %2 %3")
                                           .arg(item->caption())
                                           .arg(item->checked() ? "ticked" : "-")
                                           .arg(item->enabled() ? "on" : "off");
        const GameClock &clock = state.clock;
        const AccountState &account = state.account;
        const TradingCalendar &calendar = state.market.GameCalendar;
        seen[QStringLiteral("(window)")] = w().enabled() ? "on" : "off";
        seen[QStringLiteral("(clock)")] = QStringLiteral("%1 %2 %3 %4 %5")
                                              .arg(clock.tradeDay)
                                              .arg(clock.restartMode)
                                              .arg(clock.gameDataLoaded)
                                              .arg(clock.endOfCalendar)
                                              .arg(clock.advanceInProgress);
        seen[QStringLiteral("(account)")] = QStringLiteral("%1 %2 %3 %4 %5 %6")
                                                .arg(account.accountValue)
                                                .arg(account.realizedPL)
                                                .arg(account.unrealizedPL)
                                                .arg(account.score)
                                                .arg(account.totalTrades)
                                                .arg(account.totalCommissions);
        seen[QStringLiteral("(game)")] = QStringLiteral("%1 %2 %3 %4 %5")
                                             .arg(static_cast<int>(state.settings.dataType))
                                             .arg(state.settings.gameLength)
                                             .arg(state.settings.startDate)
                                             .arg(state.settings.endDate)
                                             .arg(static_cast<int>(state.settings.level));
        seen[QStringLiteral("(calendar)")] =
            QStringLiteral("%1 %2 %3").arg(calendar.Count).arg(calendar.Position).arg(calendar.Days.front());
        for (Instrument i : kAllInstruments)
            seen[QStringLiteral("(book %1)").arg(commodityId(i))] = QStringLiteral("%1 %2 %3")
                                                                        .arg(state.book(i).position)
                                                                        .arg(state.book(i).lotCount)
                                                                        .arg(state.market.series(i).Cursor);
        return seen;
    }

    // What differs between two snapshots, by name.
    static std::map<QString, std::pair<QString, QString>> differences(const std::map<QString, QString> &a,
                                                                      const std::map<QString, QString> &b)
    {
        std::map<QString, std::pair<QString, QString>> diff;
        for (const auto &[name, value] : a) {
            const auto it = b.find(name);
            const QString other = it == b.end() ? QStringLiteral("(missing)") : it->second;
            if (other != value)
                diff[name] = {value, other};
        }
        return diff;
    }
};

// One Month from 1 January 1991: the six January days are played, then the click that reaches
// 1 February ends the game by its date, without a new period.
TEST_F(DailyGame, OneMonthIsSteppedToItsEndByDate)
{
    beginNewGame({Month});
    ASSERT_TRUE(state.clock.gameDataLoaded);
    EXPECT_EQ(w().LabelDay->caption(), "Day 1:");
    EXPECT_EQ(w().lblDay->caption(), "Monday");
    EXPECT_EQ(w().lblTradeTime->caption(), "4:00 pm");
    EXPECT_FALSE(w().btnTrade->enabled());

    const struct {
        const char *date, *weekday;
    } periods[] = {{"1/24/1991", "Thursday"}, {"1/25/1991", "Friday"},    {"1/28/1991", "Monday"},
                   {"1/29/1991", "Tuesday"},  {"1/30/1991", "Wednesday"}, {"1/31/1991", "Thursday"}};
    int16_t period = 0;
    for (const auto &p : periods) {
        SCOPED_TRACE(p.date);
        forward();
        ++period;
        EXPECT_EQ(state.clock.tradeDay, period);
        EXPECT_EQ(w().LabelDay->caption(), QStringLiteral("Date: ") + p.date);
        EXPECT_EQ(w().lblDay->caption(), p.weekday);
        EXPECT_EQ(w().lblTradeTime->caption(), "4:00 pm");
        EXPECT_EQ(state.book(Instrument::Oil).price, fixturePrice(3, period - 1));
        EXPECT_TRUE(w().btnChangePeriod->enabled() && w().btnTrade->enabled());
        EXPECT_TRUE(w().enabled() && w().mnuGame->enabled());
        EXPECT_FALSE(state.clock.advanceInProgress);
        EXPECT_EQ(w().mnuNewGame->caption(), "&Restart");
        for (forms::MenuItem *item : settingsItems())
            EXPECT_FALSE(item->enabled()) << item->objectName().toStdString();
    }
    EXPECT_TRUE(state.clock.tradingStarted);
    EXPECT_TRUE(showsOf(QStringLiteral("frmGameOver")).empty());

    host.answerNext(ScriptedModalHost::click(QStringLiteral("btnEnd")));
    forward();
    const auto shows = showsOf(QStringLiteral("frmGameOver"));
    ASSERT_EQ(shows.size(), 1u);
    EXPECT_EQ(shows[0].caption, "Game Over");
    EXPECT_EQ(shows[0].text(QStringLiteral("label12")), "$0.00");
    EXPECT_EQ(state.clock.tradeDay, 6);
    EXPECT_EQ(w().LabelDay->caption(), "Date: 1/31/1991");
    EXPECT_FALSE(w().btnTradeHist->enabled() || w().btnNewsHist->enabled());
    EXPECT_EQ(programEnd.calls(), 1);
    EXPECT_EQ(programEnd.code(), 0);
    EXPECT_FALSE(state.priceDatabase.DbOpen);
}

// One Year: the fixture's eight days are the whole calendar. The last day is shown and the game ends
// in the same click, when the calendar has no further day.
TEST_F(DailyGame, OneYearIsPlayedToTheEndOfTheCalendar)
{
    beginNewGame();
    EXPECT_EQ(state.settings.gameLength, 365);
    host.answerNext(ScriptedModalHost::click(QStringLiteral("btnEnd")));
    EXPECT_EQ(forwardToTheEnd(), 8);
    EXPECT_EQ(state.clock.tradeDay, 8);
    EXPECT_TRUE(state.clock.endOfCalendar);
    EXPECT_EQ(w().LabelDay->caption(), "Date: 2/4/1991");
    EXPECT_EQ(state.book(Instrument::Oil).price, fixturePrice(3, 7));
    ASSERT_EQ(showsOf(QStringLiteral("frmGameOver")).size(), 1u);
    // A Daily game ends by its date or its data, long before its 365 periods: no final-day notice.
    EXPECT_TRUE(traderNotices().empty());
}

// "&Play Again" in the game-over window, or its close box: the same month from its first day, exactly
// as Game > "&Start" with the same options left it, but for the Game menu's "Start" and the settings
// menus, which stay free until the first period.
TEST_F(DailyGame, PlayAgainAfterTheGameOverIsANewGame)
{
    const struct {
        const char *how;
        ScriptedModalHost::Answer answer;
    } ways[] = {
        {"&Play Again", ScriptedModalHost::click(QStringLiteral("btnPlayAgain"))},
        {"the close box", ScriptedModalHost::unload()},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.how);
        beginNewGame({Month});
        const auto fresh = snapshot();
        forward();
        const QString firstDay = w().LabelDay->caption();
        const auto firstPrices = state.books;
        // A trade, so that there is something to reset.
        placeOrder(Instrument::Oil, OrderSide::Buy, QStringLiteral("2"));
        ASSERT_EQ(state.account.totalTrades, 1);

        host.answerNext(way.answer);
        forwardToTheEnd();
        ASSERT_FALSE(programEnd.ended());
        const auto diff = differences(fresh, snapshot());
        std::map<QString, std::pair<QString, QString>> expected{
            {"mnuNewGame", {"&Restart - on", "Start - on"}}};
        for (forms::MenuItem *item : settingsItems()) {
            const QString tick = item->checked() ? "ticked" : "-";
            expected[item->objectName()] = {QStringLiteral("%1 %2 off").arg(item->caption(), tick),
                                            QStringLiteral("%1 %2 on").arg(item->caption(), tick)};
        }
        EXPECT_EQ(diff, expected);
        EXPECT_EQ(state.clock.restartMode, 0);
        EXPECT_FALSE(state.settings.gameStarted);

        // The next "&Forward" plays the first period again.
        forward();
        EXPECT_EQ(state.clock.tradeDay, 1);
        EXPECT_EQ(w().LabelDay->caption(), firstDay);
        for (Instrument i : kAllInstruments)
            EXPECT_EQ(state.book(i).price, firstPrices[slotOf(i)].price) << commodityId(i);
        EXPECT_EQ(w().mnuNewGame->caption(), "&Restart");
        EXPECT_TRUE(w().btnTrade->enabled());

        // Back to a game that has not begun, for the next way.
        host.answerNext(ScriptedModalHost::click(QStringLiteral("btnRestartGame")));
        w().mnuEnd->click();
    }
}

// A forced fill in the margin test stops the click: the period stays, and the next click plays it.
TEST_F(DailyGame, ALiquidationStopsTheAdvanceWithoutANewPeriod)
{
    beginNewGame({Month});
    forward();
    forward();
    // Five SP500 contracts need 104,000 of margin: more than the account holds.
    fill(state, Instrument::SP500, 5, state.book(Instrument::SP500).price);
    RecalcAccount(state, Level::Expert);
    host.setDefaultAnswer(ScriptedModalHost::click(QStringLiteral("btnOkay")));
    forward();
    EXPECT_EQ(state.clock.tradeDay, 2);
    EXPECT_TRUE(state.clock.liquidationOccurred);
    EXPECT_LT(state.book(Instrument::SP500).position, 5.0f);
    EXPECT_FALSE(notices().empty());
    EXPECT_FALSE(state.clock.advanceInProgress);
    EXPECT_TRUE(w().enabled() && w().mnuGame->enabled() && w().mnuSettings->enabled());
    EXPECT_TRUE(w().btnChangePeriod->visible() && w().btnChangePeriod->enabled());
    EXPECT_TRUE(w().btnTrade->visible() && w().btnTrade->enabled());
    EXPECT_TRUE(w().btnTradeHist->enabled());
    EXPECT_FALSE(w().btnBuy->visible());

    forward();
    EXPECT_EQ(state.clock.tradeDay, 3);
    EXPECT_FALSE(state.clock.liquidationOccurred);
    EXPECT_EQ(w().LabelDay->caption(), "Date: 1/28/1991");
    EXPECT_EQ(state.book(Instrument::Oil).price, fixturePrice(3, 2));
}

// An account lost by the time of the margin test: the blow-out summary. "&Play Again" ends the click
// with the game back at period 0, no period started; "&End" ends the program there.
TEST_F(DailyGame, ABlowOutInTheMarginTest)
{
    for (const char *button : {"btnPlayAgain", "btnEnd"}) {
        SCOPED_TRACE(button);
        beginNewGame({Month});
        forward();
        forward();
        state.account.accountValue = -100.0f;
        answerSummaries(QString::fromLatin1(button));
        const size_t before = showsOf(QStringLiteral("frmGameOver")).size();
        forward();
        ASSERT_EQ(showsOf(QStringLiteral("frmGameOver")).size(), before + 1);
        if (programEnd.ended()) {
            EXPECT_EQ(std::string(button), "btnEnd");
            EXPECT_FALSE(state.priceDatabase.DbOpen);
            break;
        }
        EXPECT_EQ(state.clock.tradeDay, 0);
        EXPECT_EQ(state.clock.restartMode, 0);
        EXPECT_FALSE(state.clock.advanceInProgress);
        EXPECT_EQ(state.account.accountValue, 100000.0f);
        EXPECT_EQ(w().LabelDay->caption(), "Day 1:");
        EXPECT_TRUE(w().enabled() && w().mnuGame->enabled());
        EXPECT_TRUE(w().btnChangePeriod->enabled() && !w().btnTrade->enabled());
        forward();
        EXPECT_EQ(state.clock.tradeDay, 1);
        EXPECT_EQ(w().LabelDay->caption(), "Date: 1/24/1991");
        host.setDefaultAnswer({});
        host.answerNext(ScriptedModalHost::click(QStringLiteral("btnRestartGame")));
        w().mnuEnd->click();
    }
}

// A game whose length the Daily calendar reaches takes the final-period path: its clock stays on the
// period (the Tick formula would send it to 48), and the summary shows the commissions.
TEST_F(DailyGame, AFinalPeriodKeepsTheDailyClock)
{
    beginNewGame({Month});
    state.settings.gameLength = 3;
    forward();
    placeOrder(Instrument::Oil, OrderSide::Buy, QStringLiteral("1"));
    forward();
    int16_t periodShown = -1;
    host.answerNext([&](forms::Form &window) {
        periodShown = state.clock.tradeDay;
        ScriptedModalHost::click(QStringLiteral("btnPlayAgain"))(window);
    });
    forward();
    EXPECT_EQ(periodShown, 3);
    const auto shows = showsOf(QStringLiteral("frmGameOver"));
    ASSERT_EQ(shows.size(), 1u);
    const ModalShow &shown = shows[0];
    EXPECT_EQ(shown.owner, "Halvern");
    EXPECT_EQ(shown.text(QStringLiteral("Label1")), "Commissions:");
    EXPECT_EQ(shown.text(QStringLiteral("label12")), "$20.00");
    EXPECT_FALSE(shown.control(QStringLiteral("Label5")).visible);
    EXPECT_FALSE(shown.control(QStringLiteral("Label10")).visible);
    EXPECT_EQ(w().lblTradeTime->caption(), "4:00 pm");
    // The window's caption stays "Commissions:" once it has closed.
    EXPECT_EQ(forms.get<frmGameOver>().Label1->caption(), "Commissions:");
    // "&Play Again" reset the game in the same click.
    EXPECT_EQ(state.clock.tradeDay, 0);
    EXPECT_EQ(state.clock.restartMode, 0);
    EXPECT_EQ(state.settings.gameLength, 30);
    EXPECT_FALSE(w().btnTrade->enabled());
    EXPECT_TRUE(w().btnChangePeriod->enabled());
}

// A reload that fails during "&Play Again" is reported; the game is left idle, or, when the database
// cannot be opened at all, the program ends as at start-up.
TEST_F(DailyGame, AFailedReloadLeavesTheGameIdle)
{
    const struct {
        const char *what;
        const char *sql;
        bool ends;
    } cases[] = {
        {"no trading day any more", "DELETE FROM DailyData", false},
        {"a table gone", "DROP TABLE DailyData", false},
        {"the password changed", "UPDATE DatabaseInfo SET Value = 'other' WHERE Name = 'Password'", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        FixtureDb other;
        addDailyCloses(other, dailyDays());
        pointAt(state, other);
        GameState &game = state;
        beginNewGame({Month});
        ASSERT_TRUE(game.clock.gameDataLoaded);
        forward();
        other.exec(QString::fromLatin1(c.sql));
        host.answerNext(ScriptedModalHost::click(QStringLiteral("btnPlayAgain")));
        host.answerNext(ScriptedModalHost::click(QStringLiteral("btnOkay")));
        const size_t before = host.shows().size();
        forwardToTheEnd();
        ASSERT_EQ(host.shows().size(), before + 2);
        const ModalShow &notice = host.shows().back();
        EXPECT_EQ(notice.form, "frmPlayerNotification");
        EXPECT_EQ(notice.caption, "Tarvello");
        EXPECT_FALSE(notice.text(QStringLiteral("Label1")).isEmpty());
        if (c.ends) {
            EXPECT_EQ(programEnd.code(), 1);
            EXPECT_FALSE(game.priceDatabase.DbOpen);
            break; // nothing more runs after the program's end
        }
        EXPECT_FALSE(programEnd.ended());
        EXPECT_FALSE(game.clock.gameDataLoaded);
        EXPECT_FALSE(w().btnChangePeriod->enabled());
        EXPECT_FALSE(w().btnTrade->enabled());
        EXPECT_EQ(w().mnuNewGame->caption(), "&Start");
        for (forms::MenuItem *item : settingsItems())
            EXPECT_TRUE(item->enabled()) << item->objectName().toStdString();
        EXPECT_EQ(game.clock.tradeDay, 0);
        CloseDatabase(game.priceDatabase);
    }
    pointAt(state, fixture);
}

} // namespace
} // namespace tarvello::test
