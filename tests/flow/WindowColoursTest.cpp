#include "FlowFixture.h"

#include "flow/ui/Initializing.h"
#include "windows/frminitialize.h"

namespace tarvello::test {
namespace {

using WindowColours = FlowTest;

// The options dialog takes the screen's colour scheme each time it is shown; the lists and the
// buttons keep the system's colours.
TEST_F(WindowColours, OptionsDialogFollowsTheScheme)
{
    const struct {
        forms::VbColor scheme, fore, back;
    } cases[] = {
        {0xFFFFFF, 0x000000, 0xFFFFFF},
        {0xC0C0C0, 0x00FFFF, 0xFF0000},
        {0x000000, 0x00FFFF, 0xFF0000},
    };
    w().showModeless(); // the main window is active again each time the dialog goes
    for (const auto &c : cases) {
        w().setBackColor(c.scheme);
        host.answerNext(ScriptedModalHost::click(QStringLiteral("cmdReset")));
        dialog().showModal(&w());
        const ModalShow &shown = host.shows().back();
        EXPECT_EQ(shown.foreColor, c.fore);
        EXPECT_EQ(shown.backColor, c.back);
        for (const char *name : {"Frame1", "Frame2", "Frame3", "Frame4", "fTime", "labeltime", "OptNovice",
                                 "OptExpert", "OptMonth", "OptQuarter", "OptYear", "OptDaily", "OptTick",
                                 "OptAnnual", "OptDayReports", "optSelect_0", "optSelect_1"}) {
            const ShownControl &control = shown.controls.at(QString::fromLatin1(name));
            EXPECT_EQ(control.foreColor, c.fore) << name;
            EXPECT_EQ(control.backColor, c.back) << name;
        }
        EXPECT_EQ(shown.controls.at(QStringLiteral("cmdBegin")).backColor, forms::kSysButtonFace);
        EXPECT_EQ(shown.controls.at(QStringLiteral("Combo1")).backColor, forms::kSysWindow);
    }
}

// "Initializing Data" stands centred over the main window and takes the scheme's colours when shown.
TEST_F(WindowColours, InitializingWindowCentresAndColours)
{
    w().setTwipLeft(600);
    w().setTwipTop(300);
    const struct {
        forms::VbColor scheme, windowBack, labelFore;
    } cases[] = {
        {0x000000, 0xFF00FF, 0x00FFFF},
        {0xC0C0C0, 0xFF00FF, 0x00FFFF},
        {0xFFFFFF, forms::kSysButtonFace, 0x000000},
        {0x123456, forms::kSysButtonFace, forms::kSysButtonText},
    };
    for (const auto &c : cases) {
        forms.unload<frminitialize>();
        w().setBackColor(c.scheme);
        frminitialize &f = forms.get<frminitialize>();
        // 9540 x 7220 twips around 4305 x 1110: half of the spare width is 2617.5 twips.
        EXPECT_EQ(f.twipLeft(), 3218);
        EXPECT_EQ(f.twipTop(), 3355);
        const forms::VbColor labelDesign = f.Label1->foreColor();
        ShowInitializingWindow(app, true);
        EXPECT_TRUE(f.visible());
        EXPECT_EQ(f.backColor(), c.windowBack);
        EXPECT_EQ(f.Label1->foreColor(), c.labelFore == forms::kSysButtonText ? labelDesign : c.labelFore);
        EXPECT_EQ(f.Label1->twipWidth(), f.twipWidth());
        EXPECT_EQ(f.Label1->caption(), QStringLiteral("Initializing Data:  please wait"));
        ShowInitializingWindow(app, false);
        EXPECT_FALSE(f.visible());
        EXPECT_TRUE(forms.isLoaded<frminitialize>());
    }
}

} // namespace
} // namespace tarvello::test
