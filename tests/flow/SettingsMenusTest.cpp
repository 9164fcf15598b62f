#include "FlowFixture.h"

#include "flow/ui/LevelSelected.h"
#include "flow/ui/SettingsMenus.h"
#include "windows/frmLevelSelected.h"

namespace tarvello::test {
namespace {

using SettingsMenus = FlowTest;

std::vector<forms::MenuItem *> lockedItems(Halvern &w)
{
    return {w.mnuLevel[0],      w.mnuLevel[2],      w.mnuNews[0], w.mnuNews[1], w.mnuGameLength[2],
            w.mnuGameLength[3], w.mnuGameLength[4], w.mnuDat[0],  w.mnuDat[1]};
}

// The lock changes whether the items can be chosen, never their check marks, and leaves
// "&Background Story" alone.
TEST_F(SettingsMenus, LockAndUnlockTheNineItems)
{
    const std::vector<forms::MenuItem *> items = lockedItems(w());
    std::vector<bool> checks;
    for (forms::MenuItem *item : items)
        checks.push_back(item->checked());
    DisableSettingsMenus(app);
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_FALSE(items[i]->enabled()) << items[i]->objectName().toStdString();
        EXPECT_EQ(items[i]->checked(), checks[i]);
    }
    EXPECT_TRUE(w().mnuNews[2]->enabled());
    EnableSettingsMenus(app);
    for (forms::MenuItem *item : items)
        EXPECT_TRUE(item->enabled()) << item->objectName().toStdString();
}

TEST_F(SettingsMenus, DataItemsMoveTheirCheckMark)
{
    state.settings.dataType = DataKind::Daily;
    const struct {
        int16_t click;
        bool daily, tick;
    } cases[] = {{1, false, true}, {1, false, true}, {0, true, false}, {5, true, false}};
    for (const auto &c : cases) {
        if (w().mnuDat.contains(c.click))
            w().mnuDat[c.click]->click();
        else
            mnuDat_Click(w(), c.click);
        EXPECT_EQ(w().mnuDat[0]->checked(), c.daily);
        EXPECT_EQ(w().mnuDat[1]->checked(), c.tick);
        // The data kind changes when the next game starts.
        EXPECT_EQ(state.settings.dataType, DataKind::Daily);
    }
}

TEST_F(SettingsMenus, GameLengthItemsSetTheLengthAndTheLevelDetailLabel)
{
    const struct {
        int16_t item;
        int16_t length;
        const char *text;
    } cases[] = {{3, 90, "One Quarter"}, {3, 90, "One Quarter"}, {2, 30, "One Month"}, {4, 365, "One Year"}};
    for (const auto &c : cases) {
        w().mnuGameLength[c.item]->click();
        for (int16_t item = 2; item <= 4; ++item)
            EXPECT_EQ(w().mnuGameLength[item]->checked(), item == c.item);
        EXPECT_EQ(state.settings.gameLength, c.length);
        EXPECT_EQ(forms.get<frmLevelSelected>().lblMaxGameLength->caption(), QString::fromLatin1(c.text));
        EXPECT_FALSE(forms.get<frmLevelSelected>().visible());
        EXPECT_TRUE(w().enabled());
        EXPECT_TRUE(w().mnuSettings->enabled());
    }
}

// The first load of the Level Detail window describes the level and changes nothing else: the length
// just chosen stands, and the data kind, the news, the graph items and the locks stay as they were.
TEST_F(SettingsMenus, FirstLevelDetailLoadChangesNoSetting)
{
    const struct {
        const char *name;
        Level level;
        bool tick;
        int16_t chosen;
        int16_t length;
        const char *data, *news;
    } cases[] = {
        {"Novice, one month", Level::Novice, false, 2, 30, "Daily", "Annual Summary"},
        {"Expert, Tick, one month", Level::Expert, true, 2, 30, "Tick", "Daily Reports"},
        {"Expert, Daily, one quarter", Level::Expert, false, 3, 90, "Daily", "Annual Reports"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        forms.unload<frmLevelSelected>();
        state.settings.level = c.level;
        state.settings.dataType = DataKind::Daily;
        mnuDat_Click(w(), c.tick ? 1 : 0);
        w().mnuNews[0]->setChecked(true);
        w().mnuNews[1]->setChecked(false);
        w().mnuNews[1]->setEnabled(false);
        w().mnuGraph[0]->setChecked(false);
        w().mnuGraph[3]->setChecked(true);
        w().mnuGameLength[c.chosen]->click();

        const frmLevelSelected &detail = forms.get<frmLevelSelected>();
        EXPECT_EQ(detail.lblDataType->caption(), QString::fromLatin1(c.data));
        EXPECT_EQ(detail.lblNewsOptions->caption(), QString::fromLatin1(c.news));
        EXPECT_EQ(state.settings.gameLength, c.length);
        EXPECT_EQ(state.settings.dataType, DataKind::Daily);
        for (int16_t item = 2; item <= 4; ++item) {
            EXPECT_EQ(w().mnuGameLength[item]->checked(), item == c.chosen);
            EXPECT_TRUE(w().mnuGameLength[item]->enabled());
        }
        EXPECT_TRUE(w().mnuNews[0]->checked());
        EXPECT_FALSE(w().mnuNews[1]->checked());
        EXPECT_FALSE(w().mnuNews[1]->enabled());
        EXPECT_FALSE(w().mnuGraph[0]->checked());
        EXPECT_TRUE(w().mnuGraph[3]->checked());
        w().mnuNews[1]->setEnabled(true);
    }
}

// A command that only recolours the window's labels (the colour scheme), even in the middle of a game,
// loads it without touching the game.
TEST_F(SettingsMenus, LoadingTheLevelDetailWindowMidGameKeepsTheGame)
{
    state.settings.level = Level::Expert;
    state.settings.dataType = DataKind::Tick;
    state.settings.gameLength = 121;
    state.clock.tradeDay = 14;
    DisableSettingsMenus(app);
    w().mnuDat[1]->setChecked(false);
    forms.get<frmLevelSelected>().lblLevel->setForeColor(0xFFFFFF);
    EXPECT_EQ(state.settings.gameLength, 121);
    EXPECT_EQ(state.settings.dataType, DataKind::Tick);
    for (forms::MenuItem *item : lockedItems(w()))
        EXPECT_FALSE(item->enabled()) << item->objectName().toStdString();
}

} // namespace
} // namespace tarvello::test
