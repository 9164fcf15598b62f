#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/MenuItem.h"
#include "support/WindowInput.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMenu>

#include <gtest/gtest.h>

#include <functional>

namespace tarvello::forms {
namespace {

using test::postClick;
using test::postClickAt;
using test::postKey;

// A shown, active window with a control of every kind that takes input, each counting the runs of its
// procedure, and a button "&Go" whose procedure lets pending events run, as the game's long
// procedures do.
class InputGate : public ::testing::Test {
protected:
    InputGate()
    {
        form.addMenu(&menu);
        menu.addItem(&command);
        go.setTwipRect({120, 120, 1200, 375});
        other.setTwipRect({1500, 120, 1200, 375});
        label.setTwipRect({120, 600, 1200, 300});
        box.setTwipRect({1500, 600, 1200, 315});
        text.setTwipRect({120, 1000, 1200, 600});
        check.setTwipRect({1500, 1000, 1200, 300});
        option.setTwipRect({1500, 1400, 1200, 300});
        combo.setTwipRect({120, 1800, 1200, 315});
        combo.addItem(QStringLiteral("first"));
        combo.addItem(QStringLiteral("second"));
        combo.addItem(QStringLiteral("third"));

        other.setClickHandler([this] { ++runs; });
        label.setClickHandler([this] { ++runs; });
        form.setClickHandler([this] { ++runs; });
        box.setKeyDownHandler([this](int16_t &, int16_t) { ++runs; });
        text.setClickHandler([this] { ++runs; });
        check.setClickHandler([this] { ++runs; });
        option.setClickHandler([this] { ++runs; });
        combo.setClickHandler([this] { ++runs; });
        menu.setClickHandler([this] { ++runs; });
        command.setClickHandler([this] { ++runs; });

        form.showModeless();
        form.activateWindow();
        QCoreApplication::processEvents();
    }
    ~InputGate() override
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        form.setVisible(false);
    }

    Form form{QStringLiteral("frmTest"), 3000, 2600};
    MenuItem menu{&form, QStringLiteral("mnuMenu"), QStringLiteral("&Menu")};
    MenuItem command{&form, QStringLiteral("mnuCommand"), QStringLiteral("&Command")};
    CommandButton go{form.client(), QStringLiteral("cmdGo"), QStringLiteral("&Go")};
    CommandButton other{form.client(), QStringLiteral("cmdOther"), QStringLiteral("&Other")};
    Label label{form.client(), QStringLiteral("lbl"), QStringLiteral("label")};
    TextBox box{form.client(), QStringLiteral("txtBox")};
    MultiLineTextBox text{form.client(), QStringLiteral("txtText"), QStringLiteral("text")};
    CheckBox check{form.client(), QStringLiteral("chk"), QStringLiteral("Check")};
    OptionButton option{form.client(), QStringLiteral("opt"), QStringLiteral("Option")};
    ComboBox combo{form.client(), QStringLiteral("cbo"), ComboStyle::DropDownList};
    int runs = 0;
};

// Input for each kind of control reaches the window while a procedure of the window lets events run:
// none of it runs inside the procedure, nor after it (input is dropped, not kept); the same input on
// its own runs at once.
TEST_F(InputGate, NoInputRunsAProcedureInsideAnotherOfTheSameWindow)
{
    const struct {
        const char *input;
        std::function<void()> focus; // where keys go; "&Go" if none
        std::function<void()> post;
    } cases[] = {
        {"a command button's click", {}, [this] { postClick(other); }},
        {"a command button's access key", {}, [this] { postKey(form, Qt::Key_O, Qt::AltModifier); }},
        {"a label's click", {}, [this] { postClick(label); }},
        {"the window's own click", {}, [this] { postClickAt(*form.client(), QPoint(190, 160)); }},
        {"a key in a text box", [this] { box.setFocus(); }, [this] { postKey(form, Qt::Key_Return); }},
        {"a click in a multi-line text box", {}, [this] { postClick(text); }},
        {"a check box's click", {}, [this] { postClick(check); }},
        {"an option button's click", {}, [this] { postClick(option); }},
        {"a pick in a list by key", [this] { combo.setFocus(); }, [this] { postKey(form, Qt::Key_Down); }},
        {"a menu opened by its access key", {}, [this] { postKey(form, Qt::Key_M, Qt::AltModifier); }},
        {"a menu command by the keyboard",
         {},
         [this] {
             postKey(form, Qt::Key_M, Qt::AltModifier);
             postKey(form, Qt::Key_C);
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.input);
        check.setValue(0);
        option.setValue(false);
        combo.setListIndex(-1);
        // The window is active again after a menu, and the focus leaves a menu bar that the last case
        // left in its keyboard mode.
        form.activateWindow();
        if (c.focus)
            c.focus();
        else
            go.setFocus();
        QCoreApplication::processEvents();
        runs = 0;
        int runsInside = -1;
        go.setClickHandler([&] {
            c.post();
            QCoreApplication::processEvents();
            runsInside = runs;
        });
        go.click();
        QCoreApplication::processEvents();
        EXPECT_EQ(runsInside, 0);
        EXPECT_EQ(runs, 0);
        EXPECT_EQ(check.value(), 0);
        EXPECT_FALSE(option.value());
        EXPECT_EQ(combo.listIndex(), -1);
        EXPECT_EQ(combo.currentIndex(), -1);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr); // a refused menu does not stay open

        // The same input, once no procedure runs.
        form.activateWindow();
        QCoreApplication::processEvents();
        c.post();
        QCoreApplication::processEvents();
        EXPECT_GE(runs, 1);
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    }
}

} // namespace
} // namespace tarvello::forms
