#include "support/MainWindowFixture.h"

#include "flow/ui/MenuEnabling.h"

#include <set>
#include <string>

namespace tarvello::test {
namespace {

using MenuEnabling = MainWindowTest;
using Names = std::set<std::string>;

const char *const kWorkingButtons[] = {
    "btnOil",  "btnGold",  "btnTBond", "btnSp500", "btnCattle",       "btnSoybean",   "btnBuy",     "btnSell",
    "btnHold", "btnTrade", "btnYes",   "btnNo",    "btnChangePeriod", "btnTradeHist", "btnNewsHist"};

forms::CommandButton *button(Halvern &w, const std::string &name)
{
    return w.findChild<forms::CommandButton *>(QString::fromStdString(name));
}

void setAll(Halvern &w, bool visible, bool enabled)
{
    for (const char *name : kWorkingButtons) {
        button(w, name)->setVisible(visible);
        button(w, name)->setEnabled(enabled);
    }
}

Names enabledButtons(Halvern &w)
{
    Names names;
    for (const char *name : kWorkingButtons)
        if (button(w, name)->enabled())
            names.insert(name);
    return names;
}

const Names kAll(std::begin(kWorkingButtons), std::end(kWorkingButtons));

Names allBut(std::initializer_list<const char *> except)
{
    Names names = kAll;
    for (const char *name : except)
        names.erase(name);
    return names;
}

TEST_F(MenuEnabling, TheMenuBarIsAPlainSwitch)
{
    DisableMainMenus(w());
    for (forms::MenuItem *menu : {w().mnuGame, w().mnuSettings, w().mnuZelk, w().mnuHowtoPlay})
        EXPECT_FALSE(menu->enabled());
    EXPECT_TRUE(w().mnuEnd->enabled()); // items keep their own flags
    EXPECT_FALSE(w().mnuEnd->reachable());
    DisableMainMenus(w());
    EnableMainMenus(w());
    for (forms::MenuItem *menu : {w().mnuGame, w().mnuSettings, w().mnuZelk, w().mnuHowtoPlay})
        EXPECT_TRUE(menu->enabled());
}

TEST_F(MenuEnabling, DisableVisibleButtons)
{
    setAll(w(), true, true);
    DisableVisibleButtons(w());
    EXPECT_EQ(enabledButtons(w()), Names{});

    // Hidden buttons stay as they are, except "&Forward" and "&Trade".
    setAll(w(), false, true);
    DisableVisibleButtons(w());
    EXPECT_EQ(enabledButtons(w()), allBut({"btnChangePeriod", "btnTrade"}));
}

TEST_F(MenuEnabling, EnableVisibleButtons)
{
    const struct {
        const char *what;
        bool visible;
        bool enabledBefore;
        int16_t tradeDay;
        int16_t securitySelected;
        Level level;
        bool gameLoaded;
        Names enabledAfter;
    } cases[] = {
        {"no game: Forward, Trade and the reports stay off", true, false, 0, 0, Level::Expert, false,
         allBut({"btnChangePeriod", "btnTrade", "btnTradeHist", "btnNewsHist"})},
        {"no game: Forward and Trade are turned off", true, true, 0, 0, Level::Expert, false,
         allBut({"btnChangePeriod", "btnTrade", "btnTradeHist", "btnNewsHist"})},
        {"a game loaded, before its first period", true, false, 0, 0, Level::Expert, true,
         allBut({"btnTrade", "btnTradeHist", "btnNewsHist"})},
        {"during a game", true, false, 4, 0, Level::Expert, true, kAll},
        {"Expert, instrument not chosen yet: Buy and Sell untouched", true, false, 4, 1, Level::Expert, true,
         allBut({"btnBuy", "btnSell"})},
        {"Expert, instrument not chosen yet: enabled ones stay enabled", true, true, 4, 1, Level::Expert,
         true, kAll},
        {"Novice enables Buy and Sell anyway", true, false, 4, 1, Level::Novice, true, kAll},
        {"hidden buttons are left alone", false, false, 4, 0, Level::Expert, true, {}},
        {"hidden buttons are left alone even when enabled", false, true, 0, 0, Level::Expert, false, kAll},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        state.clock.tradeDay = c.tradeDay;
        state.order.securitySelected = c.securitySelected;
        state.settings.level = c.level;
        state.clock.gameDataLoaded = c.gameLoaded;
        setAll(w(), c.visible, c.enabledBefore);
        EnableVisibleButtons(w(), state);
        EXPECT_EQ(enabledButtons(w()), c.enabledAfter);
    }
}

TEST_F(MenuEnabling, ReportButtons)
{
    enum Op { Disable, Enable };
    const struct {
        const char *what;
        Op op;
        bool annual, daily;
        int16_t tradeDay;
        bool tradeVisible, newsVisible, enabledBefore;
        bool tradeAfter, newsAfter;
    } cases[] = {
        {"disable with annual news", Disable, true, false, 3, true, true, true, false, false},
        {"disable with daily news", Disable, false, true, 3, true, true, true, false, false},
        {"disable without annual or daily news leaves News History", Disable, false, false, 3, true, true,
         true, false, true},
        {"disable leaves hidden buttons", Disable, true, false, 3, false, false, true, true, true},
        {"enable before the first period: Trade History only", Enable, true, false, 0, true, true, false,
         true, false},
        {"enable during a game", Enable, false, true, 2, true, true, false, true, true},
        {"enable without annual or daily news leaves News History", Enable, false, false, 2, true, true,
         false, true, false},
        {"enable reaches a hidden Trade History", Enable, false, false, 0, false, false, false, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        state.clock.tradeDay = c.tradeDay;
        w().mnuNews[0]->setChecked(c.annual);
        w().mnuNews[1]->setChecked(c.daily);
        w().btnTradeHist->setVisible(c.tradeVisible);
        w().btnNewsHist->setVisible(c.newsVisible);
        w().btnTradeHist->setEnabled(c.enabledBefore);
        w().btnNewsHist->setEnabled(c.enabledBefore);
        if (c.op == Disable)
            DisableReportButtons(w());
        else
            EnableReportButtons(w(), state);
        EXPECT_EQ(w().btnTradeHist->enabled(), c.tradeAfter);
        EXPECT_EQ(w().btnNewsHist->enabled(), c.newsAfter);
    }
}

TEST_F(MenuEnabling, InstrumentButtonsAndMarkLabelsSwapPlaces)
{
    const std::vector<forms::CommandButton *> buttons = {w().btnOil,   w().btnGold,   w().btnTBond,
                                                         w().btnSp500, w().btnCattle, w().btnSoybean};
    const std::vector<forms::Label *> marks = {w().LabelOilMark,   w().LabelGoldMark,   w().LabelTBondMark,
                                               w().LabelSP500Mark, w().LabelCattleMark, w().LabelSoybeanMark};
    // Each button stands where its instrument's Mark label stands.
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->twipLeft(), marks[i]->twipLeft());
        EXPECT_EQ(buttons[i]->twipTop(), marks[i]->twipTop());
    }

    labelmarketinvisible(w());
    tradebuttonvisible(w());
    Tradebuttondisabler(w());
    for (auto *b : buttons) {
        EXPECT_TRUE(b->visible());
        EXPECT_FALSE(b->enabled());
    }
    for (auto *m : marks)
        EXPECT_FALSE(m->visible());

    Tradebuttonenabler(w());
    tradebuttoninvisible(w());
    labelmarketvisible(w());
    for (auto *b : buttons) {
        EXPECT_FALSE(b->visible());
        EXPECT_TRUE(b->enabled());
    }
    for (auto *m : marks)
        EXPECT_TRUE(m->visible());
}

} // namespace
} // namespace tarvello::test
