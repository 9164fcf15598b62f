#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "support/WindowInput.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWindow>

#include <gtest/gtest.h>

namespace tarvello::forms {
namespace {

using test::letTimePass;
using test::postKeyToFocusWindow;

// A window with a text box that has the focus, and a second window shown over it and hidden again,
// as a report or a notice is shown over the main window while the player types a quantity.
class WindowFocus : public ::testing::Test {
protected:
    WindowFocus()
    {
        box.setTwipRect({120, 120, 1200, 315});
        button.setTwipRect({120, 600, 1200, 375});
        okay.setTwipRect({120, 120, 1200, 375});
        owner.showModeless();
        owner.activateWindow();
        letTimePass(20);
        box.setFocus();
    }
    ~WindowFocus() override
    {
        over.setVisible(false);
        owner.setVisible(false);
    }

    // The focus is the owner's and the box's, and a digit the window system delivers lands in the box.
    void expectFocusBackInTheBox()
    {
        letTimePass(20);
        EXPECT_EQ(QGuiApplication::focusWindow(), owner.windowHandle());
        EXPECT_EQ(QApplication::focusWidget(), &box);
        box.setText(QString());
        postKeyToFocusWindow(Qt::Key_7, QStringLiteral("7"));
        letTimePass(20);
        EXPECT_EQ(box.text(), QStringLiteral("7"));
    }

    Form owner{QStringLiteral("frmOwner"), 3000, 2000};
    TextBox box{owner.client(), QStringLiteral("txtUnits")};
    CommandButton button{owner.client(), QStringLiteral("cmdReport"), QStringLiteral("&Report")};
    Form over{QStringLiteral("frmOver"), 2000, 1000};
    CommandButton okay{over.client(), QStringLiteral("btnOkay"), QStringLiteral("OK")};
};

TEST_F(WindowFocus, AWindowThatHidesGivesTheFocusBackToTheWindowAndControlThatHadIt)
{
    const struct {
        const char *what;
        bool ownerLocked; // the owner is disabled while the window is up, as around a report
        int upFor;        // milliseconds of events between the show and the hide; 0: hidden at once
    } cases[] = {
        {"hidden once it has the focus", false, 20},
        {"hidden at once, before the window system gave it the focus", false, 0},
        {"hidden over a locked window, once it has the focus", true, 20},
        {"hidden over a locked window at once", true, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(QApplication::focusWidget(), &box);
        if (c.ownerLocked)
            owner.setEnabled(false);
        over.showModeless();
        if (c.upFor > 0) {
            letTimePass(c.upFor);
            ASSERT_EQ(QGuiApplication::focusWindow(), over.windowHandle());
        }
        over.setVisible(false);
        letTimePass(20); // the window system's news of the show and hide arrive late
        if (c.ownerLocked)
            owner.setEnabled(true);
        expectFocusBackInTheBox();
    }
}

TEST_F(WindowFocus, AfterTheLockTheFocusGoesBackOnlyToAControlThatCanStillTakeIt)
{
    const struct {
        const char *what;
        std::function<void()> duringLock;
        QWidget *focusAfter;
    } cases[] = {
        {"nothing changed", [] {}, &box},
        {"the box hidden", [this] { box.setVisible(false); }, nullptr},
        {"the box disabled", [this] { box.setEnabled(false); }, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        box.setVisible(true);
        box.setEnabled(true);
        box.setFocus();
        ASSERT_EQ(owner.focusWidget(), &box);
        owner.setEnabled(false);
        EXPECT_EQ(owner.focusWidget(), nullptr);
        c.duringLock();
        owner.setEnabled(true);
        EXPECT_EQ(owner.focusWidget(), c.focusAfter);
    }
}

} // namespace
} // namespace tarvello::forms
