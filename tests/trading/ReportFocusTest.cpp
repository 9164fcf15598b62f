#include "TradingWindowFixture.h"

#include "support/WindowInput.h"
#include "windows/NewsWindow.h"
#include "windows/NotificationBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWindow>

namespace tarvello::test {
namespace {

// A while for the window system to show, activate and hide what the game asked for.
constexpr int kSettle = 50;

// The main window on screen at the quantity step of a Daily "&Sell", the box holding the focus; the
// player opens a report from there and the window it shows is closed by events, as the player closes
// it.
class ReportFocus : public TradingWindowTest {
protected:
    ReportFocus()
    {
        startGame(Level::Novice);
        state.settings.dataType = DataKind::Daily;
        w().showModeless();
        w().activateWindow();
        letTimePass(kSettle);
    }
    ~ReportFocus() override { w().setVisible(false); }

    void toQuantityStep()
    {
        chooseOrder(std::nullopt, OrderSide::Sell);
        // Both reports are offered while the quantity is typed.
        w().btnNewsHist->setVisible(true);
        w().btnNewsHist->setEnabled(true);
        ASSERT_TRUE(w().inputUnits->visible());
        ASSERT_TRUE(w().btnTradeHist->visible() && w().btnTradeHist->enabled());
        letTimePass(kSettle);
        ASSERT_EQ(QApplication::focusWidget(), w().inputUnits);
    }
};

TEST_F(ReportFocus, TheDigitTypedAfterAReportClosesFromTheQuantityPromptLandsInTheBox)
{
    const struct {
        const char *what;
        Qt::Key accessKey;
        const char *window;
        bool atOnce; // closed before the window system has given the shown window the focus
    } cases[] = {
        {"T&rade History with no trades: the notice, closed by OK", Qt::Key_R, "frmPlayerNotification",
         false},
        {"T&rade History with no trades: the notice, closed at once", Qt::Key_R, "frmPlayerNotification",
         true},
        {"&News History: the news window, closed by a double click", Qt::Key_N, "frmNewsDisplay", false},
        {"&News History: the news window, closed by a double click at once", Qt::Key_N, "frmNewsDisplay",
         true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        toQuantityStep();
        const size_t shown = showsOf(QString::fromLatin1(c.window)).size();
        host.answerNext([&c](forms::Form &form) {
            if (!c.atOnce)
                letTimePass(kSettle);
            if (auto *box = dynamic_cast<frmPlayerNotification *>(&form))
                postClick(*box->btnOkay);
            else if (auto *news = dynamic_cast<frmNewsDisplay *>(&form))
                postDoubleClick(*news->txtNewsDisplay);
            // The close is the window system's next input; the modal show returns when it has run.
            letTimePass(kSettle);
        });
        postKey(w(), c.accessKey, Qt::AltModifier);
        letTimePass(kSettle);
        ASSERT_EQ(showsOf(QString::fromLatin1(c.window)).size(), shown + 1);
        ASSERT_FALSE(host.shows().back().shownAfterAnswer);

        EXPECT_EQ(QGuiApplication::focusWindow(), w().windowHandle());
        EXPECT_EQ(QApplication::focusWidget(), w().inputUnits);
        postKeyToFocusWindow(Qt::Key_2, QStringLiteral("2"));
        letTimePass(kSettle);
        EXPECT_EQ(w().inputUnits->text(), QStringLiteral("2"));

        // Back to the rest stage for the next case.
        enterQuantity(QString(), Qt::Key_Escape);
        w().inputUnits->setText(QString());
        SetTradeStage(app, TradeStage::ChangePeriod);
    }
}

} // namespace
} // namespace tarvello::test
