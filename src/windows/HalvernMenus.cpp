#include "windows/Halvern.h"

#include <array>

namespace tarvello {

namespace {

// One row of the menu tree: an item under the nearest row above it one level up. A row is either a
// single item (its member and name) or an element of a menu array (the array and the Index).
struct MenuRow {
    int level;
    Halvern::MenuItem *Halvern::*item;
    const char *name;
    Halvern::MenuArray Halvern::*array;
    int16_t index;
    const char *caption;
    bool checked;
};

constexpr MenuRow single(int level, Halvern::MenuItem *Halvern::*item, const char *name, const char *caption)
{
    return {level, item, name, nullptr, -1, caption, false};
}

constexpr MenuRow element(int level, Halvern::MenuArray Halvern::*array, int16_t index, const char *caption,
                          bool checked = false)
{
    return {level, nullptr, nullptr, array, index, caption, checked};
}

// The menu tree in menu order. The check marks are the defaults of each option group.
const MenuRow kMenus[] = {
    single(1, &Halvern::mnuGame, "mnuGame", "&Game"),
    single(2, &Halvern::mnuNewGame, "mnuNewGame", "&Start"),
    single(2, &Halvern::mnuDisclaimer, "mnuDisclaimer", "&Disclaimer Statement"),
    single(2, &Halvern::mnuEnd, "mnuEnd", "&End"),
    single(1, &Halvern::mnuSettings, "mnuSettings", "&Options"),
    element(2, &Halvern::mnuLevel, 0, "&Novice"),
    element(2, &Halvern::mnuLevel, 2, "E&xpert", true),
    single(2, &Halvern::mSep, "mSep", "-"),
    single(2, &Halvern::mnuData, "mnuData", "&Data"),
    element(3, &Halvern::mnuDat, 0, "&Daily", true),
    element(3, &Halvern::mnuDat, 1, "&Tick"),
    single(2, &Halvern::mnuLength, "mnuLength", "Game &Length"),
    element(3, &Halvern::mnuGameLength, 2, "One &Month"),
    element(3, &Halvern::mnuGameLength, 3, "One &Quarter"),
    element(3, &Halvern::mnuGameLength, 4, "One &Year", true),
    single(2, &Halvern::mnuSettingsNews, "mnuSettingsNews", "&News Reports"),
    element(3, &Halvern::mnuNews, 0, "&Annual", true),
    element(3, &Halvern::mnuNews, 1, "&Daily"),
    element(3, &Halvern::mnuNews, 2, "&Background Story"),
    single(2, &Halvern::mSep1, "mSep1", "-"),
    single(2, &Halvern::mnuMDisplay, "mnuMDisplay", "&Maximum Display"),
    element(3, &Halvern::mnuMaximum, 0, "&Transaction", true),
    element(3, &Halvern::mnuMaximum, 1, "&Positions"),
    single(2, &Halvern::mnuScreenColor, "mnuScreenColor", "&Screen Color..."),
    single(2, &Halvern::mSep2, "mSep2", "-"),
    single(2, &Halvern::mnuGraphOpt, "mnuGraphOpt", "&Graph Options"),
    element(3, &Halvern::mnuGraph, 0, "&Oil ", true),
    element(3, &Halvern::mnuGraph, 1, "&Gold "),
    element(3, &Halvern::mnuGraph, 2, "&T-Bond"),
    element(3, &Halvern::mnuGraph, 3, "&SP500"),
    element(3, &Halvern::mnuGraph, 4, "&Cattle"),
    element(3, &Halvern::mnuGraph, 5, "Soy&bean"),
    single(2, &Halvern::mnuGraphType, "mnuGraphType", "Graph &Types"),
    element(3, &Halvern::mnuGLType, 0, "&Open-High-Low-Close", true),
    element(3, &Halvern::mnuGLType, 1, "&Price"),
    element(4, &Halvern::mnuGLPrice, 0, "&Mean Line "),
    element(4, &Halvern::mnuGLPrice, 1, "M&in-Max Lines"),
    element(3, &Halvern::mnuGLType, 2, "&Year-to-Date"),
    single(3, &Halvern::mSep3, "mSep3", "-"),
    element(3, &Halvern::mnuGRType, 0, "&Moving Average - 5 Period"),
    element(4, &Halvern::mnuMoving, 0, "&Mean Line", true),
    element(4, &Halvern::mnuMoving, 1, "M&in-Max Lines"),
    element(4, &Halvern::mnuMoving, 2, "5 Periods"),
    element(3, &Halvern::mnuGRType, 1, "&Relative Strength Index "),
    element(3, &Halvern::mnuGRType, 2, "&Stochastic Indicator"),
    element(4, &Halvern::mnuStoch, 0, "&Fast Stochastics", true),
    element(4, &Halvern::mnuStoch, 1, "&Slow Stochastics"),
    single(1, &Halvern::mnuZelk, "mnuZelk", "&Zelk"),
    single(2, &Halvern::mnuHowto, "mnuHowto", "&How to Open a Commodities Account"),
    single(2, &Halvern::mnuMorvaine, "mnuMorvaine", "&Morvaine"),
    single(1, &Halvern::mnuHowtoPlay, "mnuHowtoPlay", "&Help"),
    single(2, &Halvern::mnuInstructions, "mnuInstructions", "&Instructions"),
    element(2, &Halvern::mnuDefinitions, 0, "&Definitions of Common Terms: A - L"),
    element(2, &Halvern::mnuDefinitions, 1, "&Definitions of Common Terms: M - Z"),
    single(2, &Halvern::mnusep4, "mnusep4", "-"),
    single(2, &Halvern::mnuEconomicCalendar, "mnuEconomicCalendar", "&Economic Calendar"),
    single(2, &Halvern::mnuCommission, "mnuCommission", "&Commissions"),
    single(2, &Halvern::mnusep5, "mnusep5", "-"),
    single(2, &Halvern::mnuPrint, "mnuPrint", "&Print Screen"),
    single(2, &Halvern::mnuSep6, "mnuSep6", "-"),
    single(2, &Halvern::mnuCustom, "mnuCustom", "C&ustom Programming"),
    single(2, &Halvern::mnuAboutMorvaine, "mnuAboutMorvaine", "&About Tarvello"),
};

} // namespace

void Halvern::buildMenus()
{
    std::array<MenuItem *, 5> parents{}; // the last item seen at each level
    for (const MenuRow &row : kMenus) {
        MenuItem *item = nullptr;
        if (row.item) {
            item = new MenuItem(this, QString::fromLatin1(row.name), QString::fromLatin1(row.caption));
            this->*row.item = item;
        } else {
            MenuArray &array = this->*row.array;
            item = new MenuItem(this, array.name(), QString::fromLatin1(row.caption));
            array.add(row.index, item);
        }
        item->setChecked(row.checked);
        if (row.level == 1)
            addMenu(item);
        else
            parents[row.level - 1]->addItem(item);
        parents[row.level] = item;
    }
}

} // namespace tarvello
