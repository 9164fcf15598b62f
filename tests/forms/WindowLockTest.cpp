#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/MenuItem.h"
#include "support/MouseClicks.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QShortcutEvent>

#include <gtest/gtest.h>

namespace tarvello::forms {
namespace {

using test::clickAt;

void typeKey(QWidget &widget, int key, const QString &text = {})
{
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(&widget, &event);
    }
}

// A window with a button, a clickable label, a text box, a list and a menu, shown offscreen.
class WindowLock : public ::testing::Test {
protected:
    WindowLock()
    {
        button.setTwipRect({120, 120, 1200, 375});
        label.setTwipRect({120, 600, 1200, 255});
        text.setTwipRect({120, 960, 1200, 315});
        list.setTwipRect({1500, 120, 1500, 315});
        list.addItem(QStringLiteral("Gold"));
        list.addItem(QStringLiteral("Oil"));
        list.setListIndex(0);
        button.setClickHandler([this] { ++clicks; });
        label.setClickHandler([this] { ++clicks; });
        list.setClickHandler([this] { ++clicks; });
        form.setClickHandler([this] { ++clicks; });
        form.addMenu(&game);
        game.addItem(&start);
        game.addItem(&graphType);
        graphType.addItem(&moving);
        start.setClickHandler([this] { ++clicks; });
        graphType.setClickHandler([this] { ++clicks; });
        form.showModeless();
        QCoreApplication::processEvents();
    }
    ~WindowLock() override { form.setVisible(false); }

    // Every way the player's input reaches the controls.
    void tryEverything()
    {
        clickAt(button, QPoint(5, 5));
        clickAt(label, QPoint(5, 5));
        clickAt(*form.client(), QPoint(150, 150));
        typeKey(button, Qt::Key_Space, QStringLiteral(" "));
        typeKey(text, Qt::Key_X, QStringLiteral("x"));
        typeKey(list, Qt::Key_Down);
        QShortcutEvent shortcut(QKeySequence(QStringLiteral("Alt+G")), 0);
        QCoreApplication::sendEvent(&start, &shortcut);
        button.click();
        label.click();
        form.click();
        start.click();
        graphType.click();
    }

    QImage look() { return form.grab().toImage(); }

    Form form{QStringLiteral("frmTest"), 4000, 2000};
    CommandButton button{form.client(), QStringLiteral("cmd"), QStringLiteral("&Go")};
    Label label{form.client(), QStringLiteral("lbl"), QStringLiteral("Click me")};
    TextBox text{form.client(), QStringLiteral("txt")};
    ComboBox list{form.client(), QStringLiteral("cbo"), ComboStyle::DropDownList};
    MenuItem game{&form, QStringLiteral("mnuGame"), QStringLiteral("&Game")};
    MenuItem start{&form, QStringLiteral("mnuStart"), QStringLiteral("&Start")};
    MenuItem graphType{&form, QStringLiteral("mnuGraphType"), QStringLiteral("Graph &Type")};
    MenuItem moving{&form, QStringLiteral("mnuMoving"), QStringLiteral("&Moving Average")};
    int clicks = 0;
};

TEST_F(WindowLock, ADisabledWindowRefusesEveryInputAndTakesItAgainWhenEnabled)
{
    form.setEnabled(false);
    tryEverything();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(text.text(), QString());
    EXPECT_EQ(list.listIndex(), 0);

    form.setEnabled(true);
    tryEverything();
    EXPECT_GT(clicks, 0);
    EXPECT_EQ(list.listIndex(), 1);
}

TEST_F(WindowLock, ControlsKeepTheirEnabledStateAndLookWhileTheWindowIsDisabled)
{
    label.setEnabled(false);
    if (QWidget *focus = form.focusWidget())
        focus->clearFocus(); // a disabled window has none, which shows
    const QImage before = look();
    form.setEnabled(false);
    EXPECT_FALSE(form.enabled());
    for (Control *c : std::initializer_list<Control *>{&button, &text, &list}) {
        SCOPED_TRACE(c->name().toStdString());
        EXPECT_TRUE(c->enabled());
        EXPECT_TRUE(c->widget().isEnabled()) << "drawn as it was, not greyed";
    }
    EXPECT_FALSE(label.enabled());
    EXPECT_FALSE(label.isEnabled());
    EXPECT_TRUE(start.isEnabled());
    EXPECT_EQ(look(), before);

    form.setEnabled(true);
    EXPECT_EQ(look(), before);
    EXPECT_FALSE(label.isEnabled());
}

TEST_F(WindowLock, ADisabledWindowHasNoFocusAndTakesNoneUntilEnabled)
{
    button.setFocus();
    ASSERT_EQ(form.focusWidget(), &button);
    form.setEnabled(false);
    EXPECT_EQ(form.focusWidget(), nullptr);
    button.setFocus();
    form.setFocus();
    EXPECT_EQ(form.focusWidget(), nullptr);

    form.setEnabled(true);
    EXPECT_EQ(form.focusWidget(), &button) << "the control that had the focus has it again";
    text.setFocus();
    EXPECT_EQ(form.focusWidget(), &text);
}

TEST_F(WindowLock, AMenuItemWithASubmenuKeepsItsOwnEnabledStateAcrossTheWindow)
{
    graphType.setEnabled(false);
    form.setEnabled(false);
    form.setEnabled(true);
    EXPECT_FALSE(graphType.enabled());
    EXPECT_FALSE(graphType.isEnabled());
    graphType.click();
    EXPECT_EQ(clicks, 0);

    // Whatever enables or disables the submenu's own widget, the item's flag wins.
    graphType.submenu()->setEnabled(false);
    graphType.submenu()->setEnabled(true);
    EXPECT_FALSE(graphType.isEnabled());
    graphType.setEnabled(true);
    graphType.submenu()->setEnabled(false);
    EXPECT_TRUE(graphType.isEnabled());
    graphType.click();
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace tarvello::forms
