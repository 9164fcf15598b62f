#include "AdvanceFixture.h"

#include "flow/ui/EndOfGame.h"

#include <functional>
#include <optional>
#include <string>

namespace tarvello::test {
namespace {

using EndCommand = AdvanceTest;

const QStringList kLabels = {"Label1", "Label2", "Label3", "Label4",  "Label5",  "Label6",
                             "Label7", "Label8", "Label9", "Label10", "Label11", "label12"};

// Before any game there is nothing to play again: the button is off while the window is up, and on
// again once it has gone.
TEST_F(EndCommand, BeforeAnyGame)
{
    host.answerNext(ScriptedModalHost::click(QStringLiteral("btnContinue")));
    w().mnuEnd->click();
    ASSERT_EQ(host.shows().size(), 1u);
    const ModalShow &shown = host.shows()[0];
    EXPECT_EQ(shown.form, "frmEndofGame");
    EXPECT_EQ(shown.caption, "Game Over ");
    EXPECT_EQ(shown.owner, "Halvern");
    EXPECT_FALSE(shown.control(QStringLiteral("btnRestartGame")).enabled);
    EXPECT_TRUE(forms.get<frmEndofGame>().btnRestartGame->enabled());
    EXPECT_FALSE(programEnd.ended());
    EXPECT_FALSE(w().btnChangePeriod->enabled());
    EXPECT_TRUE(w().enabled() && w().mnuGame->enabled() && w().mnuSettings->enabled());
}

// The summary of the game so far; the rating only after period 45.
TEST_F(EndCommand, TheSummaryAndItsRating)
{
    const struct {
        int16_t tradeDay;
        const char *rating;
    } cases[] = {{45, ""}, {46, "Remember to Let Gains Run"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tradeDay);
        startGame(Level::Expert, c.tradeDay);
        state.account.realizedPL = 1000.0;
        state.account.unrealizedPL = -250.0;
        state.account.totalCommissions = 20.0f;
        host.answerNext(ScriptedModalHost::click(QStringLiteral("btnContinue")));
        w().mnuEnd->click();
        const ModalShow &shown = host.shows().back();
        EXPECT_EQ(shown.text(QStringLiteral("Label1")), c.rating);
        EXPECT_EQ(shown.text(QStringLiteral("Label7")), "$750.00");
        EXPECT_EQ(shown.text(QStringLiteral("Label4")), "$1,000.00");
        EXPECT_EQ(shown.text(QStringLiteral("Label3")), "$-250.00");
        EXPECT_EQ(shown.text(QStringLiteral("label12")), "$20.00");
        EXPECT_FALSE(shown.control(QStringLiteral("Label5")).visible);
        EXPECT_FALSE(shown.control(QStringLiteral("Label10")).visible);
        EXPECT_EQ(state.account.score, 750.0f);
        // "&Continue": the game goes on where it stood.
        EXPECT_EQ(state.clock.tradeDay, c.tradeDay);
        EXPECT_TRUE(w().btnChangePeriod->enabled() && w().btnTrade->enabled());
        EXPECT_TRUE(w().enabled() && w().mnuGame->enabled());
        EXPECT_EQ(w().CurrMarkBanner->caption(), "  Current Market:    (Last Trade  *  Change)");
    }
}

// Both windows colour themselves from the main window's scheme each time they come up.
TEST_F(EndCommand, TheWindowsFollowTheScheme)
{
    const struct {
        forms::VbColor scheme, text, back;
    } cases[] = {
        {0x000000, 0x00FFFF, 0xFF0000},
        {0xC0C0C0, 0x00FFFF, 0xFF0000},
        {0xFFFFFF, 0xFFFFFF, 0x000000},
        {0x808080, 0xFFFFFF, 0x000000}, // any other scheme is taken as monochrome
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.scheme);
        w().setBackColor(c.scheme);
        host.answerNext(ScriptedModalHost::click(QStringLiteral("btnContinue")));
        w().mnuEnd->click();
        host.answerNext([](forms::Form &f) { f.setVisible(false); });
        forms.get<frmGameOver>().showModal(&w());
        const auto shows = host.shows();
        for (const ModalShow &shown : {shows[shows.size() - 2], shows.back()}) {
            SCOPED_TRACE(shown.form.toStdString());
            EXPECT_EQ(shown.foreColor, c.text);
            EXPECT_EQ(shown.backColor, c.back);
            for (const QString &label : kLabels) {
                EXPECT_EQ(shown.control(label).foreColor, c.text) << label.toStdString();
                EXPECT_EQ(shown.control(label).backColor, c.back) << label.toStdString();
            }
        }
    }
}

// The game-over window refreshes its amounts, the commissions among them, whenever it comes up.
TEST_F(EndCommand, TheGameOverWindowShowsTheCommissions)
{
    state.account.realizedPL = 1000.0;
    state.account.unrealizedPL = -250.0;
    state.account.totalCommissions = 60.0f;
    host.answerNext([](forms::Form &f) { f.setVisible(false); });
    forms.get<frmGameOver>().showModal(&w());
    const ModalShow &shown = host.shows().back();
    EXPECT_EQ(shown.text(QStringLiteral("Label7")), "$750.00");
    EXPECT_EQ(shown.text(QStringLiteral("Label3")), "$-250.00");
    EXPECT_EQ(shown.text(QStringLiteral("Label4")), "$1,000.00");
    EXPECT_EQ(shown.text(QStringLiteral("Label1")), "Commissions:");
    EXPECT_EQ(shown.text(QStringLiteral("label12")), "$60.00");
}

// "&Continue" before the first period gives "&Forward" back only to a game that is set up and loaded.
TEST_F(EndCommand, ContinueBeforeTheFirstPeriod)
{
    const struct {
        const char *what;
        int16_t year;
        bool loaded;
        bool forward;
    } cases[] = {
        {"a game of 1997", 1997, true, true},
        {"no year chosen", 0, true, false},
        {"a game whose data did not load", 1997, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        state.settings.gameYear = c.year;
        state.clock.gameDataLoaded = c.loaded;
        w().btnChangePeriod->setEnabled(false);
        host.answerNext(ScriptedModalHost::click(QStringLiteral("btnContinue")));
        w().mnuEnd->click();
        EXPECT_EQ(w().btnChangePeriod->enabled(), c.forward);
        EXPECT_TRUE(w().enabled());
    }
}

// The end-of-game window's three ways out in the middle of a Daily game.
TEST_F(EndCommand, TheWaysOutOfTheEndOfGameWindow)
{
    addDailyCloses(fixture, dailyDays());
    const struct {
        const char *how;
        ScriptedModalHost::Answer answer;
        bool goesOn; // the game stays where it stood
        bool ends;
    } ways[] = {
        {"&Continue", ScriptedModalHost::click(QStringLiteral("btnContinue")), true, false},
        {"the close box", ScriptedModalHost::unload(), true, false},
        {"&Play Again", ScriptedModalHost::click(QStringLiteral("btnRestartGame")), false, false},
        {"&End", ScriptedModalHost::click(QStringLiteral("btnExit")), false, true},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.how);
        beginNewGame({Month});
        forward();
        forward();
        host.answerNext(way.answer);
        w().mnuEnd->click();
        EXPECT_EQ(programEnd.ended(), way.ends);
        if (way.ends) {
            EXPECT_EQ(programEnd.code(), 0);
            EXPECT_FALSE(state.priceDatabase.DbOpen);
            break;
        }
        EXPECT_EQ(state.clock.restartMode, 0);
        EXPECT_TRUE(w().enabled() && w().mnuGame->enabled());
        EXPECT_TRUE(w().btnChangePeriod->enabled());
        EXPECT_EQ(w().btnTrade->enabled(), way.goesOn);
        EXPECT_EQ(state.clock.tradeDay, way.goesOn ? 2 : 0);
        forward();
        EXPECT_EQ(w().LabelDay->caption(), way.goesOn ? "Date: 1/28/1991" : "Date: 1/24/1991");
        // Back to a game that has not begun, for the next way.
        host.answerNext(ScriptedModalHost::click(QStringLiteral("btnRestartGame")));
        w().mnuEnd->click();
    }
}

// "&Play Again" in the middle of an order, with the trade history open, in an Expert game of one
// quarter: the screen of a new game, the charts back and the length from the Game Length menu.
TEST_F(EndCommand, PlayAgainPutsTheScreenBack)
{
    addDailyCloses(fixture, dailyDays());
    beginNewGame({Quarter});
    forward();
    forward();
    w().btnTrade->click(); // the instrument buttons are up
    w().TradeGrid->setVisible(true);
    w().GraphLeft->setVisible(false);
    w().GraphRight->setVisible(false);
    state.settings.gameLength = 7;
    host.answerNext(ScriptedModalHost::click(QStringLiteral("btnRestartGame")));
    w().mnuEnd->click();
    EXPECT_EQ(state.clock.tradeDay, 0);
    EXPECT_EQ(state.settings.gameLength, 90);
    for (Instrument i : kAllInstruments) {
        EXPECT_FALSE(instrumentButton(w(), i)->visible()) << commodityId(i);
        EXPECT_TRUE(marketLabel(w(), i)->visible()) << commodityId(i);
    }
    EXPECT_FALSE(w().btnHold->visible() || w().btnBuy->visible() || w().shapeTradeCentral->visible());
    EXPECT_EQ(w().lblTraderInput->caption(), "Trader Input:");
    EXPECT_TRUE(w().GraphLeft->visible() && w().GraphRight->visible());
    EXPECT_FALSE(w().TradeGrid->visible());
    EXPECT_EQ(w().LabelDay->caption(), "Day 1:");
    EXPECT_EQ(w().lblDay->caption(), "Monday");
    EXPECT_FALSE(w().lblTotTrades->visible());
    EXPECT_EQ(w().mnuNewGame->caption(), "Start");
    EXPECT_TRUE(w().btnChangePeriod->visible() && w().btnChangePeriod->enabled());
    EXPECT_TRUE(w().btnTrade->visible() && !w().btnTrade->enabled());
    for (forms::MenuItem *item : settingsItems())
        EXPECT_TRUE(item->enabled()) << item->objectName().toStdString();
    EXPECT_TRUE(w().enabled() && w().mnuGame->enabled());
    EXPECT_EQ(state.clock.restartMode, 0);
}

// Game > "&Restart" during a game shows the summary without waiting. "&Play Again" from there resets the
// game as fully as from a window someone waits for; Game > "&End" meanwhile shows the same window and
// waits for it.
TEST_F(EndCommand, TheSummaryShownDuringAGame)
{
    addDailyCloses(fixture, dailyDays());
    beginNewGame({Month});
    forward();
    w().mnuNewGame->click();
    frmEndofGame &summary = forms.get<frmEndofGame>();
    ASSERT_TRUE(summary.visible());
    const size_t shows = host.shows().size();
    host.answerNext(ScriptedModalHost::click(QStringLiteral("btnContinue")));
    w().mnuEnd->click();
    ASSERT_EQ(host.shows().size(), shows + 1);
    EXPECT_EQ(host.shows().back().form, "frmEndofGame");
    EXPECT_FALSE(summary.visible());

    w().mnuNewGame->click();
    ASSERT_TRUE(summary.visible());
    summary.btnRestartGame->click();
    EXPECT_FALSE(summary.visible());
    EXPECT_EQ(state.clock.tradeDay, 0);
    EXPECT_TRUE(state.clock.gameDataLoaded);
    EXPECT_TRUE(w().btnChangePeriod->enabled() && !w().btnTrade->enabled());
    for (forms::MenuItem *item : settingsItems())
        EXPECT_TRUE(item->enabled()) << item->objectName().toStdString();
    forward();
    EXPECT_EQ(state.clock.tradeDay, 1);
    EXPECT_EQ(state.clock.restartMode, 0);
    EXPECT_EQ(w().LabelDay->caption(), "Date: 1/24/1991");
    EXPECT_TRUE(w().btnTrade->enabled());
}

// Game > "&Restart" leaves the end-of-game window up while the game goes on. Played to its end and
// started again from the game-over window, the game stands before its first period when "&Continue"
// of the window still up is pressed: no End command waits for that window, so the main window is
// usable again at once.
TEST_F(EndCommand, ContinueOfASummaryNobodyWaitsFor)
{
    addDailyCloses(fixture, dailyDays());
    beginNewGame({Month});
    forward();
    forward();
    w().mnuNewGame->click();
    frmEndofGame &summary = forms.get<frmEndofGame>();
    ASSERT_TRUE(summary.visible());
    answerSummaries(QStringLiteral("btnPlayAgain"));
    forwardToTheEnd();
    ASSERT_EQ(showsOf(QStringLiteral("frmGameOver")).size(), 1u);
    ASSERT_EQ(state.clock.tradeDay, 0);
    ASSERT_TRUE(summary.visible());

    summary.btnContinue->click();
    EXPECT_FALSE(summary.visible());
    EXPECT_TRUE(w().enabled());
    EXPECT_TRUE(w().mnuGame->enabled() && w().mnuSettings->enabled());
    EXPECT_TRUE(w().btnChangePeriod->enabled());
    forward();
    EXPECT_EQ(state.clock.tradeDay, 1);
    EXPECT_EQ(w().LabelDay->caption(), "Date: 1/24/1991");
}

// The level menu counts as a game started, so Game > "&End" before any game offers "&Play Again".
// With no game set up there is nothing to play again: it begins a new game as Game > "&Start" does,
// through the options dialog. "&Begin" sets the game up; cancelled, the program stays idle with
// "&Forward" off.
TEST_F(EndCommand, PlayAgainBeforeAnyGameIsANewGame)
{
    addDailyCloses(fixture, dailyDays());
    for (bool begin : {false, true}) {
        SCOPED_TRACE(begin ? "&Begin" : "cancelled");
        w().mnuLevel[0]->click(); // Options > Level > "&Novice"
        host.answerNext(ScriptedModalHost::click(QStringLiteral("btnRestartGame")));
        host.answerNext(ScriptedModalHost::click(begin ? QStringLiteral("cmdBegin") : QStringLiteral("cmdReset")));
        w().mnuEnd->click();
        ASSERT_FALSE(programEnd.ended());
        EXPECT_EQ(host.shows().back().form, "frmTimePeriod");
        EXPECT_FALSE(forms.get<frmEndofGame>().visible());
        EXPECT_TRUE(w().enabled() && w().mnuGame->enabled());
        EXPECT_EQ(state.clock.gameDataLoaded, begin);
        EXPECT_EQ(w().btnChangePeriod->enabled(), begin);
        EXPECT_EQ(w().mnuNewGame->caption(), begin ? "&Restart" : "&Start");
        forward();
        EXPECT_EQ(state.clock.tradeDay, begin ? 1 : 0);
    }
}

// "&Play Again" with a history report open, from either summary window and from the one Game >
// "&Restart" leaves up, at both levels: the charts come back with the chart menus the report switched
// off, as closing the report gives them back, and at Expert with the instrument list, as a new game
// has them.
TEST_F(EndCommand, PlayAgainWithAReportOpenGivesTheChartsBack)
{
    addDailyCloses(fixture, dailyDays());
    const struct {
        const char *window;
        std::function<void()> playAgain;
    } ways[] = {
        {"frmEndofGame",
         [this] {
             host.answerNext(ScriptedModalHost::click(QStringLiteral("btnRestartGame")));
             w().mnuEnd->click();
         }},
        // However the game ended, its game-over window answered with "&Play Again".
        {"frmGameOver",
         [this] {
             host.answerNext(ScriptedModalHost::click(QStringLiteral("btnPlayAgain")));
             forms.get<frmGameOver>().showModal(&w());
         }},
        {"Game > Restart",
         [this] {
             w().mnuNewGame->click();
             forms.get<frmEndofGame>().btnRestartGame->click();
         }},
    };
    for (const GameOption level : {Expert, Novice}) {
        const bool expert = level == Expert;
        for (const auto &way : ways) {
            SCOPED_TRACE(std::string(way.window) + (expert ? " Expert" : " Novice"));
            beginNewGame({level, Month});
            ASSERT_EQ(w().cboCommodity->visible(), expert);
            forward();
            placeOrder(expert ? std::optional(Instrument::Oil) : std::nullopt, OrderSide::Buy,
                       QStringLiteral("1"));
            w().btnTradeHist->click();
            ASSERT_TRUE(w().TradeGrid->visible());
            ASSERT_FALSE(w().mnuGraphOpt->enabled() || w().mnuGraphType->enabled());

            way.playAgain();
            EXPECT_EQ(state.clock.tradeDay, 0);
            EXPECT_FALSE(w().TradeGrid->visible());
            EXPECT_TRUE(w().GraphLeft->visible());
            EXPECT_EQ(w().cboCommodity->visible(), expert);
            EXPECT_TRUE(w().mnuGraphOpt->enabled() && w().mnuGraphType->enabled());
        }
    }
}

} // namespace
} // namespace tarvello::test
