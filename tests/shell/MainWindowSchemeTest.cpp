#include "ShellFixture.h"

#include "platform/grid/Grid.h"
#include "support/ScrollBarContrast.h"
#include "windows/Halvern.h"

#include <QApplication>
#include <QScrollBar>

#include <optional>

namespace tarvello::test {
namespace {

using namespace forms::colors;
using forms::VbColor;

struct Expected {
    const char *control;
    Scheme scheme;
    std::optional<VbColor> fore; // none: not checked
    std::optional<VbColor> back;
};

forms::Control &control(Halvern &w, const char *name)
{
    auto *found = w.findChild<QWidget *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return *dynamic_cast<forms::Control *>(found);
}

// From the design state each scheme writes its own table: groups of labels, the title, the report
// panel, and controls that keep their design colours.
TEST_F(ShellTest, EachSchemeWritesItsTableOnTheMainWindow)
{
    const Expected cases[] = {
        {"LabelDay", Scheme::Black, kWhite, kBlack},
        {"LabelDay", Scheme::Gray, kBlack, kGray},
        {"LabelDay", Scheme::Mono, kBlack, kWhite},
        {"labelOilPos", Scheme::Black, kCyan, kBlack},
        {"labelOilPos", Scheme::Gray, kBlack, kGray},
        {"lblEq", Scheme::Black, kYellow, kBlack},
        {"lblEq", Scheme::Gray, kBlue, kGray},
        {"lblSoybeanCurrMark", Scheme::Mono, kBlack, kWhite},
        {"lblorderverify", Scheme::Gray, kBlue, kGray},
        {"GameName", Scheme::Black, kYellow, kBlue},
        {"GameName", Scheme::Gray, kYellow, kBlue},
        {"GameName", Scheme::Mono, kBlack, kGray},
        // The score caption takes the report panel's background, except in gray.
        {"labelscore", Scheme::Black, kWhite, kVeryDarkRed},
        {"labelscore", Scheme::Gray, kBlack, kGray},
        {"labelscore", Scheme::Mono, kBlack, kGray},
        {"LabelTH", Scheme::Black, kYellow, kVeryDarkRed},
        {"LabelNH", Scheme::Gray, kYellow, kBlue},
        {"LabelNH", Scheme::Mono, kBlack, kGray},
        {"TradeGrid", Scheme::Black, kYellow, kBlue},
        {"newsgrid", Scheme::Gray, kYellow, kVeryDarkRed},
        {"newsgrid", Scheme::Mono, kBlack, kGray},
    };
    for (const Expected &c : cases) {
        SCOPED_TRACE(c.control);
        SCOPED_TRACE(static_cast<int>(c.scheme));
        chooseScheme(Scheme::Mono == c.scheme ? Scheme::Gray : Scheme::Mono); // leave the scheme first
        chooseScheme(c.scheme);
        forms::Control &ctl = control(w(), c.control);
        if (c.fore) {
            EXPECT_EQ(ctl.foreColor(), *c.fore);
        }
        if (c.back) {
            EXPECT_EQ(ctl.backColor(), *c.back);
        }
    }
}

TEST_F(ShellTest, PromptsChangeTextOnlyAndButtonsKeepTheirColours)
{
    const VbColor promptBack = w().promptPrice->backColor();
    const VbColor buttonBack = w().btnBuy->backColor();
    const VbColor buttonFore = w().btnBuy->foreColor();
    const VbColor entryBack = w().inputUnits->backColor();
    for (const auto &[scheme, text] : {std::pair{Scheme::Gray, kBlack}, std::pair{Scheme::Black, kWhite}}) {
        chooseScheme(scheme);
        EXPECT_EQ(w().promptPrice->foreColor(), text);
        EXPECT_EQ(w().promptUnits->foreColor(), text);
        EXPECT_EQ(w().promptPrice->backColor(), promptBack);
        EXPECT_EQ(w().btnBuy->backColor(), buttonBack);
        EXPECT_EQ(w().btnBuy->foreColor(), buttonFore);
        EXPECT_EQ(w().inputUnits->backColor(), entryBack);
    }
}

TEST_F(ShellTest, SchemeIsRecordedInTheMainWindowColours)
{
    const std::tuple<Scheme, VbColor, VbColor> cases[] = {
        {Scheme::Gray, kGray, kBlack}, {Scheme::Mono, kWhite, kBlack}, {Scheme::Black, kBlack, kWhite}};
    for (const auto &[scheme, back, fore] : cases) {
        chooseScheme(scheme);
        EXPECT_EQ(w().backColor(), back);
        EXPECT_EQ(w().foreColor(), fore);
    }
}

TEST_F(ShellTest, FrameAndLevelShapesFollowSchemeAndLevel)
{
    struct Case {
        Scheme scheme;
        Level level;
        VbColor shpBeginner, shpExpMark, shape1, levelShape;
    };
    const Case cases[] = {
        {Scheme::Black, Level::Expert, kCyan, kBlue, kGreen, kRed},
        {Scheme::Black, Level::Novice, kCyan, kBlue, kGreen, kCyan},
        {Scheme::Gray, Level::Expert, kBlue, kBlue, kGreen, kDarkRed},
        {Scheme::Gray, Level::Novice, kBlue, kBlue, kGreen, kBlue},
        {Scheme::Mono, Level::Novice, kBlack, kBlack, kBlack, kBlack},
    };
    for (const Case &c : cases) {
        state.settings.level = c.level;
        chooseScheme(c.scheme == Scheme::Gray ? Scheme::Mono : Scheme::Gray);
        chooseScheme(c.scheme);
        EXPECT_EQ(w().shpBeginner->borderColor(), c.shpBeginner);
        EXPECT_EQ(w().Shape2->borderColor(), c.shpBeginner);
        EXPECT_EQ(w().shpExpMark->borderColor(), c.shpExpMark);
        EXPECT_EQ(w().Shape1->borderColor(), c.shape1);
        EXPECT_EQ(w().ShapeNextPeriod->borderColor(), c.levelShape);
        EXPECT_EQ(w().shapeTradeCentral->borderColor(), c.levelShape);
    }
}

// A market label keeps its state, marked or plain, through every change; the state is read from its
// background under the old scheme (gray is plain in Gray and marked in Monochrome).
TEST_F(ShellTest, MarketLabelsKeepTheirStateAcrossSchemes)
{
    struct Case {
        Scheme from, to;
        bool marked;
        VbColor back, fore;
    };
    const Case cases[] = {
        {Scheme::Mono, Scheme::Gray, true, kYellow, kBlack},
        {Scheme::Mono, Scheme::Gray, false, kGray, kBlack},
        {Scheme::Gray, Scheme::Mono, true, kGray, kBlack},
        {Scheme::Gray, Scheme::Mono, false, kWhite, kBlack},
        {Scheme::Gray, Scheme::Black, false, kBlack, kWhite},
        {Scheme::Gray, Scheme::Black, true, kCyan, kBlack},
        {Scheme::Black, Scheme::Black, true, kCyan, kBlack},
        {Scheme::Mono, Scheme::Mono, true, kGray, kBlack},
    };
    const VbColor markedIn[] = {kCyan, kYellow, kGray};
    const VbColor plainIn[] = {kBlack, kGray, kWhite};
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.from) * 10 + static_cast<int>(c.to));
        chooseScheme(c.from);
        const auto from = static_cast<size_t>(c.from);
        w().LabelGoldMark->setBackColor(c.marked ? markedIn[from] : plainIn[from]);
        chooseScheme(c.to);
        EXPECT_EQ(w().LabelGoldMark->backColor(), c.back);
        EXPECT_EQ(w().LabelGoldMark->foreColor(), c.fore);
    }
    // Any other background counts as plain.
    chooseScheme(Scheme::Black);
    w().LabelOilMark->setBackColor(kMagenta);
    chooseScheme(Scheme::Gray);
    EXPECT_EQ(w().LabelOilMark->backColor(), kGray);
}

TEST_F(ShellTest, DialogShowsTheSchemeInForceAndItsColours)
{
    chooseScheme(Scheme::Mono);
    ASSERT_FALSE(host.shows().empty());
    const ModalShow &first = host.shows().back();
    EXPECT_EQ(first.caption, "Screen Color");
    EXPECT_EQ(first.owner, "Halvern");
    EXPECT_EQ(first.backColor, kBlack); // the design colours before the change
    EXPECT_EQ(first.control("optGray").foreColor, kYellow);

    // Opened again, it ticks the scheme in force; a change colours the dialog too.
    host.answerNext([](forms::Form &form) {
        auto &d = static_cast<frmScreenColor &>(form);
        EXPECT_TRUE(d.optMono->value());
        EXPECT_FALSE(d.optBlack->value());
        EXPECT_NEAR(d.optBlack->twipLeft() * 2 + d.optBlack->twipWidth(), d.twipWidth(), 1); // centred
        d.optGray->setValue(true);
        EXPECT_EQ(d.backColor(), kGray);
        EXPECT_EQ(d.optGray->foreColor(), kBlue);
        EXPECT_EQ(d.Command1->backColor(), kBlack);
        EXPECT_TRUE(d.enabled());
        EXPECT_TRUE(d.optMono->enabled());
        d.unload(); // the close box does what "OK" does
    });
    w().mnuScreenColor->click();
    EXPECT_FALSE(forms.isLoaded<frmScreenColor>());
    EXPECT_TRUE(w().enabled());
    EXPECT_TRUE(w().mnuScreenColor->enabled());
}

// A colour scheme is cosmetic: no setting of the game, no menu check mark changes.
TEST_F(ShellTest, SchemeChangeLeavesTheGameAlone)
{
    state.settings.level = Level::Novice;
    state.settings.dataType = DataKind::Tick;
    state.settings.lengthOption = GameLengthOption::OneQuarter;
    state.settings.gameLength = 63;
    const GameSettings before = state.settings;
    std::vector<bool> checks;
    for (forms::MenuItem *item : w().findChildren<forms::MenuItem *>())
        checks.push_back(item->checked());

    chooseScheme(Scheme::Gray);
    chooseScheme(Scheme::Black);

    EXPECT_EQ(state.settings.level, before.level);
    EXPECT_EQ(state.settings.dataType, before.dataType);
    EXPECT_EQ(state.settings.lengthOption, before.lengthOption);
    EXPECT_EQ(state.settings.gameLength, before.gameLength);
    std::vector<bool> after;
    for (forms::MenuItem *item : w().findChildren<forms::MenuItem *>())
        after.push_back(item->checked());
    EXPECT_EQ(after, checks);
}

TEST_F(ShellTest, ReportGridScrollBarsStayLegibleInEveryScheme)
{
    w().showModeless();
    for (grid::Grid *g : {w().TradeGrid, w().newsgrid}) {
        g->setCols(7);
        g->setRows(60);
        g->setVisible(true);
    }
    for (Scheme scheme : {Scheme::Gray, Scheme::Black, Scheme::Mono}) { // the window starts in Black
        chooseScheme(scheme);
        QApplication::processEvents(); // the views lay themselves out
        for (grid::Grid *g : {w().TradeGrid, w().newsgrid}) {
            SCOPED_TRACE(g->objectName().toStdString() + " scheme " + std::to_string(static_cast<int>(scheme)));
            ASSERT_TRUE(g->verticalScrollBar()->isVisible());
            EXPECT_GE(arrowContrast(*g->verticalScrollBar()), 3.0);
        }
    }
}

} // namespace
} // namespace tarvello::test
