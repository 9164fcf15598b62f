#include "support/MainWindowFixture.h"

#include "flow/ui/LevelLayout.h"

#include <set>
#include <string>

namespace tarvello::test {
namespace {

using LevelLayout = MainWindowTest;
using Names = std::set<std::string>;

const char *const kValueFields[] = {"lblDay",
                                    "lblTradeTime",
                                    "lblEq",
                                    "lblPercentGL",
                                    "lblRPL",
                                    "lblUPL",
                                    "lblLIAB",
                                    "lblAvailMarg",
                                    "lblPosMargPercent",
                                    "lblTotTrades",
                                    "lblOilPos",
                                    "lblGoldPos",
                                    "lblTBondPos",
                                    "lblSP500Pos",
                                    "lblCattlePos",
                                    "lblSoybeanPos",
                                    "lblOilCurrMark",
                                    "lblGoldCurrMark",
                                    "lblTBondCurrMark",
                                    "lblSP500CurrMark",
                                    "lblCattleCurrMark",
                                    "lblSoybeanCurrMark"};

forms::Label *label(Halvern &w, const std::string &name)
{
    return w.findChild<forms::Label *>(QString::fromStdString(name));
}

Names visibleValueFields(Halvern &w)
{
    Names names;
    for (const char *name : kValueFields)
        if (label(w, name)->visible())
            names.insert(name);
    return names;
}

TEST_F(LevelLayout, AccountLabelsByLevel)
{
    const Names always = {"lblDay",        "lblTradeTime", "lblEq",        "lblPercentGL",      "lblRPL",
                          "lblUPL",        "lblLIAB",      "lblAvailMarg", "lblPosMargPercent", "lblOilPos",
                          "lblOilCurrMark"};
    Names expert = always;
    expert.insert({"lblGoldPos", "lblTBondPos", "lblSP500Pos", "lblCattlePos", "lblSoybeanPos",
                   "lblGoldCurrMark", "lblTBondCurrMark", "lblSP500CurrMark", "lblCattleCurrMark",
                   "lblSoybeanCurrMark"});
    const struct {
        Level level;
        Names shown;
    } cases[] = {{Level::Novice, always}, {Level::Expert, expert}};
    for (const auto &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.level));
        for (const char *name : kValueFields)
            label(w(), name)->setVisible(true);
        HideAccountLabels(w());
        EXPECT_EQ(visibleValueFields(w()), Names{});
        state.settings.level = c.level;
        ShowAccountLabels(w(), state);
        // The total-trades field waits for the next period.
        EXPECT_EQ(visibleValueFields(w()), c.shown);
    }
}

TEST_F(LevelLayout, LabelalignleftAlignsTheCaptionsOnly)
{
    const char *const captions[] = {
        "LabelDay",     "labelTime",     "labelAV",       "labelGL",        "labelRPL",       "LabelUPL",
        "LabelLiab",    "LabelAM",       "LabelMaxiPos",  "LabelTotTrades", "LabelCM",        "labelOilPos",
        "LabelGoldPos", "LabelTBondPos", "LabelSP500Pos", "LabelCattlePos", "LabelSoybeanPos"};
    for (const char *name : captions)
        label(w(), name)->setJustify(forms::Justify::Center);
    w().labelscore->setJustify(forms::Justify::Center);
    w().LabelPosition->setJustify(forms::Justify::Center);

    Labelalignleft(w());
    for (const char *name : captions)
        EXPECT_EQ(label(w(), name)->justify(), forms::Justify::Left) << name;
    EXPECT_EQ(w().labelscore->justify(), forms::Justify::Center);
    EXPECT_EQ(w().LabelPosition->justify(), forms::Justify::Center);
    EXPECT_EQ(w().lblEq->justify(), forms::Justify::Right);
    EXPECT_EQ(w().lblOilPos->justify(), forms::Justify::Right);
}

struct Panel {
    bool headingShown;
    int headingTop;
    bool headingBold;
    bool frameShown;
    int tradeTop;
    bool tradeShown, tradeEnabled, newsShown, newsEnabled;

    bool operator==(const Panel &) const = default;
};

void PrintTo(const Panel &p, std::ostream *os)
{
    *os << "{heading " << p.headingShown << " at " << p.headingTop << " bold " << p.headingBold << ", frame "
        << p.frameShown << ", trade at " << p.tradeTop << " shown " << p.tradeShown << " enabled "
        << p.tradeEnabled << ", news shown " << p.newsShown << " enabled " << p.newsEnabled << "}";
}

Panel panel(Halvern &w)
{
    return {w.Label8->visible(),       w.Label8->twipTop(),       w.Label8->fontBold(),
            w.Shape3->visible(),       w.btnTradeHist->twipTop(), w.btnTradeHist->visible(),
            w.btnTradeHist->enabled(), w.btnNewsHist->visible(),  w.btnNewsHist->enabled()};
}

TEST_F(LevelLayout, ShowReportsPanel)
{
    const Panel design = {false, 5280, false, true, 5640, true, false, true, false};
    const struct {
        const char *what;
        int32_t trades;
        int16_t news;
        bool annual, daily;
        int16_t tradeDay;
        bool frameHidden;
        Panel after;
    } cases[] = {
        {"no fill and no news item: nothing changes", 0, 0, true, false, 3, false, design},
        {"no annual or daily news: one button, enabled before the first period",
         1,
         0,
         false,
         false,
         0,
         true,
         {true, 5580, true, true, 6000, true, true, true, false}},
        {"annual news before the first period: both buttons, both disabled",
         1,
         0,
         true,
         false,
         0,
         false,
         {true, 5280, true, true, 5640, true, false, true, false}},
        {"daily news during a game: both buttons enabled",
         0,
         2,
         false,
         true,
         4,
         false,
         {true, 5280, true, true, 5640, true, true, true, true}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        w().Label8->setVisible(false);
        w().Label8->setFontBold(false);
        w().Label8->setTwipTop(5280);
        w().Shape3->setVisible(!c.frameHidden);
        w().btnTradeHist->setTwipTop(5640);
        w().btnTradeHist->setEnabled(false);
        w().btnNewsHist->setEnabled(false);
        state.account.totalTrades = c.trades;
        state.news.newsEventCount = c.news;
        state.clock.tradeDay = c.tradeDay;
        w().mnuNews[0]->setChecked(c.annual);
        w().mnuNews[1]->setChecked(c.daily);
        ShowReportsPanel(w(), state);
        EXPECT_EQ(panel(w()), c.after);
        EXPECT_EQ(w().btnTradeHist->twipLeft(), 7920);
        EXPECT_EQ(w().Label8->twipLeft(), 7800);
        EXPECT_EQ(w().btnNewsHist->twipTop(), 6000);
    }
}

TEST_F(LevelLayout, TheOneButtonPanelPutsTradeHistoryInFrontAndAHeadingShownKeepsItsFont)
{
    state.account.totalTrades = 1;
    w().mnuNews[0]->setChecked(false);
    w().Label8->setVisible(true);
    w().Label8->setFontBold(false);
    w().btnNewsHist->raise();
    ShowReportsPanel(w(), state);
    EXPECT_FALSE(w().Label8->fontBold());
    const QObjectList order = w().client()->children();
    EXPECT_LT(order.indexOf(w().btnNewsHist), order.indexOf(w().btnTradeHist));
    EXPECT_EQ(w().btnTradeHist->geometry(), w().btnNewsHist->geometry());

    // Back to two buttons: Trade History returns to the upper slot.
    w().mnuNews[1]->setChecked(true);
    ShowReportsPanel(w(), state);
    EXPECT_EQ(w().btnTradeHist->twipTop(), 5640);
    EXPECT_EQ(w().Label8->twipTop(), 5280);
}

} // namespace
} // namespace tarvello::test
