#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QPalette>

#include <gtest/gtest.h>

#include <vector>

namespace tarvello::forms {
namespace {

TEST(Twips, PixelsAreTwipsOverFifteenRounded)
{
    const struct {
        int twips;
        int pixels;
    } cases[] = {{0, 0}, {7, 0}, {8, 1}, {15, 1}, {255, 17}, {5161, 344}, {9450, 630}, {-15, -1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.twips);
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels);
    }
}

TEST(Controls, GeometryKeepsTheTwipsItWasGiven)
{
    Form form(QStringLiteral("frmTest"), 9450, 6555);
    Label label(form.client(), QStringLiteral("lbl"));
    label.setTwipRect({5161, 2400, 1812, 372});
    EXPECT_EQ(label.twipRect(), (TwipRect{5161, 2400, 1812, 372}));
    EXPECT_EQ(label.geometry(), QRect(344, 160, 121, 25));

    label.setTwipTop(5580);
    label.setTwipWidth(1335);
    EXPECT_EQ(label.twipRect(), (TwipRect{5161, 5580, 1335, 372}));
    EXPECT_EQ(label.geometry(), QRect(344, 372, 89, 25));
}

TEST(VbColor, ColoursAreBlueGreenRedWithSystemColoursFromThePalette)
{
    const struct {
        VbColor color;
        QColor expected;
    } cases[] = {
        {0x000000, QColor(0, 0, 0)},
        {0xFFFFFF, QColor(255, 255, 255)},
        {0x0000FF, QColor(255, 0, 0)},
        {0xFF0000, QColor(0, 0, 255)},
        {0x00FFFF, QColor(255, 255, 0)},
        {0xFFFF00, QColor(0, 255, 255)},
        {0x000040, QColor(64, 0, 0)},
        {0xC0C0C0, QColor(192, 192, 192)},
        {kSysWindowText, QApplication::palette().color(QPalette::Active, QPalette::Text)},
        {kSysButtonFace, QApplication::palette().color(QPalette::Active, QPalette::Button)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.color);
        EXPECT_EQ(toQColor(c.color), c.expected);
    }
}

TEST(Controls, OwnFlagsDoNotFollowTheWindow)
{
    Form form(QStringLiteral("frmTest"), 3000, 2000);
    CommandButton button(form.client(), QStringLiteral("cmd"), QStringLiteral("&Go"));
    Label hidden(form.client(), QStringLiteral("lbl"));
    hidden.setVisible(false);

    // The window is not shown: Qt says nothing is visible, the controls keep their own flags.
    EXPECT_TRUE(button.visible());
    EXPECT_FALSE(button.isVisible());
    EXPECT_FALSE(hidden.visible());

    form.showModeless();
    EXPECT_TRUE(button.isVisible());
    EXPECT_FALSE(hidden.visible());
    EXPECT_FALSE(hidden.isVisible());

    // Disabling the window leaves the controls' own Enabled flags alone, and their look: Qt keeps
    // drawing them enabled, while the window refuses input.
    form.setEnabled(false);
    EXPECT_TRUE(button.isEnabled());
    EXPECT_TRUE(button.enabled());
    button.setEnabled(false);
    form.setEnabled(true);
    EXPECT_FALSE(button.enabled());
    EXPECT_FALSE(button.isEnabled());

    // The same flags through the common Control interface.
    Control &control = button;
    control.setEnabled(true);
    control.setVisible(false);
    EXPECT_TRUE(button.enabled());
    EXPECT_FALSE(button.visible());
    form.setVisible(false);
}

TEST(Controls, ControlsStartWithTheirWindowsFontAndDrawASubstitute)
{
    Form form(QStringLiteral("frmTest"), 3000, 2000);
    form.setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});
    Label label(form.client(), QStringLiteral("lbl"), QStringLiteral("Account Value:"));
    EXPECT_EQ(label.fontSpec(), (FontSpec{QStringLiteral("MS Sans Serif"), 8.25f, true}));
    EXPECT_EQ(QFontInfo(label.font()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(label.font().pixelSize(), 11);
    EXPECT_TRUE(label.font().bold());

    label.setFontSpec({QStringLiteral("Tahoma"), 14.25f, true});
    EXPECT_EQ(QFontInfo(label.font()).family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(label.font().pixelSize(), 19);
    label.setFontBold(false);
    EXPECT_FALSE(label.fontBold());
    EXPECT_EQ(label.fontSpec().name, QStringLiteral("Tahoma"));
}

TEST(Controls, LabelsLieBelowOtherControlsWhateverTheOrderTheyWereMadeIn)
{
    Form form(QStringLiteral("frmTest"), 3000, 2000);
    CommandButton button(form.client(), QStringLiteral("btn"));
    Label first(form.client(), QStringLiteral("lbl1"));
    Shape shape(form.client(), QStringLiteral("shp"));
    const QObjectList order = form.client()->children(); // bottom first
    EXPECT_LT(order.indexOf(&first), order.indexOf(&shape));
    EXPECT_LT(order.indexOf(&shape), order.indexOf(&button));
}

TEST(Controls, ToolTipAndColoursAreOwnState)
{
    Form form(QStringLiteral("frmTest"), 3000, 2000);
    Label label(form.client(), QStringLiteral("lbl"));
    label.setToolTipText(QStringLiteral("Game Score"));
    label.setBackColor(0xC0C0C0);
    label.setForeColor(0x00FFFF);
    EXPECT_EQ(label.toolTipText(), QStringLiteral("Game Score"));
    EXPECT_EQ(label.toolTip(), QStringLiteral("Game Score"));
    EXPECT_EQ(label.backColor(), 0xC0C0C0u);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 255, 0));
    // A transparent label keeps the BackColor it was given without painting it.
    EXPECT_FALSE(label.autoFillBackground());
    label.setOpaque(true);
    EXPECT_TRUE(label.autoFillBackground());
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST(Controls, BothColoursAtOnceLookAsTheTwoSettersDo)
{
    // One drawing pass for both colours must leave each kind exactly as the back colour and then
    // the fore colour set one after the other would.
    Form form(QStringLiteral("frmTest"), 3000, 2000);
    const struct {
        VbColor back, fore;
    } cases[] = {{0x000000, 0xFFFFFF}, {0xFF0000, 0x00FFFF}, {0xFFFFFF, kSysWindowText}, {0x000080, 0x00FFFF}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.back);
        Label oneByOne(form.client(), QStringLiteral("lblA"));
        Label together(form.client(), QStringLiteral("lblB"));
        oneByOne.setBackColor(c.back);
        oneByOne.setForeColor(c.fore);
        together.setColors(c.back, c.fore);
        EXPECT_EQ(together.backColor(), c.back);
        EXPECT_EQ(together.foreColor(), c.fore);
        EXPECT_EQ(together.palette(), oneByOne.palette());
        EXPECT_EQ(together.palette().resolveMask(), oneByOne.palette().resolveMask());
        EXPECT_EQ(together.autoFillBackground(), oneByOne.autoFillBackground());

        TextBox boxA(form.client(), QStringLiteral("txtA"));
        TextBox boxB(form.client(), QStringLiteral("txtB"));
        boxA.setBackColor(c.back);
        boxA.setForeColor(c.fore);
        boxB.setColors(c.back, c.fore);
        EXPECT_EQ(boxB.palette(), boxA.palette());
        EXPECT_EQ(boxB.palette().resolveMask(), boxA.palette().resolveMask());
    }
}

TEST(Controls, CommandButtonClicksOnlyWhenThePlayerCould)
{
    Form form(QStringLiteral("frmTest"), 3000, 2000);
    CommandButton button(form.client(), QStringLiteral("btn"), QStringLiteral("&Forward"));
    int clicks = 0;
    button.setClickHandler([&] { ++clicks; });

    button.click();
    EXPECT_EQ(clicks, 1);
    button.setVisible(false);
    button.click();
    button.setVisible(true);
    button.setEnabled(false);
    button.click();
    button.setEnabled(true);
    form.setEnabled(false);
    button.click();
    EXPECT_EQ(clicks, 1);
    form.setEnabled(true);
    button.click();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(button.caption(), QStringLiteral("&Forward"));
}

TEST(TextBox, KeyDownSeesTheKeyFirstAndMayKeepItFromTheBox)
{
    Form form(QStringLiteral("frmTest"), 3000, 2000);
    TextBox box(form.client(), QStringLiteral("inputUnits"), QStringLiteral("Text1"));
    box.clear();
    std::vector<std::pair<int, int>> seen;
    box.setKeyDownHandler([&](int16_t &keyCode, int16_t shift) {
        seen.emplace_back(keyCode, shift);
        if (keyCode == 13 || keyCode == 9 || keyCode == 65)
            keyCode = 0;
    });
    const auto press = [&](int key, Qt::KeyboardModifiers mods, const QString &text) {
        QKeyEvent event(QEvent::KeyPress, key, mods, text);
        QApplication::sendEvent(&box, &event);
    };
    press(Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
    press(Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    press(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    press(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    EXPECT_EQ(box.text(), QStringLiteral("5"));
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{53, 0}, {65, 1}, {13, 0}, {9, 0}}));

    // A Tab the procedure lets through reaches it once, even when the focus has nowhere to go.
    seen.clear();
    box.setKeyDownHandler([&](int16_t &keyCode, int16_t shift) { seen.emplace_back(keyCode, shift); });
    press(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{9, 0}}));
}

TEST(TextBox, KeyCodes)
{
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        int code;
    } cases[] = {{Qt::Key_Return, Qt::NoModifier, 13},  {Qt::Key_Enter, Qt::KeypadModifier, 13},
                 {Qt::Key_Tab, Qt::NoModifier, 9},      {Qt::Key_Backspace, Qt::NoModifier, 8},
                 {Qt::Key_0, Qt::NoModifier, 48},       {Qt::Key_7, Qt::KeypadModifier, 103},
                 {Qt::Key_Z, Qt::NoModifier, 90},       {Qt::Key_Delete, Qt::NoModifier, 46},
                 {Qt::Key_Period, Qt::NoModifier, 190}, {Qt::Key_F1, Qt::NoModifier, 112},
                 {Qt::Key_Eacute, Qt::NoModifier, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(vbKeyCode(c.key, c.mods), c.code);
    }
}

TEST(CheckBox, EveryChangeOfTheValueRunsTheClickHandler)
{
    Form form(QStringLiteral("frmTest"), 3000, 2000);
    CheckBox box(form.client(), QStringLiteral("ckMean"), QStringLiteral("Mean"));
    std::vector<int> values;
    box.setClickHandler([&] { values.push_back(box.value()); });

    box.setValue(1); // by code
    box.setValue(1); // no change
    box.click();     // the player unticks it
    box.setEnabled(false);
    box.setEnabled(true);
    box.setValue(2);
    EXPECT_EQ(values, (std::vector<int>{1, 0, 2}));
    EXPECT_EQ(box.checkState(), Qt::PartiallyChecked);
}

TEST(Frame, HoldsItsControlsAtPositionsInsideIt)
{
    Form form(QStringLiteral("frmTest"), 3000, 2000);
    Frame frame(form.client(), QStringLiteral("fraCommodities"), QStringLiteral("Commodities"));
    frame.setTwipRect({300, 300, 1500, 1200});
    OptionButton option(&frame, QStringLiteral("optOil"), QStringLiteral("&Oil"));
    option.setTwipRect({150, 300, 1200, 255});
    EXPECT_EQ(option.parentWidget(), &frame);
    EXPECT_EQ(option.pos(), QPoint(10, 20));
    EXPECT_EQ(frame.title(), QStringLiteral("Commodities"));
}

TEST(Line, CoversItsPointsAndKeepsThem)
{
    Form form(QStringLiteral("frmTest"), 6000, 2000);
    Line line(form.client(), QStringLiteral("Line1"));
    line.setPoints(360, 1340, 5280, 1340);
    EXPECT_EQ(line.x2() - line.x1(), 4920);
    EXPECT_EQ(line.geometry(), QRect(24, 89, 329, 1));
    EXPECT_TRUE(line.testAttribute(Qt::WA_TransparentForMouseEvents));
}

} // namespace
} // namespace tarvello::forms
