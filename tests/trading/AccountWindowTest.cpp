#include "TradingWindowFixture.h"

#include "account/ProfitLoss.h"
#include "data/PriceDatabase.h"
#include "support/FixtureGames.h"
#include "windows/frmEndofGame.h"
#include "windows/frmGameOver.h"

namespace tarvello::test {
namespace {

using AccountWindow = TradingWindowTest;
using tarvello::testing::fill;
using tarvello::testing::setPrice;

const QString kBlowOut = QStringLiteral("You Blew Out of the Game, by Losing All of Your Money!");

// The panel's value labels, in the order the panel lists them.
std::vector<QString> panel(Halvern &w)
{
    std::vector<QString> texts;
    for (forms::Label *label : {w.lblEq, w.lblPercentGL, w.lblRPL, w.lblUPL, w.lblLIAB, w.lblAvailMarg,
                                w.lblPosMargPercent, w.lblScore, w.lblTotTrades, w.lblSP500Pos})
        texts.push_back(label->caption());
    return texts;
}

TEST_F(AccountWindow, ThePanelAfterFillsAndAPriceMove)
{
    startGame(Level::Expert);
    EXPECT_EQ(panel(w()), (std::vector<QString>{"100,000.00", "0.00%", "0.00", "0.00", "0.00", "100,000.00",
                                                "100.00%", "$0.00", "0", "0"}));

    placeOrder(Instrument::SP500, OrderSide::Buy, QStringLiteral("3"));
    EXPECT_EQ(panel(w()), (std::vector<QString>{"100,000.00", "0.00%", "0.00", "0.00", "62,400.00",
                                                "37,600.00", "37.60%", "$0.00", "1", "3"}));

    // Ten points up on three contracts at 500 dollars a point.
    setPrice(state, Instrument::SP500, 465.6);
    CheckBlowOut(app);
    EXPECT_EQ(panel(w()), (std::vector<QString>{"115,000.00", "15.00%", "0.00", "15,000.00", "62,400.00",
                                                "52,600.00", "45.74%", "$15,000.00", "1", "3"}));

    placeOrder(Instrument::SP500, OrderSide::Sell, QStringLiteral("3"));
    EXPECT_EQ(panel(w()), (std::vector<QString>{"115,000.00", "15.00%", "15,000.00", "0.00", "0.00",
                                                "115,000.00", "100.00%", "$15,000.00", "2", "0"}));
    EXPECT_EQ(state.account.score, 15000.0f);
    EXPECT_EQ(state.account.totalCommissions, 40.0f);
}

TEST_F(AccountWindow, AMarginCallIsEnforcedAtTheNextForward)
{
    startGame(Level::Novice, 2);
    fill(state, Instrument::Oil, -10, 18.25); // 20,250 of margin on a 10,000 account
    UpdateAccountDisplay(app);
    MarginCallCheck(app);
    ASSERT_EQ(notices().size(), 1u);
    EXPECT_EQ(notices()[0], (Notice{"*** Immediately Liquidate Positions ***",
                                    "You have a margin call equaling  $10,250.00 dollars", 1}));
    EXPECT_EQ(w().lblPosMargPercent->caption(), "-102.50%");

    // Six contracts bought back cover the 10,250 deficit; the click then ends with the area at rest.
    EXPECT_TRUE(CheckMarginAndLiquidate(app));
    ASSERT_EQ(notices().size(), 2u);
    EXPECT_EQ(notices()[1], (Notice{"* Margin Call Liquidation *", "Mandatory Buy: 6 Oil at $18.25", 2}));
    EXPECT_EQ(w().lblOilPos->caption(), "-4");
    EXPECT_EQ(w().lblTotTrades->caption(), "1");
    ASSERT_EQ(state.account.totalTrades, 1);
    const TradeRecord &record = state.trades.ofGame(1)[0];
    EXPECT_EQ(record.transaction, "Buy - Margin Call");
    EXPECT_EQ(record.units, 6.0f);
    EXPECT_EQ(record.price, 18.25f);
    EXPECT_EQ(state.order.orderKind, OrderKind::Player);
    EXPECT_EQ(state.order.orderSide, OrderSide::None);
    EXPECT_TRUE(showsOf("frmTradeConfirmation").empty()); // a forced fill is not confirmed
    EXPECT_TRUE(w().btnTrade->visible() && w().btnTrade->enabled());
    EXPECT_EQ(state.account.totalCommissions, 0.0f);

    // The excess is no longer negative: the next test finds nothing to do, and the next period's
    // check has nothing to announce.
    EXPECT_FALSE(CheckMarginAndLiquidate(app));
    EXPECT_EQ(state.account.totalTrades, 1);
    MarginCallCheck(app);
    EXPECT_EQ(notices().size(), 2u);
}

TEST_F(AccountWindow, NoMarginTestInTheFirstPeriod)
{
    startGame(Level::Novice, 1);
    fill(state, Instrument::Oil, -10, 18.25);
    EXPECT_FALSE(CheckMarginAndLiquidate(app));
    EXPECT_EQ(state.book(Instrument::Oil).position, -10.0f);
    EXPECT_TRUE(host.shows().empty());
}

// An Expert game with ten Oil contracts bought at 20 and the price now at 5: the next fill finds the
// account lost. "&Play Again" reloads the game's month of prices from a fixture.
class BlowOut : public AccountWindow {
protected:
    BlowOut()
    {
        addDailyCloses(fixture, weekdays(QDate(1990, 1, 2), 5));
        describeGame(state, fixture, DataKind::Daily, GameLengthOption::OneMonth, Day(1990, 1, 1),
                     Day(1990, 2, 1));
    }
    ~BlowOut() override { CloseDatabase(state.priceDatabase); }

    void loseTheAccount()
    {
        startGame(Level::Expert);
        fill(state, Instrument::Oil, 10, 20.0);
        setPrice(state, Instrument::Oil, 5.0);
        UpdateAccountDisplay(app);
    }

    FixtureDb fixture;
};

TEST_F(BlowOut, AFillThatLosesTheAccountEndsTheGame)
{
    loseTheAccount();
    w().setTwipLeft(600);
    w().setTwipTop(300);
    host.answerNext(ScriptedModalHost::click(QStringLiteral("Command1")));
    host.answerNext(ScriptedModalHost::click(QStringLiteral("btnPlayAgain")));
    chooseOrder(Instrument::Oil, OrderSide::Sell);
    enterQuantity(QStringLiteral("1"));
    w().btnYes->click();

    const auto shows = showsOf("frmGameOver");
    ASSERT_EQ(shows.size(), 1u);
    const ModalShow &shown = shows[0];
    EXPECT_EQ(shown.caption, "Game Over");
    EXPECT_EQ(shown.owner, "Halvern");
    EXPECT_EQ(shown.text("Label2"), kBlowOut);
    EXPECT_EQ(shown.text("Label3"), "$-135,000.00");
    EXPECT_EQ(shown.text("Label4"), "$-15,000.00");
    EXPECT_EQ(shown.text("Label5"), "");
    EXPECT_EQ(shown.text("Label7"), "$-150,000.00");
    EXPECT_FALSE(shown.controls.at("Label10").visible);

    const frmGameOver &window = forms.get<frmGameOver>();
    // Centred over the main window (9,540 x 7,220 twips outside) with its own outer 5,500 x 3,675.
    EXPECT_EQ(window.twipWidth(), 5500);
    EXPECT_EQ(window.twipHeight(), 3675);
    EXPECT_EQ(window.twipLeft(), 2620);
    EXPECT_EQ(window.twipTop(), 2073); // 300 + 1,772.5, to the nearest twip

    // "&Play Again": the game waits for "&Forward" to play its first period again, its account and
    // score reset.
    EXPECT_FALSE(programEnd.ended());
    EXPECT_EQ(state.clock.restartMode, 1);
    EXPECT_EQ(state.clock.tradeDay, 0);
    EXPECT_EQ(state.account.accountValue, 100000.0f);
    EXPECT_EQ(state.account.score, 0.0f);
    EXPECT_EQ(w().lblScore->caption(), "$0.00");
    EXPECT_TRUE(w().btnChangePeriod->visible() && w().btnChangePeriod->enabled());
    EXPECT_TRUE(w().btnTrade->visible() && !w().btnTrade->enabled());
    EXPECT_EQ(w().CurrMarkBanner->caption(), "  Current Market:    (Last Trade  *  Change)");
    EXPECT_TRUE(w().enabled());
}

TEST_F(BlowOut, WithoutPlayAgainTheProgramEnds)
{
    const struct {
        const char *name;
        ScriptedModalHost::Answer answer;
        bool playsAgain;
    } ways[] = {
        {"&End", ScriptedModalHost::click(QStringLiteral("btnEnd")), false},
        // The window's buttons are the only way on; should it be left any other way, a lost account is
        // never played on.
        {"left unanswered", {}, false},
        {"the close box", ScriptedModalHost::unload(), true},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.name);
        RecordingProgramEnd end;
        tarvello::testing::ScriptedRandom draws;
        GameState game;
        ScriptedModalHost modal;
        forms::FormRegistry registry{modal};
        App other{game, registry, end, draws, clock, QString()};
        connectTradingWindows(other);
        describeGame(game, fixture, DataKind::Daily, GameLengthOption::OneMonth, Day(1990, 1, 1),
                     Day(1990, 2, 1));
        game.settings.level = Level::Expert;
        setupAccountForLevel(game, Level::Expert);
        resetAccountForNewGame(game);
        game.clock.tradeDay = 3;
        fill(game, Instrument::Oil, 10, 20.0);
        setPrice(game, Instrument::Oil, 5.0);

        modal.answerNext(way.answer);
        CheckBlowOutForwarder(other);
        ASSERT_EQ(modal.shows().size(), 1u);
        EXPECT_EQ(modal.shows()[0].form, "frmGameOver");
        EXPECT_EQ(end.ended(), !way.playsAgain);
        EXPECT_LE(end.calls(), 1);
        EXPECT_EQ(game.clock.restartMode, way.playsAgain ? 1 : 0);
        CloseDatabase(game.priceDatabase);
    }
}

TEST_F(BlowOut, TheMarginTestLeavesTheWindowWhereItWas)
{
    loseTheAccount();
    RecalcAccount(state, Level::Expert);
    frmGameOver &window = forms.get<frmGameOver>();
    window.setTwipLeft(120);
    window.setTwipTop(240);
    w().setTwipLeft(3000);
    host.answerNext(ScriptedModalHost::click(QStringLiteral("btnPlayAgain")));
    EXPECT_FALSE(CheckMarginAndLiquidate(app)); // the blow-out, and no forced fill
    ASSERT_EQ(showsOf("frmGameOver").size(), 1u);
    EXPECT_EQ(window.twipLeft(), 120);
    EXPECT_EQ(window.twipTop(), 240);
    EXPECT_EQ(state.account.totalTrades, 0);
    EXPECT_TRUE(w().btnTrade->visible() && !w().btnTrade->enabled()); // the stage "Restart"

    // The margin-call check at the start of a period centres it. "&Play Again" gave a fresh account:
    // lose it again.
    loseTheAccount();
    RecalcAccount(state, Level::Expert);
    host.answerNext(ScriptedModalHost::click(QStringLiteral("btnPlayAgain")));
    MarginCallCheckForwarder(app);
    ASSERT_EQ(showsOf("frmGameOver").size(), 2u);
    EXPECT_EQ(window.twipLeft(), 5020);
}

TEST_F(BlowOut, ARatingDrawGivesTheRatingToBothWindows)
{
    // A lost account is rated at the final period: the rating draw (1 of 3) and table 4 (4 of 6).
    loseTheAccount();
    RecalcAccount(state, Level::Expert);
    state.settings.gameLength = state.clock.tradeDay;
    random.pick(1, 3).pick(4, 6);
    host.answerNext(ScriptedModalHost::click(QStringLiteral("btnPlayAgain")));
    CheckBlowOut(app);
    EXPECT_EQ(showsOf("frmGameOver").back().text("Label2"), "Be Glad This Isn't Real Money!");
    EXPECT_EQ(forms.get<frmEndofGame>().Label1->caption(), "Be Glad This Isn't Real Money!");
}

TEST_F(AccountWindow, TheNormalEndOfAGame)
{
    startGame(Level::Expert, 30);
    state.settings.gameLength = 30;
    state.account.realizedPL = 25000.0;
    RecalcAccount(state, Level::Expert);
    random.pick(1, 6);
    GameOver(app);
    const auto shows = showsOf("frmGameOver");
    ASSERT_EQ(shows.size(), 1u);
    EXPECT_EQ(shows[0].caption, "Game Over");
    EXPECT_EQ(shows[0].owner, "Halvern");
    EXPECT_EQ(shows[0].text("Label2"), "Excellent Trading");
    EXPECT_EQ(shows[0].text("Label4"), "$25,000.00");
    EXPECT_EQ(shows[0].text("Label7"), "$25,000.00");
    EXPECT_EQ(forms.get<frmEndofGame>().Label1->caption(), "Excellent Trading");
    EXPECT_EQ(w().lblScore->caption(), "$25,000.00");
    // Nothing follows the window: its buttons take over.
    EXPECT_FALSE(programEnd.ended());
}

TEST_F(AccountWindow, TheRatingLineIsWrittenIntoBothSummaries)
{
    startGame(Level::Novice, 46);
    state.account.accountValue = 12500.0f; // a quarter up
    random.pick(2, 3);
    RateEndOfGame(app);
    EXPECT_EQ(forms.get<frmEndofGame>().Label1->caption(), "Very Good Trading");
    EXPECT_EQ(forms.get<frmGameOver>().Label2->caption(), "Very Good Trading");
    EXPECT_TRUE(host.shows().empty()); // written, not shown
}

} // namespace
} // namespace tarvello::test
