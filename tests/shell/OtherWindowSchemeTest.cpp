#include "ShellFixture.h"

#include "flow/ui/LevelSelected.h"
#include "news/ui/EconomicNewsStory.h"
#include "shell/ui/About.h"
#include "shell/ui/Commissions.h"
#include "shell/ui/CustomProgramming.h"
#include "windows/AboutWindow.h"
#include "windows/CommissionsWindow.h"
#include "windows/CustomWindow.h"
#include "windows/EconCalendarWindow.h"
#include "windows/EconomicNewsStoryWindow.h"
#include "windows/StockGraphWindow.h"
#include "windows/frmEndofGame.h"
#include "windows/frmLevelSelected.h"
#include "windows/frmTradeConfirmation.h"

namespace tarvello::test {
namespace {

using namespace forms::colors;
using forms::VbColor;

struct Case {
    Scheme scheme;
    VbColor windowBack;
    VbColor labelFore, labelBack;
};

// A scheme change recolours the windows that follow it at once, loading them hidden when needed.
TEST_F(ShellTest, SchemeChangeRecoloursTheOtherWindows)
{
    struct WindowCase {
        const char *window;
        Case black, gray, mono;
        std::function<forms::Form &()> form;
        std::function<forms::Control &()> label;
    };
    const WindowCase windows[] = {
        {"frmCustom",
         {Scheme::Black, kCyan, kYellow, kBlue},
         {Scheme::Gray, kCyan, kYellow, kBlue},
         {Scheme::Mono, kBlack, kWhite, kBlack},
         [this]() -> forms::Form & { return forms.get<frmCustom>(); },
         [this]() -> forms::Control & { return *forms.get<frmCustom>().lblBottom; }},
        {"frmEndofGame",
         {Scheme::Black, kBlue, kYellow, kBlue},
         {Scheme::Gray, kBlue, kYellow, kBlue},
         {Scheme::Mono, kGray, kBlack, kGray},
         [this]() -> forms::Form & { return forms.get<frmEndofGame>(); },
         [this]() -> forms::Control & { return *forms.get<frmEndofGame>().label12; }},
        {"frmEconCalendar",
         {Scheme::Black, kVeryDarkRed, kYellow, kVeryDarkRed},
         {Scheme::Gray, kVeryDarkRed, kYellow, kVeryDarkRed},
         {Scheme::Mono, kGray, kBlack, kGray},
         [this]() -> forms::Form & { return forms.get<frmEconCalendar>(); },
         [this]() -> forms::Control & { return *forms.get<frmEconCalendar>().labels[13]; }},
        {"frmEconomicNewsStory",
         {Scheme::Black, kVeryDarkRed, kYellow, kVeryDarkRed},
         {Scheme::Gray, kVeryDarkRed, kYellow, kVeryDarkRed},
         {Scheme::Mono, kGray, kBlack, kGray},
         [this]() -> forms::Form & { return forms.get<frmEconomicNewsStory>(); },
         [this]() -> forms::Control & { return *forms.get<frmEconomicNewsStory>().Label1; }},
        {"frmStockGraph",
         {Scheme::Black, kBlue, kYellow, kBlue},
         {Scheme::Gray, kGray, kBlue, kGray},
         {Scheme::Mono, kBlack, kWhite, kBlack},
         [this]() -> forms::Form & { return forms.get<frmStockGraph>(); },
         [this]() -> forms::Control & { return *forms.get<frmStockGraph>().Option3; }},
        {"frmTradeConfirmation",
         {Scheme::Black, kMagenta, kYellow, kMagenta},
         {Scheme::Gray, kMagenta, kYellow, kMagenta},
         {Scheme::Mono, kBlack, kWhite, kBlack},
         [this]() -> forms::Form & { return forms.get<frmTradeConfirmation>(); },
         [this]() -> forms::Control & { return *forms.get<frmTradeConfirmation>().lblTradeConfirmation; }},
    };
    for (Scheme scheme : {Scheme::Mono, Scheme::Gray, Scheme::Black}) {
        chooseScheme(scheme);
        for (const WindowCase &wc : windows) {
            SCOPED_TRACE(wc.window);
            SCOPED_TRACE(static_cast<int>(scheme));
            const Case &c = scheme == Scheme::Black ? wc.black : scheme == Scheme::Gray ? wc.gray : wc.mono;
            forms::Form &form = wc.form();
            EXPECT_FALSE(form.visible());
            EXPECT_EQ(form.backColor(), c.windowBack);
            EXPECT_EQ(wc.label().foreColor(), c.labelFore);
            EXPECT_EQ(wc.label().backColor(), c.labelBack);
        }
        EXPECT_EQ(forms.get<frmEconCalendar>().lines[3]->borderColor(),
                  scheme == Scheme::Mono ? kBlack : kYellow);
        EXPECT_EQ(forms.get<frmStockGraph>().foreColor(), scheme == Scheme::Mono ? kWhite : kYellow);
    }
}

TEST_F(ShellTest, LevelDetailChangesOnlyItsValueLabelsText)
{
    frmLevelSelected &f = forms.get<frmLevelSelected>();
    const VbColor windowBack = f.backColor();
    const VbColor captionFore = f.Label1->foreColor();
    const VbColor valueBack = f.lblLevel->backColor();
    chooseScheme(Scheme::Mono);
    EXPECT_EQ(f.lblLevel->foreColor(), kBlack);
    EXPECT_EQ(f.lblDataType->foreColor(), kBlack);
    chooseScheme(Scheme::Gray);
    EXPECT_EQ(f.lblNewsOptions->foreColor(), kBlue);
    EXPECT_EQ(f.lblLevel->backColor(), valueBack);
    EXPECT_EQ(f.Label1->foreColor(), captionFore);
    EXPECT_EQ(f.backColor(), windowBack);
}

// Windows that colour themselves when activated, from the main window's scheme.
TEST_F(ShellTest, SelfColouringWindowsFollowTheScheme)
{
    struct SelfCase {
        Scheme scheme;
        VbColor commissFore, commissBack;
        VbColor aboutWindowBack, aboutFore, aboutBack;
    };
    const SelfCase cases[] = {
        {Scheme::Black, kGreen, kBlack, kDarkGreen, kWhite, kBlack},
        {Scheme::Gray, kBlue, kGray, kGray, kBlack, kGray},
        {Scheme::Mono, kBlack, kWhite, kWhite, kBlack, kWhite},
    };
    for (const SelfCase &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.scheme));
        chooseScheme(c.scheme == Scheme::Black ? Scheme::Gray : Scheme::Black);
        chooseScheme(c.scheme);
        frmCommiss &commiss = forms.get<frmCommiss>();
        commiss::Form_Activate(commiss, app);
        EXPECT_EQ(commiss.backColor(), c.commissBack);
        for (forms::Label *label : {commiss.Label4, commiss.label12, commiss.Label11}) {
            EXPECT_EQ(label->foreColor(), c.commissFore);
            EXPECT_EQ(label->backColor(), c.commissBack);
        }
        EXPECT_EQ(commiss.Line1->borderColor(), c.commissFore);
        frmAboutHalvern &about = forms.get<frmAboutHalvern>();
        about::Form_Activate(about, app);
        EXPECT_EQ(about.backColor(), c.aboutWindowBack);
        EXPECT_EQ(about.Label2->foreColor(), c.aboutFore);
        EXPECT_EQ(about.Label2->backColor(), c.aboutBack);
        forms.unload<frmCommiss>();
        forms.unload<frmAboutHalvern>();
    }
}

} // namespace
} // namespace tarvello::test
