#include "AdvanceFixture.h"

#include "orders/ui/TradeStage.h"
#include "support/WindowInput.h"
#include "windows/CommissionsWindow.h"
#include "windows/NotificationBox.h"
#include "windows/frmTradeConfirmation.h"

#include <QCoreApplication>
#include <QMenu>

#include <functional>
#include <optional>
#include <ostream>

namespace tarvello::test {
namespace {

// Longer than Qt's animated press of a button (a tenth of a second): anything a key or click left
// for later has run by then.
constexpr int kPlayerPause = 250;

bool offered(const forms::Control *control)
{
    return control->visible() && control->enabled();
}

// Keys and clicks as the window system queues them for the main window of a Daily game at its second
// period, faster than the screen answers: each acts on what the screen offers when it runs, or not
// at all, and the account books only what the player confirmed.
class LateInput : public AdvanceTest {
protected:
    LateInput()
    {
        addDailyCloses(fixture, dailyDays());
        // The player reads each window a while before answering it.
        host.setDefaultAnswer([this](forms::Form &form) {
            if (form.objectName() == QStringLiteral("frmTradeConfirmation")) {
                letTimePass(kPlayerPause);
                static_cast<frmTradeConfirmation &>(form).Command1->click();
            } else if (form.objectName() == QStringLiteral("frmPlayerNotification")) {
                const int16_t shownAt = state.clock.tradeDay;
                const bool duringAdvance = state.clock.advanceInProgress;
                letTimePass(kPlayerPause);
                periodMovedUnderANotice =
                    periodMovedUnderANotice || duringAdvance || state.clock.tradeDay != shownAt;
                ScriptedModalHost::click(QStringLiteral("btnOkay"))(form);
            }
        });
        w().showModeless();
        beginNewGame({Month});
        forward();
        forward();
        activateMainWindow();
    }
    ~LateInput() override { w().setVisible(false); }

    // The order area at rest: "&Forward" and "&Trade" offered, no order under way.
    void expectAtRest()
    {
        EXPECT_TRUE(offered(w().btnChangePeriod));
        EXPECT_TRUE(offered(w().btnTrade));
        for (forms::Control *hidden : std::initializer_list<forms::Control *>{
                 w().btnBuy, w().btnSell, w().btnHold, w().btnYes, w().btnNo, w().inputUnits, w().btnGold})
            EXPECT_FALSE(hidden->visible()) << hidden->name().toStdString();
        EXPECT_TRUE(w().enabled());
    }

    // The player's keys go to the main window (the offscreen screen has no window manager to give
    // it back its activation once a window shown over it has gone).
    void activateMainWindow()
    {
        w().activateWindow();
        QCoreApplication::processEvents();
    }

    QString position(const char *label) { return w().client()->findChild<forms::Label *>(label)->caption(); }

    bool periodMovedUnderANotice = false;
};

// "&Enter Order" and "&Cancel Order" pressed by their access keys within a few milliseconds, in both
// orders: the first key decides, and the fill is the order confirmed.
TEST_F(LateInput, EnterAndCancelByAccessKeysTogether)
{
    const struct {
        const char *keys;
        Qt::Key first, second;
        bool fills;
    } cases[] = {
        {"Alt+E, Alt+C", Qt::Key_E, Qt::Key_C, true},
        {"Alt+C, Alt+E", Qt::Key_C, Qt::Key_E, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.keys);
        const int16_t period = state.clock.tradeDay;
        const int32_t trades = state.account.totalTrades;
        const size_t confirmations = showsOf(QStringLiteral("frmTradeConfirmation")).size();
        const float gold = state.book(Instrument::Gold).position;
        chooseOrder(Instrument::Gold, OrderSide::Buy);
        enterQuantity(QStringLiteral("4"));
        ASSERT_TRUE(offered(w().btnYes) && offered(w().btnNo));
        activateMainWindow();

        postKey(w(), c.first, Qt::AltModifier);
        postKey(w(), c.second, Qt::AltModifier);
        letTimePass(kPlayerPause);

        const auto shown = showsOf(QStringLiteral("frmTradeConfirmation"));
        ASSERT_EQ(shown.size(), confirmations + (c.fills ? 1 : 0));
        ASSERT_EQ(state.account.totalTrades, trades + (c.fills ? 1 : 0));
        if (c.fills) {
            EXPECT_TRUE(shown.back()
                            .text(QStringLiteral("lblTradeConfirmation"))
                            .startsWith(QStringLiteral("Transaction Order Filled: 4 Gold Bought @  $")));
            const TradeRecord &fill = state.trades.ofGame(state.account.totalTrades).back();
            EXPECT_EQ(fill.security, Instrument::Gold);
            EXPECT_EQ(fill.units, 4.0f);
            EXPECT_EQ(fill.price, static_cast<float>(state.book(Instrument::Gold).buyFillPrice));
        }
        EXPECT_EQ(state.book(Instrument::Gold).position, gold + (c.fills ? 4.0f : 0.0f));
        EXPECT_EQ(position("lblGoldPos"), QString::number(gold + (c.fills ? 4.0f : 0.0f)));
        EXPECT_EQ(state.book(Instrument::Oil).position, 0.0f);
        EXPECT_EQ(position("lblOilPos"), "0");
        EXPECT_FALSE(programEnd.ended());
        EXPECT_EQ(state.clock.tradeDay, period);
        expectAtRest();
    }
}

// "&Trade" and then "&Forward" by their access keys within a few milliseconds: "&Trade" has taken
// "&Forward" away, so the order goes on and the period stays.
TEST_F(LateInput, ForwardByItsAccessKeyRightAfterTrade)
{
    const int16_t period = state.clock.tradeDay;
    postKey(w(), Qt::Key_T, Qt::AltModifier);
    postKey(w(), Qt::Key_F, Qt::AltModifier);
    letTimePass(kPlayerPause);

    EXPECT_EQ(state.clock.tradeDay, period);
    EXPECT_FALSE(w().btnChangePeriod->visible() || w().btnTrade->visible());
    for (Instrument i : kAllInstruments)
        EXPECT_TRUE(offered(instrumentButton(w(), i))) << instrumentKey(i);
    EXPECT_TRUE(offered(w().btnHold));
    EXPECT_TRUE(w().enabled());
}

// "&Forward" by its access key, and at once a click on "T&rade History" with no trades made: the
// period moves on, and never under the notice that there are no trades.
TEST_F(LateInput, ForwardByItsAccessKeyThenTradeHistory)
{
    const int16_t period = state.clock.tradeDay;
    ASSERT_EQ(state.account.totalTrades, 0);
    ASSERT_TRUE(offered(w().btnTradeHist));
    postKey(w(), Qt::Key_F, Qt::AltModifier);
    postClick(*w().btnTradeHist);
    letTimePass(kPlayerPause);

    EXPECT_EQ(state.clock.tradeDay, period + 1);
    EXPECT_FALSE(periodMovedUnderANotice);
    expectAtRest();
}

// "&Forward", "&Trade", "&Gold" and "&Sell" clicked before the first click has run: the three clicks
// that reach the window while the period is worked out are dropped, and the new period leaves the
// player "&Forward" and "&Trade".
TEST_F(LateInput, ClicksQueuedBehindForward)
{
    const int16_t period = state.clock.tradeDay;
    for (forms::CommandButton *button : {w().btnChangePeriod, w().btnTrade, w().btnGold, w().btnSell})
        postClick(*button);
    letTimePass(kPlayerPause);

    EXPECT_EQ(state.clock.tradeDay, period + 1);
    expectAtRest();
}

// An access key that a button shares with a menu title ("&Hold" and "&Help", "&Oil" and "&Options",
// "&Gold" and "&Game") presses the button at the instrument step, at the first press, and opens the
// menu when the button is not offered.
TEST_F(LateInput, SharedAccessKeysPressTheButtonOrOpenTheMenu)
{
    const struct {
        const char *key;
        Qt::Key letter;
        forms::MenuItem *menu;
        std::optional<Instrument> chosen; // none: "&Hold", which takes the order road back to rest
    } cases[] = {
        {"Alt+H", Qt::Key_H, w().mnuHowtoPlay, std::nullopt},
        {"Alt+O", Qt::Key_O, w().mnuSettings, Instrument::Oil},
        {"Alt+G", Qt::Key_G, w().mnuGame, Instrument::Gold},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        w().btnTrade->click();
        ASSERT_TRUE(offered(w().btnHold) && offered(w().btnOil) && offered(w().btnGold));
        activateMainWindow();
        postKey(w(), c.letter, Qt::AltModifier);
        letTimePass(kPlayerPause);
        EXPECT_FALSE(c.menu->submenu()->isVisible());
        if (c.chosen) {
            EXPECT_EQ(state.order.selectedSecurity, c.chosen);
            EXPECT_TRUE(offered(w().btnBuy) && offered(w().btnSell));
            w().btnHold->click();
        }
        expectAtRest();

        // At rest the button is hidden: the key opens its menu.
        postKey(w(), c.letter, Qt::AltModifier);
        letTimePass(kPlayerPause);
        EXPECT_TRUE(c.menu->submenu()->isVisible());
        c.menu->submenu()->close();
        QCoreApplication::processEvents();
    }
}

// A Tick game at its first period, notices closed with OK and other modal windows closed, the main
// window shown and active.
class LateInputInATickGame : public AdvanceTest {
protected:
    LateInputInATickGame()
    {
        addTickDays(fixture, tickDays());
        host.setDefaultAnswer([](forms::Form &form) {
            if (form.objectName() == QStringLiteral("frmPlayerNotification"))
                ScriptedModalHost::click(QStringLiteral("btnOkay"))(form);
            else
                ScriptedModalHost::unload()(form);
        });
        w().showModeless();
        beginNewGame({Tick, Month});
        forward();
        activateMainWindow();
    }
    ~LateInputInATickGame() override { w().setVisible(false); }

    void activateMainWindow()
    {
        w().activateWindow();
        QCoreApplication::processEvents();
    }
};

// Input queued behind "f" and Return in the quantity box, before the Return's procedure has run.
struct QueuedBehindReturn {
    const char *input;
    std::function<void(Halvern &)> post;
};

void PrintTo(const QueuedBehindReturn &queued, std::ostream *os)
{
    *os << queued.input;
}

class InputQueuedBehindTheQuantityReturn : public LateInputInATickGame,
                                           public ::testing::WithParamInterface<QueuedBehindReturn> {};

// The Return's notice is the only window shown, the order road is where the Return left it, and the
// input that reached the window while the notice was put up is dropped.
TEST_P(InputQueuedBehindTheQuantityReturn, OnlyTheReturnActs)
{
    ASSERT_EQ(state.account.totalTrades, 0);
    chooseOrder(Instrument::Gold, OrderSide::Sell); // "&Sell" leaves the report buttons offered
    ASSERT_TRUE(offered(w().inputUnits) && offered(w().btnNewsHist) && offered(w().btnTradeHist));
    activateMainWindow();
    w().inputUnits->setFocus();
    w().inputUnits->setText(QStringLiteral("f"));
    const size_t shows = host.shows().size();

    postKey(w(), Qt::Key_Return);
    GetParam().post(w());
    letTimePass(kPlayerPause);

    ASSERT_EQ(host.shows().size(), shows + 1);
    EXPECT_EQ(host.shows().back().form, "frmPlayerNotification");
    EXPECT_EQ(host.shows().back().text(QStringLiteral("Label1")), "Please Enter Only Numbers");
    EXPECT_FALSE(forms.isLoaded<frmPlayerNotification>());
    EXPECT_FALSE(programEnd.ended());
    EXPECT_EQ(state.order.selectedSecurity, Instrument::Gold);
    EXPECT_EQ(state.order.orderSide, OrderSide::Sell);
    EXPECT_TRUE(offered(w().inputUnits) && offered(w().promptUnits));
    EXPECT_EQ(w().inputUnits->text(), "");
    EXPECT_FALSE(w().btnYes->visible() || w().btnNo->visible());
    EXPECT_EQ(state.account.totalTrades, 0);
}

INSTANTIATE_TEST_SUITE_P(
    LateInputInATickGame, InputQueuedBehindTheQuantityReturn,
    ::testing::Values(QueuedBehindReturn{"ClickOnNewsHistory", [](Halvern &m) { postClick(*m.btnNewsHist); }},
                      QueuedBehindReturn{"ClickOnTradeHistory",
                                         [](Halvern &m) { postClick(*m.btnTradeHist); }},
                      QueuedBehindReturn{"NewsHistoryAccessKey",
                                         [](Halvern &m) { postKey(m, Qt::Key_N, Qt::AltModifier); }},
                      QueuedBehindReturn{"MenuCommandByTheKeyboard",
                                         [](Halvern &m) {
                                             postKey(m, Qt::Key_H, Qt::AltModifier);
                                             postKey(m, Qt::Key_C);
                                         }},
                      QueuedBehindReturn{"TradeHistoryAccessKey",
                                         [](Halvern &m) { postKey(m, Qt::Key_R, Qt::AltModifier); }}),
    [](const ::testing::TestParamInfo<QueuedBehindReturn> &info) { return std::string(info.param.input); });

// A menu command that reaches the window while a Tick "&Forward" works the period out is dropped:
// the period moves on and no other window shows.
TEST_F(LateInputInATickGame, AMenuCommandQueuedBehindForward)
{
    const int16_t period = state.clock.tradeDay;
    const size_t shows = host.shows().size();
    postClick(*w().btnChangePeriod);
    postKey(w(), Qt::Key_H, Qt::AltModifier);
    postKey(w(), Qt::Key_C);
    letTimePass(kPlayerPause);

    EXPECT_EQ(state.clock.tradeDay, period + 1);
    EXPECT_EQ(host.shows().size(), shows);
    EXPECT_FALSE(forms.isLoaded<frmCommiss>());
    EXPECT_TRUE(offered(w().btnChangePeriod) && offered(w().btnTrade));
    EXPECT_TRUE(w().enabled());
}

} // namespace
} // namespace tarvello::test
