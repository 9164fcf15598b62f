#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "support/MouseClicks.h"
#include "support/WindowInput.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <functional>

namespace tarvello::forms {
namespace {

using test::clickAt;
using test::letTimePass;

TEST(Clicks, ALabelWithAClickProcedureTakesTheClickFromTheWindow)
{
    Form form(QStringLiteral("frmTest"), 3000, 1500);
    form.setVisible(true);
    Label label(form.client(), QStringLiteral("lbl"), QStringLiteral("text"));
    label.setTwipRect({0, 0, 1500, 300});
    int labelClicks = 0;
    int formClicks = 0;
    form.setClickHandler([&] { ++formClicks; });

    // Without a procedure of its own the label passes the click on to its window.
    clickAt(label, QPoint(5, 5));
    EXPECT_EQ(formClicks, 1);

    label.setClickHandler([&] { ++labelClicks; });
    clickAt(label, QPoint(5, 5));
    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(formClicks, 1);

    clickAt(*form.client(), QPoint(150, 80));
    EXPECT_EQ(formClicks, 2);

    // Nothing runs for a hidden label or a disabled window.
    label.setVisible(false);
    label.click();
    form.setEnabled(false);
    form.click();
    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(formClicks, 2);
}

// A window with two command buttons, shown and active.
class ButtonClicks : public ::testing::Test {
protected:
    ButtonClicks()
    {
        go.setTwipRect({120, 120, 1200, 375});
        stop.setTwipRect({1500, 120, 1200, 375});
        go.setClickHandler([this] { ++goClicks; });
        stop.setClickHandler([this] { ++stopClicks; });
        form.showModeless();
        form.activateWindow();
        QCoreApplication::processEvents();
    }
    ~ButtonClicks() override { form.setVisible(false); }

    Form form{QStringLiteral("frmTest"), 3000, 1500};
    CommandButton go{form.client(), QStringLiteral("cmdGo"), QStringLiteral("&Go")};
    CommandButton stop{form.client(), QStringLiteral("cmdStop"), QStringLiteral("&Stop")};
    int goClicks = 0;
    int stopClicks = 0;
};

TEST_F(ButtonClicks, AnAccessKeyPressesTheButtonAtOnce)
{
    QKeyEvent key(QEvent::KeyPress, Qt::Key_G, Qt::AltModifier);
    QCoreApplication::sendEvent(&go, &key);
    EXPECT_EQ(goClicks, 1);
    letTimePass(250); // nothing was left for later
    EXPECT_EQ(goClicks, 1);
}

// Qt's delayed press of a button runs nothing if, when it comes, the button is no longer offered.
TEST_F(ButtonClicks, AClickThatComesLateToAButtonTakenAwayIsDropped)
{
    const struct {
        const char *change;
        std::function<void()> takeAway;
        std::function<void()> giveBack;
    } cases[] = {
        {"hidden", [this] { go.setVisible(false); }, [this] { go.setVisible(true); }},
        {"disabled", [this] { go.setEnabled(false); }, [this] { go.setEnabled(true); }},
        {"window locked", [this] { form.setEnabled(false); }, [this] { form.setEnabled(true); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.change);
        go.animateClick();
        c.takeAway();
        letTimePass(250);
        c.giveBack();
        EXPECT_EQ(goClicks, 0);
    }
    go.animateClick();
    letTimePass(250);
    EXPECT_EQ(goClicks, 1);
}

// A click that reaches the window while a procedure of one of its buttons lets events run is dropped;
// the buttons of other windows still take theirs.
TEST_F(ButtonClicks, NoOtherClickOfTheWindowRunsWhileAProcedureOfItRuns)
{
    Form other(QStringLiteral("frmOther"), 3000, 1500);
    CommandButton ok(other.client(), QStringLiteral("cmdOK"), QStringLiteral("OK"));
    ok.setTwipRect({120, 120, 1200, 375});
    int okClicks = 0;
    ok.setClickHandler([&] { ++okClicks; });
    other.showModeless();
    go.setClickHandler([&] {
        ++goClicks;
        clickAt(stop, QPoint(5, 5));
        clickAt(ok, QPoint(5, 5));
    });
    clickAt(go, QPoint(5, 5));
    EXPECT_EQ(goClicks, 1);
    EXPECT_EQ(stopClicks, 0);
    EXPECT_EQ(okClicks, 1);
    clickAt(stop, QPoint(5, 5)); // once the procedure has returned
    EXPECT_EQ(stopClicks, 1);
    other.setVisible(false);
}

TEST_F(ButtonClicks, NoClickRunsBehindAModalWindow)
{
    Form modal(QStringLiteral("frmModal"), 3000, 1500);
    CommandButton ok(modal.client(), QStringLiteral("cmdOK"), QStringLiteral("OK"));
    ok.setTwipRect({120, 120, 1200, 375});
    int okClicks = 0;
    ok.setClickHandler([&] { ++okClicks; });
    modal.setWindowModality(Qt::ApplicationModal);
    modal.showModeless();
    go.click();
    ok.click();
    modal.setVisible(false);
    stop.click();
    EXPECT_EQ(goClicks, 0);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(stopClicks, 1);
}

} // namespace
} // namespace tarvello::forms
