#include "support/MainWindowFixture.h"

#include "platform/forms/Control.h"

#include <QMenuBar>

namespace tarvello::test {
namespace {

using forms::TwipRect;

QString kindOf(const QObject *object)
{
    if (qobject_cast<const forms::MenuItem *>(object))
        return QStringLiteral("Menu");
    if (const auto *control = dynamic_cast<const forms::Control *>(object))
        return control->kind();
    return QStringLiteral("?");
}

// Every control of the main window at design: name, kind, caption, place, and whether it is shown and
// enabled before any code runs.
struct ControlRow {
    const char *name;
    const char *kind;
    const char *caption;
    TwipRect rect;
    bool visible = true;
    bool enabled = true;
};

const ControlRow kControls[] = {
    {"GameName", "Label", "Tarvello", {0, 0, 2775, 375}},
    {"labelscore", "Label", "Score:", {6480, 120, 852, 252}},
    {"lblScore", "Label", "", {7440, 150, 1335, 360}},
    {"Shape1", "Shape", "", {6360, 45, 2655, 450}},
    {"LabelDay", "Label", "Day 1:", {0, 600, 1455, 255}},
    {"lblDay", "Label", "", {1440, 600, 1215, 255}},
    {"labelTime", "Label", "Time:", {0, 840, 1455, 255}},
    {"lblTradeTime", "Label", "", {1440, 840, 1215, 255}},
    {"labelAV", "Label", "Account Value:", {0, 1200, 1335, 255}},
    {"lblEq", "Label", "", {1440, 1200, 1215, 255}},
    {"labelGL", "Label", "Gain / Loss (%):", {0, 1440, 1455, 255}},
    {"lblPercentGL", "Label", "", {1440, 1440, 1215, 255}},
    {"labelRPL", "Label", "Realized P(L):", {0, 1680, 1335, 255}},
    {"lblRPL", "Label", "", {1440, 1680, 1215, 255}},
    {"LabelUPL", "Label", "Unrealized P(L):", {0, 1920, 1455, 255}},
    {"lblUPL", "Label", "", {1440, 1920, 1215, 255}},
    {"LabelLiab", "Label", "Future Reqs.:", {0, 2400, 1455, 255}},
    {"lblLIAB", "Label", "", {1440, 2400, 1215, 255}},
    {"LabelAM", "Label", "Margin Excess:", {0, 2640, 1575, 255}},
    {"lblAvailMarg", "Label", "", {1440, 2640, 1215, 255}},
    {"LabelCM", "Label", "Cash Margin (%):", {0, 2880, 1455, 255}},
    {"lblPosMargPercent", "Label", "", {1440, 2880, 1215, 255}},
    {"LabelTotTrades", "Label", "Total Trades:", {0, 3360, 1335, 255}, false},
    {"lblTotTrades", "Label", "", {1440, 3360, 1215, 255}},
    {"LabelMaxiPos", "Label", "Maximum Transaction:", {0, 3600, 1935, 255}},
    {"lblMaxSelected", "Label", "", {1920, 3600, 735, 255}},
    {"LabelPosition", "Label", "Current Position:", {120, 4080, 2415, 315}},
    {"labelOilPos", "Label", "Oil", {240, 4440, 1095, 255}},
    {"lblOilPos", "Label", "", {1440, 4440, 975, 255}, false},
    {"LabelGoldPos", "Label", "Gold", {240, 4800, 1095, 255}, false},
    {"lblGoldPos", "Label", "", {1560, 4800, 975, 255}, false},
    {"LabelTBondPos", "Label", "T-Bond", {240, 5160, 1095, 255}, false},
    {"lblTBondPos", "Label", "", {1560, 5160, 975, 255}, false},
    {"LabelSP500Pos", "Label", "SP500", {240, 5520, 1095, 255}, false},
    {"lblSP500Pos", "Label", "", {1560, 5520, 975, 255}, false},
    {"LabelCattlePos", "Label", "Cattle", {240, 5880, 1095, 255}, false},
    {"lblCattlePos", "Label", "", {1560, 5880, 975, 255}, false},
    {"LabelSoybeanPos", "Label", "Soybean", {240, 6240, 1095, 255}, false},
    {"lblSoybeanPos", "Label", "", {1560, 6240, 975, 255}, false},
    {"shpBeginner", "Shape", "", {120, 4320, 2415, 495}},
    {"shpExpert", "Shape", "", {0, 3960, 2655, 2535}, false},
    {"CurrMarkBanner", "Label", "  Current Market:    (Last Trade  *  Change)", {2760, 3325, 6612, 204}},
    {"LabelOilMark", "Label", "Oil", {2880, 3720, 855, 255}},
    {"lblOilCurrMark", "Label", "", {3960, 3720, 1935, 255}},
    {"LabelGoldMark", "Label", "Gold", {2880, 4200, 855, 255}, false},
    {"lblGoldCurrMark", "Label", "", {3960, 4200, 1935, 255}, false},
    {"LabelTBondMark", "Label", "T-Bond", {2880, 4680, 855, 255}, false},
    {"lblTBondCurrMark", "Label", "", {3960, 4680, 1935, 255}, false},
    {"LabelSP500Mark", "Label", "SP500", {6000, 3720, 735, 255}, false},
    {"lblSP500CurrMark", "Label", "", {7080, 3720, 2175, 255}, false},
    {"LabelCattleMark", "Label", "Cattle", {6000, 4200, 735, 255}, false},
    {"lblCattleCurrMark", "Label", "", {7080, 4200, 2175, 255}, false},
    {"LabelSoybeanMark", "Label", "Soybean", {6000, 4680, 735, 255}, false},
    {"lblSoybeanCurrMark", "Label", "", {7080, 4680, 2175, 255}, false},
    {"shpBegMark", "Shape", "", {2760, 3600, 6615, 615}},
    {"shpExpMark", "Shape", "", {2760, 3600, 6615, 1575}, false},
    {"btnOil", "CommandButton", "&Oil", {2880, 3720, 975, 375}, false},
    {"btnGold", "CommandButton", "&Gold", {2880, 4200, 975, 375}, false},
    {"btnTBond", "CommandButton", "&T-Bond", {2880, 4680, 975, 375}, false},
    {"btnSp500", "CommandButton", "&SP500", {6000, 3720, 975, 375}, false},
    {"btnCattle", "CommandButton", "&Cattle", {6000, 4200, 975, 375}, false},
    {"btnSoybean", "CommandButton", "Soy&bean", {6000, 4680, 975, 375}, false},
    {"GraphLeft", "Graph", "", {2760, 600, 3255, 2655}},
    {"GraphRight", "Graph", "", {6120, 600, 3255, 2655}},
    {"cboCommodity", "ComboBox", "cboCommodity", {3240, 240, 1935, 315}},
    {"lblTraderInput", "Label", "Trader Input:", {2760, 5580, 4812, 240}},
    {"ShapeNextPeriod", "Shape", "", {2760, 5880, 4092, 612}},
    {"shapeTradeCentral", "Shape", "", {2760, 5880, 4812, 612}, false},
    {"btnBuy", "CommandButton", "&Buy", {3000, 6000, 1452, 372}, false},
    {"btnChangePeriod", "CommandButton", "&Forward", {3120, 6000, 1452, 372}, true, false},
    {"btnSell", "CommandButton", "&Sell", {4440, 6000, 1452, 372}, false},
    {"btnTrade", "CommandButton", "&Trade", {5040, 6000, 1452, 372}, true, false},
    {"btnHold", "CommandButton", "&Hold", {5880, 6000, 1452, 372}, false},
    {"promptUnits", "Label", "Enter Number of Units", {2880, 6120, 3372, 252}, false},
    {"inputUnits", "TextBox", "Text1", {5760, 6050, 1356, 300}, false},
    {"lblorderverify", "Label", "", {3000, 6120, 4452, 252}, false},
    {"promptPrice", "Label", "Enter Stock Price", {3000, 6120, 1572, 252}, false},
    {"inputPrice", "Label", "", {5520, 6120, 972, 252}, false},
    {"btnYes", "CommandButton", "&Enter Order", {7920, 5640, 1332, 372}, false},
    {"btnNo", "CommandButton", "&Cancel Order", {7920, 6000, 1335, 375}, false},
    {"Label8", "Label", "Reports:", {7800, 5280, 1095, 200}, false},
    {"Shape3", "Shape", "", {7800, 5520, 1575, 975}},
    {"btnTradeHist", "CommandButton", "T&rade History", {7920, 5640, 1335, 375}, true, false},
    {"btnNewsHist", "CommandButton", "&News History", {7920, 6000, 1335, 375}, true, false},
    {"newsgrid", "Grid", "", {3000, 840, 6100, 1452}, false},
    {"TradeGrid", "Grid", "", {3000, 840, 6100, 1452}, false},
    {"LabelNH", "Label", "News History Report:", {2880, 360, 1935, 255}, false},
    {"LabelTH", "Label", "Trade Report History:", {2880, 360, 1935, 255}, false},
    {"Shape2", "Shape", "", {2760, 720, 6615, 855}, false},
    {"btnCloseNewsHist", "CommandButton", "&Close News Report", {5160, 2400, 1812, 372}, false},
    {"btnCloseTradeHistory", "CommandButton", "&Close Trade Report", {5161, 2400, 1812, 372}, false},
};

// The menu tree: name (array elements as name_index), parent ("" for the menu bar), caption, check mark.
struct MenuRow {
    const char *name;
    const char *parent;
    const char *caption;
    bool checked = false;
};

const MenuRow kMenus[] = {
    {"mnuGame", "", "&Game"},
    {"mnuNewGame", "mnuGame", "&Start"},
    {"mnuDisclaimer", "mnuGame", "&Disclaimer Statement"},
    {"mnuEnd", "mnuGame", "&End"},
    {"mnuSettings", "", "&Options"},
    {"mnuLevel_0", "mnuSettings", "&Novice"},
    {"mnuLevel_2", "mnuSettings", "E&xpert", true},
    {"mSep", "mnuSettings", "-"},
    {"mnuData", "mnuSettings", "&Data"},
    {"mnuDat_0", "mnuData", "&Daily", true},
    {"mnuDat_1", "mnuData", "&Tick"},
    {"mnuLength", "mnuSettings", "Game &Length"},
    {"mnuGameLength_2", "mnuLength", "One &Month"},
    {"mnuGameLength_3", "mnuLength", "One &Quarter"},
    {"mnuGameLength_4", "mnuLength", "One &Year", true},
    {"mnuSettingsNews", "mnuSettings", "&News Reports"},
    {"mnuNews_0", "mnuSettingsNews", "&Annual", true},
    {"mnuNews_1", "mnuSettingsNews", "&Daily"},
    {"mnuNews_2", "mnuSettingsNews", "&Background Story"},
    {"mSep1", "mnuSettings", "-"},
    {"mnuMDisplay", "mnuSettings", "&Maximum Display"},
    {"mnuMaximum_0", "mnuMDisplay", "&Transaction", true},
    {"mnuMaximum_1", "mnuMDisplay", "&Positions"},
    {"mnuScreenColor", "mnuSettings", "&Screen Color..."},
    {"mSep2", "mnuSettings", "-"},
    {"mnuGraphOpt", "mnuSettings", "&Graph Options"},
    {"mnuGraph_0", "mnuGraphOpt", "&Oil ", true},
    {"mnuGraph_1", "mnuGraphOpt", "&Gold "},
    {"mnuGraph_2", "mnuGraphOpt", "&T-Bond"},
    {"mnuGraph_3", "mnuGraphOpt", "&SP500"},
    {"mnuGraph_4", "mnuGraphOpt", "&Cattle"},
    {"mnuGraph_5", "mnuGraphOpt", "Soy&bean"},
    {"mnuGraphType", "mnuSettings", "Graph &Types"},
    {"mnuGLType_0", "mnuGraphType", "&Open-High-Low-Close", true},
    {"mnuGLType_1", "mnuGraphType", "&Price"},
    {"mnuGLPrice_0", "mnuGLType_1", "&Mean Line "},
    {"mnuGLPrice_1", "mnuGLType_1", "M&in-Max Lines"},
    {"mnuGLType_2", "mnuGraphType", "&Year-to-Date"},
    {"mSep3", "mnuGraphType", "-"},
    {"mnuGRType_0", "mnuGraphType", "&Moving Average - 5 Period"},
    {"mnuMoving_0", "mnuGRType_0", "&Mean Line", true},
    {"mnuMoving_1", "mnuGRType_0", "M&in-Max Lines"},
    {"mnuMoving_2", "mnuGRType_0", "5 Periods"},
    {"mnuGRType_1", "mnuGraphType", "&Relative Strength Index "},
    {"mnuGRType_2", "mnuGraphType", "&Stochastic Indicator"},
    {"mnuStoch_0", "mnuGRType_2", "&Fast Stochastics", true},
    {"mnuStoch_1", "mnuGRType_2", "&Slow Stochastics"},
    {"mnuZelk", "", "&Zelk"},
    {"mnuHowto", "mnuZelk", "&How to Open a Commodities Account"},
    {"mnuMorvaine", "mnuZelk", "&Morvaine"},
    {"mnuHowtoPlay", "", "&Help"},
    {"mnuInstructions", "mnuHowtoPlay", "&Instructions"},
    {"mnuDefinitions_0", "mnuHowtoPlay", "&Definitions of Common Terms: A - L"},
    {"mnuDefinitions_1", "mnuHowtoPlay", "&Definitions of Common Terms: M - Z"},
    {"mnusep4", "mnuHowtoPlay", "-"},
    {"mnuEconomicCalendar", "mnuHowtoPlay", "&Economic Calendar"},
    {"mnuCommission", "mnuHowtoPlay", "&Commissions"},
    {"mnusep5", "mnuHowtoPlay", "-"},
    {"mnuPrint", "mnuHowtoPlay", "&Print Screen"},
    {"mnuSep6", "mnuHowtoPlay", "-"},
    {"mnuCustom", "mnuHowtoPlay", "C&ustom Programming"},
    {"mnuAboutMorvaine", "mnuHowtoPlay", "&About Tarvello"},
};

using HalvernContract = MainWindowTest;

TEST_F(HalvernContract, TheWindow)
{
    EXPECT_EQ(w().objectName(), QStringLiteral("Halvern"));
    EXPECT_EQ(w().caption(), QStringLiteral("Morvaine"));
    EXPECT_EQ(w().scaleWidth(), 9450);
    EXPECT_EQ(w().scaleHeight(), 6555);
    EXPECT_EQ(w().twipWidth(), 9540); // the outer size start-up gives it
    EXPECT_EQ(w().twipHeight(), 7220);
    EXPECT_EQ(w().backColor(), 0x000000u);
    EXPECT_EQ(w().foreColor(), 0xFFFFFFu);
    EXPECT_EQ(w().fontSpec(), (forms::FontSpec{QStringLiteral("MS Sans Serif"), 8.25f, true}));
    EXPECT_FALSE(w().windowIcon().isNull());
    EXPECT_FALSE(w().visible());
}

TEST_F(HalvernContract, EveryControlOnceWithItsKindAndDesignState)
{
    int controls = 0;
    for (QWidget *widget : w().findChildren<QWidget *>())
        controls += dynamic_cast<forms::Control *>(widget) != nullptr;
    EXPECT_EQ(controls, static_cast<int>(std::size(kControls))) << "a control the design does not have";

    for (const ControlRow &row : kControls) {
        SCOPED_TRACE(row.name);
        const auto found = w().findChildren<QObject *>(QString::fromLatin1(row.name));
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(kindOf(found.front()), QString::fromLatin1(row.kind));
        const auto *control = dynamic_cast<const forms::Control *>(found.front());
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->twipRect(), row.rect);
        EXPECT_EQ(control->visible(), row.visible);
        EXPECT_EQ(control->enabled(), row.enabled);
        if (control->kind() != QLatin1String("Graph") && control->kind() != QLatin1String("Grid")) {
            EXPECT_EQ(control->displayText(), QString::fromLatin1(row.caption));
        }
    }
    EXPECT_EQ(w().GraphLeft->title(), QStringLiteral("Open-High-Low-Close"));
    EXPECT_EQ(w().GraphRight->title(), QStringLiteral("Moving Average"));
}

TEST_F(HalvernContract, TheMenuTree)
{
    const auto items = w().findChildren<forms::MenuItem *>();
    EXPECT_EQ(items.size(), static_cast<qsizetype>(std::size(kMenus)));
    QStringList topLevel;
    for (const MenuRow &row : kMenus) {
        SCOPED_TRACE(row.name);
        const auto found = w().findChildren<QObject *>(QString::fromLatin1(row.name));
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(kindOf(found.front()), QStringLiteral("Menu"));
        const auto *item = qobject_cast<const forms::MenuItem *>(found.front());
        EXPECT_EQ(item->caption(), QString::fromLatin1(row.caption));
        EXPECT_EQ(item->checked(), row.checked);
        EXPECT_EQ(item->isChecked(), row.checked);
        EXPECT_TRUE(item->enabled());
        EXPECT_TRUE(item->visible());
        EXPECT_TRUE(item->shortcut().isEmpty());
        EXPECT_EQ(item->isSeparator(), QLatin1String(row.caption) == QLatin1String("-"));
        const QString parent = item->parentItem() ? item->parentItem()->objectName() : QString();
        EXPECT_EQ(parent, QString::fromLatin1(row.parent));
        if (!*row.parent)
            topLevel << QString::fromLatin1(row.name);
    }
    QStringList bar;
    for (QAction *action : w().menuBar()->actions())
        bar << action->objectName();
    EXPECT_EQ(bar, topLevel);
}

TEST_F(HalvernContract, MenuArraysPassTheirIndexes)
{
    struct Case {
        Halvern::MenuArray Halvern::*array;
        std::vector<int16_t> indexes;
    };
    const Case cases[] = {
        {&Halvern::mnuLevel, {0, 2}},         {&Halvern::mnuDat, {0, 1}},
        {&Halvern::mnuGameLength, {2, 3, 4}}, {&Halvern::mnuNews, {0, 1, 2}},
        {&Halvern::mnuMaximum, {0, 1}},       {&Halvern::mnuGraph, {0, 1, 2, 3, 4, 5}},
        {&Halvern::mnuGLType, {0, 1, 2}},     {&Halvern::mnuGLPrice, {0, 1}},
        {&Halvern::mnuGRType, {0, 1, 2}},     {&Halvern::mnuMoving, {0, 1, 2}},
        {&Halvern::mnuStoch, {0, 1}},         {&Halvern::mnuDefinitions, {0, 1}},
    };
    for (const Case &c : cases) {
        Halvern::MenuArray &array = w().*c.array;
        SCOPED_TRACE(array.name().toStdString());
        EXPECT_EQ(array.indexes(), c.indexes);
        std::vector<int16_t> passed;
        array.setClickHandler([&](int16_t index) { passed.push_back(index); });
        for (int16_t index : c.indexes)
            array[index]->click();
        EXPECT_EQ(passed, c.indexes);
    }
    // The three elements that open submenus run their array's procedure when the submenu opens.
    std::vector<int16_t> opened;
    w().mnuGLType.setClickHandler([&](int16_t index) { opened.push_back(index); });
    w().mnuGRType.setClickHandler([&](int16_t index) { opened.push_back(100 + index); });
    for (forms::MenuItem *parent : {w().mnuGLType[1], w().mnuGRType[0], w().mnuGRType[2]}) {
        ASSERT_NE(parent->submenu(), nullptr);
        emit parent->submenu()->aboutToShow();
    }
    EXPECT_EQ(opened, (std::vector<int16_t>{1, 100, 102}));
}

TEST_F(HalvernContract, ChoosingAnyMenuItemIsSafe)
{
    for (forms::MenuItem *item : w().findChildren<forms::MenuItem *>()) {
        SCOPED_TRACE(item->objectName().toStdString());
        item->click();
        if (item->submenu())
            emit item->submenu()->aboutToShow();
    }
    // Game > "&End" shows the summary of the game; nothing ends the program until its "&End".
    EXPECT_FALSE(programEnd.ended());
}

} // namespace
} // namespace tarvello::test
