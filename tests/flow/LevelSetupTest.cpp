#include "FlowFixture.h"

#include "account/InstrumentRules.h"
#include "flow/ui/LevelSetup.h"

#include <set>
#include <string>

namespace tarvello::test {
namespace {

using LevelSetup = FlowTest;
using Names = std::set<std::string>;

// The captions, value fields, markers and buttons whose visibility the level decides.
const QStringList kLevelControls =
    QStringLiteral(
        "shpBeginner shpBegMark shpExpert shpExpMark LabelPosition LabelDay labelTime labelAV labelGL "
        "labelRPL "
        "LabelUPL LabelLiab LabelAM LabelCM LabelMaxiPos LabelTotTrades labelOilPos LabelGoldPos "
        "LabelTBondPos "
        "LabelSP500Pos LabelCattlePos LabelSoybeanPos LabelOilMark LabelGoldMark LabelTBondMark "
        "LabelSP500Mark "
        "LabelCattleMark LabelSoybeanMark lblDay lblTradeTime lblEq lblPercentGL lblRPL lblUPL lblLIAB "
        "lblAvailMarg lblPosMargPercent lblTotTrades lblOilPos lblGoldPos lblTBondPos lblSP500Pos "
        "lblCattlePos "
        "lblSoybeanPos lblOilCurrMark lblGoldCurrMark lblTBondCurrMark lblSP500CurrMark lblCattleCurrMark "
        "lblSoybeanCurrMark btnOil btnGold btnTBond btnSp500 btnCattle btnSoybean cboCommodity")
        .split(QLatin1Char(' '));

forms::Control &control(Halvern &w, const std::string &name)
{
    auto *found = dynamic_cast<forms::Control *>(w.findChild<QWidget *>(QString::fromStdString(name)));
    EXPECT_NE(found, nullptr) << name;
    return *found;
}

Names visible(Halvern &w)
{
    Names names;
    for (const QString &name : kLevelControls)
        if (control(w, name.toStdString()).visible())
            names.insert(name.toStdString());
    return names;
}

const Names kCommon = {
    "LabelPosition", "LabelDay",       "labelTime",         "labelAV",      "labelGL",
    "labelRPL",      "LabelUPL",       "LabelLiab",         "LabelAM",      "LabelCM",
    "LabelMaxiPos",  "LabelTotTrades", "labelOilPos",       "LabelOilMark", "lblDay",
    "lblTradeTime",  "lblEq",          "lblPercentGL",      "lblRPL",       "lblUPL",
    "lblLIAB",       "lblAvailMarg",   "lblPosMargPercent", "lblOilPos",    "lblOilCurrMark"};

Names with(Names names, std::initializer_list<const char *> more)
{
    for (const char *name : more)
        names.insert(name);
    return names;
}

const Names kNoviceScreen = with(kCommon, {"shpBeginner", "shpBegMark"});
const Names kExpertScreen =
    with(kCommon,
         {"shpExpert",         "shpExpMark",        "LabelGoldPos",    "LabelTBondPos",    "LabelSP500Pos",
          "LabelCattlePos",    "LabelSoybeanPos",   "LabelGoldMark",   "LabelTBondMark",   "LabelSP500Mark",
          "LabelCattleMark",   "LabelSoybeanMark",  "lblGoldPos",      "lblTBondPos",      "lblSP500Pos",
          "lblCattlePos",      "lblSoybeanPos",     "lblGoldCurrMark", "lblTBondCurrMark", "lblSP500CurrMark",
          "lblCattleCurrMark", "lblSoybeanCurrMark"});

std::array<int16_t, 6> maxUnits(const GameState &state)
{
    std::array<int16_t, 6> units{};
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = state.book(kInstrumentOrder[i]).maxUnits;
    return units;
}

// Start-up sets up the Expert level before any game period is known.
TEST_F(LevelSetup, ExpertAtStartUp)
{
    w().lblEq->setCaption(QStringLiteral("as designed"));
    w().lblAvailMarg->setCaption(QStringLiteral("as designed"));
    SetupGameLevel(app, Level::Expert);
    EXPECT_EQ(visible(w()), kExpertScreen);
    EXPECT_EQ(state.account.startingCapital, 100000.0f);
    EXPECT_EQ(state.account.accountValue, 100000.0f);
    EXPECT_EQ(maxUnits(state), (std::array<int16_t, 6>{49, 98, 41, 4, 185, 67}));
    EXPECT_EQ(state.settings.gameLength, 0);
    EXPECT_EQ(w().LabelPosition->caption(), QStringLiteral("Current Positions:"));
    EXPECT_FALSE(w().btnTrade->enabled());
    EXPECT_EQ(w().lblEq->caption(), QStringLiteral("as designed"));
    EXPECT_EQ(w().lblAvailMarg->caption(), QStringLiteral("as designed"));

    state.settings.gameYear = 1990;
    SetupGameLevel(app, Level::Expert);
    EXPECT_TRUE(w().cboCommodity->visible());
}

TEST_F(LevelSetup, NoviceFromTheMenu)
{
    w().mnuLevel[0]->click();
    EXPECT_EQ(state.settings.level, Level::Novice);
    EXPECT_EQ(visible(w()), kNoviceScreen);
    EXPECT_EQ(state.account.startingCapital, 10000.0f);
    EXPECT_EQ(state.account.accountValue, 10000.0f);
    EXPECT_EQ(maxUnits(state), (std::array<int16_t, 6>{4, 0, 0, 0, 0, 0}));
    EXPECT_EQ(state.settings.gameLength, 90);
    EXPECT_EQ(w().LabelPosition->caption(), QStringLiteral("Current Position:"));
    EXPECT_TRUE(state.settings.gameStarted);
    EXPECT_EQ(state.settings.levelChosenFromMenu, 1);
    EXPECT_EQ(state.news.annualNewsClicks, 0);
    EXPECT_EQ(state.news.dailyNewsClicks, 0);
    EXPECT_FALSE(w().btnChangePeriod->enabled());
    EXPECT_TRUE(w().enabled());
    EXPECT_TRUE(w().mnuGame->enabled());
    EXPECT_TRUE(w().mnuLevel[0]->checked());
    EXPECT_FALSE(w().mnuLevel[2]->checked());
    EXPECT_TRUE(w().mnuGameLength[3]->checked());
    EXPECT_TRUE(w().mnuNews[0]->checked());
    EXPECT_TRUE(w().mnuGraph[0]->checked());
    EXPECT_TRUE(w().mnuDat[0]->checked());
    for (const auto *array : {&w().mnuGameLength, &w().mnuNews, &w().mnuGraph, &w().mnuDat}) {
        for (const auto &[index, item] : *array) {
            if (item == w().mnuNews[2])
                continue;
            EXPECT_FALSE(item->enabled()) << item->objectName().toStdString();
        }
    }
    EXPECT_TRUE(w().mnuNews[2]->enabled());
}

TEST_F(LevelSetup, ExpertAfterNoviceKeepsTheQuarterUntilAGameStarts)
{
    w().mnuLevel[0]->click();
    w().mnuLevel[2]->click();
    EXPECT_EQ(visible(w()), kExpertScreen);
    EXPECT_EQ(state.settings.gameLength, 90);
    EXPECT_TRUE(w().mnuGameLength[4]->checked());
    EXPECT_FALSE(w().mnuGameLength[3]->checked());
    EXPECT_EQ(state.news.annualNewsClicks, 1);
    EXPECT_EQ(state.news.dailyNewsClicks, 1);
    EXPECT_EQ(maxUnits(state), (std::array<int16_t, 6>{49, 98, 41, 4, 185, 67}));
    for (const auto *array : {&w().mnuGameLength, &w().mnuNews, &w().mnuGraph, &w().mnuDat})
        for (const auto &[index, item] : *array)
            EXPECT_TRUE(item->enabled()) << item->objectName().toStdString();
}

// Once the level menu has been used, a run in which the options were confirmed or a game has started
// shows the new capital and the margin excess at once; before, the two labels keep their text.
TEST_F(LevelSetup, AccountCaptionsAfterTheLevelMenu)
{
    const struct {
        int16_t optionsChosen;
        bool tradingStarted;
        const char *equity, *excess;
    } cases[] = {
        {0, false, "kept", "kept"},
        {1, false, "10,000.00", "5,950.00"},
        {0, true, "10,000.00", "5,950.00"},
        {1, true, "10,000.00", "5,950.00"},
    };
    for (const auto &c : cases) {
        state.settings.optionsChosen = c.optionsChosen;
        state.clock.tradingStarted = c.tradingStarted;
        state.book(Instrument::Oil).position = -2.0f; // two contracts margin 4,050
        w().lblEq->setCaption(QStringLiteral("kept"));
        w().lblAvailMarg->setCaption(QStringLiteral("kept"));
        w().mnuLevel[0]->click();
        EXPECT_EQ(w().lblEq->caption(), QString::fromLatin1(c.equity));
        EXPECT_EQ(w().lblAvailMarg->caption(), QString::fromLatin1(c.excess));
    }
    // Start-up's own set-up, before the level menu was ever used, leaves them.
    GameState fresh;
    fresh.settings.optionsChosen = 1;
    std::swap(state, fresh);
    w().lblEq->setCaption(QStringLiteral("kept"));
    SetupGameLevel(app, Level::Novice);
    EXPECT_EQ(w().lblEq->caption(), QStringLiteral("kept"));
}

TEST_F(LevelSetup, MaximumCaptionFollowsTheMaximumDisplayMenu)
{
    for (int16_t ticked : {1, 0}) {
        w().mnuMaximum[0]->setChecked(ticked == 0);
        w().mnuMaximum[1]->setChecked(ticked == 1);
        for (Level level : {Level::Novice, Level::Expert}) {
            SetupGameLevel(app, level);
            EXPECT_EQ(w().LabelMaxiPos->caption(), ticked == 0 ? QStringLiteral("Maximum Transaction:")
                                                               : QStringLiteral("Maximum Position:"));
            EXPECT_TRUE(w().LabelMaxiPos->visible());
            EXPECT_EQ(w().LabelTotTrades->twipTop(), 3360);
            EXPECT_FALSE(w().lblTotTrades->visible());
        }
    }
}

TEST_F(LevelSetup, FramingShapesFollowTheSchemeAndLevel)
{
    const struct {
        forms::VbColor scheme;
        Level level;
        forms::VbColor border;
    } cases[] = {
        {0xFFFFFF, Level::Novice, 0x000000}, {0xFFFFFF, Level::Expert, 0x000000},
        {0xC0C0C0, Level::Novice, 0xFF0000}, {0xC0C0C0, Level::Expert, 0x000080},
        {0x000000, Level::Novice, 0xFFFF00}, {0x000000, Level::Expert, 0x0000FF},
        {0x123456, Level::Novice, 0x00ABCD}, // no scheme colour: the shapes keep theirs
    };
    for (const auto &c : cases) {
        w().setBackColor(c.scheme);
        w().ShapeNextPeriod->setBorderColor(0x00ABCD);
        w().shapeTradeCentral->setBorderColor(0x00ABCD);
        SetupGameLevel(app, c.level);
        EXPECT_EQ(w().ShapeNextPeriod->borderColor(), c.border);
        EXPECT_EQ(w().shapeTradeCentral->borderColor(), c.border);
    }
}

TEST_F(LevelSetup, AccountPanelLayoutAndAlignment)
{
    const struct {
        const char *name;
        int noviceWidth, noviceLeft, expertWidth, expertLeft;
    } cases[] = {
        {"labelAV", 1452, 0, 1335, 0},           {"labelRPL", 1452, 0, 1215, 0},
        {"lblEq", 1215, 1440, 1335, 1320},       {"lblRPL", 1215, 1440, 1455, 1200},
        {"lblLIAB", 1215, 1440, 1815, 840},      {"lblAvailMarg", 1215, 1440, 1452, 1200},
        {"lblSoybeanPos", 972, 1440, 972, 1440}, {"lblorderverify", 4482, 3000, 4572, 2880},
    };
    for (Level level : {Level::Novice, Level::Expert, Level::Novice}) {
        SetupGameLevel(app, level);
        const bool novice = level == Level::Novice;
        for (const auto &c : cases) {
            SCOPED_TRACE(c.name);
            const forms::Control &label = control(w(), c.name);
            EXPECT_EQ(label.twipWidth(), novice ? c.noviceWidth : c.expertWidth);
            EXPECT_EQ(label.twipLeft(), novice ? c.noviceLeft : c.expertLeft);
        }
        EXPECT_EQ(w().LabelOilMark->justify(), novice ? forms::Justify::Center : forms::Justify::Left);
        EXPECT_EQ(w().LabelSoybeanMark->justify(), forms::Justify::Left);
        EXPECT_EQ(w().LabelCM->justify(), forms::Justify::Left);
    }
}

} // namespace
} // namespace tarvello::test
