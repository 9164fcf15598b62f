#include "TradingWindowFixture.h"

#include "orders/ui/TradeConfirmation.h"
#include "windows/frmTradeConfirmation.h"

#include <QCloseEvent>

namespace tarvello::test {
namespace {

using TradeConfirmation = TradingWindowTest;
using Answer = ScriptedModalHost::Answer;

frmTradeConfirmation &confirmation(forms::Form &window)
{
    return static_cast<frmTradeConfirmation &>(window);
}

TEST_F(TradeConfirmation, TheWindowAsDesigned)
{
    startGame(Level::Novice);
    placeOrder(std::nullopt, OrderSide::Buy, QStringLiteral("4"));
    const auto shows = showsOf("frmTradeConfirmation");
    ASSERT_EQ(shows.size(), 1u);
    const ModalShow &shown = shows[0];
    EXPECT_EQ(shown.caption, "Electronic Mail:  Trade Confirmation");
    EXPECT_EQ(shown.text("lblTradeConfirmation"), "Transaction Order Filled: 4 Oil Bought @  $18.25");
    EXPECT_EQ(shown.backColor, 0xFF00FFu);
    EXPECT_EQ(shown.foreColor, 0x00FFFFu);

    const frmTradeConfirmation &window = forms.get<frmTradeConfirmation>();
    EXPECT_EQ(window.scaleWidth(), 5640);
    EXPECT_EQ(window.scaleHeight(), 480);
    EXPECT_EQ(window.fontSpec(), (forms::FontSpec{QStringLiteral("MS Sans Serif"), 8.25f, true}));
    EXPECT_EQ(window.lblTradeConfirmation->twipRect(), (forms::TwipRect{0, 120, 5532, 732}));
    EXPECT_EQ(window.Command1->twipRect(), (forms::TwipRect{5760, 0, 255, 495}));
    EXPECT_EQ(window.Command1->caption(), "OK");
    // OK lies beyond the visible area, yet it has the focus, so Enter and Space dismiss the window.
    EXPECT_GE(window.Command1->twipLeft(), window.scaleWidth());
    EXPECT_EQ(window.focusProxy(), window.Command1);
}

TEST_F(TradeConfirmation, EachWayOfDismissingIt)
{
    const struct {
        const char *name;
        Answer answer;
        bool textKept;
    } ways[] = {
        {"OK", ScriptedModalHost::click(QStringLiteral("Command1")), false},
        {"Enter on OK",
         [](forms::Form &window) {
             QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
             QCoreApplication::sendEvent(confirmation(window).Command1, &enter);
         },
         false},
        {"a click on the text",
         [](forms::Form &window) { confirmation(window).lblTradeConfirmation->click(); }, true},
        {"a click on the window", [](forms::Form &window) { window.click(); }, true},
        {"the close box",
         [](forms::Form &window) {
             QCloseEvent close;
             QCoreApplication::sendEvent(&window, &close);
         },
         true},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.name);
        startGame(Level::Novice);
        chooseOrder(std::nullopt, OrderSide::Sell);
        enterQuantity(QStringLiteral("1"));
        host.answerNext(way.answer);
        w().btnYes->click();
        ASSERT_FALSE(showsOf("frmTradeConfirmation").back().shownAfterAnswer);
        // The window stays loaded for the whole run; OK alone empties its text.
        ASSERT_TRUE(forms.isLoaded<frmTradeConfirmation>());
        EXPECT_EQ(forms.get<frmTradeConfirmation>().lblTradeConfirmation->caption(),
                  way.textKept ? "Transaction Order Filled: 1 Oil Sold @  $18.25" : "");
        EXPECT_EQ(w().lblOilPos->caption(), "-1");
    }
}

TEST_F(TradeConfirmation, CentredOverTheMainWindowOnceOnly)
{
    startGame(Level::Novice);
    w().setTwipLeft(1200);
    w().setTwipTop(900);
    placeOrder(std::nullopt, OrderSide::Buy, QStringLiteral("1"));
    const frmTradeConfirmation &window = forms.get<frmTradeConfirmation>();
    // The main window is 9,540 x 7,220 twips outside, the confirmation 5,730 x 855.
    EXPECT_EQ(w().twipWidth(), 9540);
    EXPECT_EQ(w().twipHeight(), 7220);
    EXPECT_EQ(window.twipLeft(), 1200 + (9540 - 5730) / 2);
    EXPECT_EQ(window.twipTop(), 4083); // 900 + 3,182.5, to the nearest twip

    // It was loaded once, so it comes back where it was first placed.
    w().setTwipLeft(0);
    w().setTwipTop(0);
    placeOrder(std::nullopt, OrderSide::Buy, QStringLiteral("1"));
    EXPECT_EQ(window.twipLeft(), 3105);
    EXPECT_EQ(window.twipTop(), 4083);
}

} // namespace
} // namespace tarvello::test
