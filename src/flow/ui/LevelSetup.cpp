#include "flow/ui/LevelSetup.h"

#include "account/Margin.h"
#include "charts/ui/ChartServices.h"
#include "common/Formats.h"
#include "flow/LevelRules.h"
#include "flow/ui/LevelLayout.h"
#include "flow/ui/MenuEnabling.h"
#include "shell/ui/Schemes.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <initializer_list>

namespace tarvello {

namespace {

using forms::Justify;
using Label = forms::Label;

constexpr int kUnset = -1;

// The account panel's widths and left edges by level; kUnset leaves the edge where it is.
struct LayoutRow {
    std::initializer_list<Label * Halvern::*> labels;
    int noviceWidth, noviceLeft, expertWidth, expertLeft;
};

const LayoutRow kLayout[] = {
    {{&Halvern::LabelDay}, 1452, kUnset, 1452, kUnset},
    {{&Halvern::labelTime}, 1452, kUnset, 1452, kUnset},
    {{&Halvern::labelAV}, 1452, kUnset, 1335, kUnset},
    {{&Halvern::labelGL}, 1452, kUnset, 1452, kUnset},
    {{&Halvern::labelRPL}, 1452, kUnset, 1215, kUnset},
    {{&Halvern::LabelUPL}, 1452, kUnset, 1452, kUnset},
    {{&Halvern::LabelLiab}, 1455, kUnset, 1455, kUnset},
    {{&Halvern::LabelAM}, 1575, kUnset, 1575, kUnset},
    {{&Halvern::LabelTotTrades}, 1452, kUnset, 1452, kUnset},
    {{&Halvern::lblDay}, 1215, 1440, 1215, 1440},
    {{&Halvern::lblTradeTime}, 1215, 1440, 1215, 1440},
    {{&Halvern::lblEq}, 1215, 1440, 1335, 1320},
    {{&Halvern::lblPercentGL}, 1215, 1440, 1215, 1440},
    {{&Halvern::lblRPL}, 1215, 1440, 1455, 1200},
    {{&Halvern::lblUPL}, 1215, 1440, 1215, 1440},
    {{&Halvern::lblLIAB}, 1215, 1440, 1815, 840},
    {{&Halvern::lblAvailMarg}, 1215, 1440, 1452, 1200},
    {{&Halvern::lblPosMargPercent}, 1215, 1440, 1215, 1440},
    {{&Halvern::lblTotTrades}, 1215, 1440, 1215, 1440},
    {{&Halvern::lblOilPos, &Halvern::lblGoldPos, &Halvern::lblTBondPos, &Halvern::lblSP500Pos,
      &Halvern::lblCattlePos, &Halvern::lblSoybeanPos},
     972,
     1440,
     972,
     1440},
    {{&Halvern::lblorderverify}, 4482, 3000, 4572, 2880},
};

void applyLayout(Halvern &w, Level level)
{
    const bool novice = level == Level::Novice;
    for (const LayoutRow &row : kLayout) {
        for (Label *Halvern::*member : row.labels) {
            Label *label = w.*member;
            label->setTwipWidth(novice ? row.noviceWidth : row.expertWidth);
            const int left = novice ? row.noviceLeft : row.expertLeft;
            if (left != kUnset)
                label->setTwipLeft(left);
            if (member == &Halvern::lblPosMargPercent && !novice)
                lblmaxposleft(w);
        }
    }
}

void setVisible(std::initializer_list<forms::Control *> controls, bool visible)
{
    for (forms::Control *control : controls)
        control->setVisible(visible);
}

void marketCaptionsLeft(Halvern &w)
{
    for (Label *label : {w.LabelOilMark, w.LabelGoldMark, w.LabelTBondMark, w.LabelSP500Mark,
                         w.LabelCattleMark, w.LabelSoybeanMark})
        label->setJustify(Justify::Left);
}

// The capital and the margin excess are shown at once only once the level menu has been used in a run
// where a game has started or the options have been confirmed.
void refreshAccountCaptions(Halvern &w, GameState &state)
{
    const GameSettings &settings = state.settings;
    const auto refresh = [&] {
        w.lblEq->setCaption(vb::format(state.account.startingCapital, u"Standard"));
        MarginRequirement(state);
        w.lblAvailMarg->setCaption(
            vb::format(static_cast<double>(state.account.accountValue) - state.account.marginRequirementTotal,
                       u"standard"));
    };
    if (settings.levelChosenFromMenu != 0 && state.clock.tradingStarted)
        refresh();
    if (settings.levelChosenFromMenu != 0 && settings.optionsChosen == 1)
        refresh();
}

// The two framing shapes of the trading screen take the level's colour in the screen's colour scheme;
// a background that is no scheme leaves them as they are.
void setFrameColours(Halvern &w, Level level)
{
    const auto scheme = schemeOf(w.backColor());
    if (!scheme)
        return;
    const forms::VbColor colour = levelShapeColor(*scheme, level);
    w.ShapeNextPeriod->setBorderColor(colour);
    w.shapeTradeCentral->setBorderColor(colour);
}

void setupNovice(App &app, Halvern &w)
{
    GameState &state = app.state;
    w.btnTrade->setEnabled(false);
    w.cboCommodity->setVisible(false);
    state.settings.level = Level::Novice;
    LayoutLevelLabels(w, state);
    HideAccountLabels(w);
    w.cboCommodity->setListIndex(2); // Oil, the one instrument of a Novice game
    SetupLevelFigures(state, Level::Novice);
    setVisible({w.shpExpert, w.shpExpMark}, false);
    w.LabelPosition->setVisible(false);
    w.LabelPosition->setCaption(QStringLiteral("Current Position:"));
    w.LabelPosition->setVisible(true);
    setVisible({w.shpBeginner, w.shpBegMark}, true);
    setFrameColours(w, Level::Novice);
    applyLayout(w, Level::Novice);
    Labelalignleft(w);
    w.LabelOilMark->setJustify(Justify::Center);
    tradebuttoninvisible(w);
    refreshAccountCaptions(w, state);
}

void setupExpert(App &app, Halvern &w)
{
    GameState &state = app.state;
    w.btnTrade->setEnabled(false);
    // Hidden until a game period has been chosen, as at start-up.
    w.cboCommodity->setVisible(state.settings.gameYear != 0);
    state.settings.level = Level::Expert;
    LayoutLevelLabels(w, state);
    HideAccountLabels(w);
    SetupLevelFigures(state, Level::Expert);
    setVisible({w.shpBeginner, w.shpBegMark}, false);
    w.LabelPosition->setCaption(QStringLiteral("Current Positions:"));
    setVisible({w.shpExpert, w.shpExpMark}, true);
    setFrameColours(w, Level::Expert);
    Labelalignleft(w);
    applyLayout(w, Level::Expert);
    marketCaptionsLeft(w);
    tradebuttoninvisible(w);
    refreshAccountCaptions(w, state);
}

} // namespace

void SetupGameLevel(App &app, Level level)
{
    Halvern &w = app.main();
    if (level == Level::Novice)
        setupNovice(app, w);
    else
        setupExpert(app, w);
    LayoutLevelLimits(w, app.state);
    ShowAccountLabels(w, app.state);
    ShowGraphs(app);
}

void LayoutLevelLabels(Halvern &w, const GameState &state)
{
    w.LabelTotTrades->setVisible(false);
    if (state.settings.level == Level::Expert) {
        setVisible({w.LabelDay, w.labelTime, w.labelAV, w.labelGL, w.labelRPL, w.LabelUPL, w.LabelLiab,
                    w.LabelAM, w.LabelCM, w.LabelMaxiPos, w.LabelTotTrades, w.labelOilPos, w.LabelGoldPos,
                    w.LabelTBondPos, w.LabelSP500Pos, w.LabelCattlePos, w.LabelSoybeanPos},
                   false);
    } else if (state.settings.level == Level::Novice) {
        setVisible({w.LabelGoldPos, w.LabelGoldMark, w.LabelTBondPos, w.LabelTBondMark, w.LabelSP500Pos,
                    w.LabelSP500Mark, w.LabelCattlePos, w.LabelCattleMark, w.LabelSoybeanPos,
                    w.LabelSoybeanMark},
                   false);
        w.LabelTotTrades->setVisible(false);
    }
}

void LayoutLevelLimits(Halvern &w, const GameState &state)
{
    setVisible({w.LabelDay, w.labelTime, w.labelAV, w.labelGL, w.labelRPL, w.LabelUPL, w.LabelLiab, w.LabelAM,
                w.LabelCM, w.labelOilPos, w.LabelOilMark},
               true);
    if (state.settings.level == Level::Novice) {
        // Gold's captions stay as the label layout left them: hidden.
        setVisible({w.LabelTBondPos, w.LabelTBondMark, w.LabelSP500Pos, w.LabelSP500Mark, w.LabelCattlePos,
                    w.LabelCattleMark, w.LabelSoybeanPos, w.LabelSoybeanMark},
                   false);
    } else if (state.settings.level == Level::Expert) {
        setVisible({w.LabelGoldPos, w.LabelGoldMark, w.LabelTBondPos, w.LabelTBondMark, w.LabelSP500Pos,
                    w.LabelSP500Mark, w.LabelCattlePos, w.LabelCattleMark, w.LabelSoybeanPos,
                    w.LabelSoybeanMark},
                   true);
    }
    w.LabelMaxiPos->setCaption(w.mnuMaximum[0]->checked() ? QStringLiteral("Maximum Transaction:")
                                                          : QStringLiteral("Maximum Position:"));
    w.LabelMaxiPos->setVisible(true);
    w.LabelTotTrades->setTwipTop(3360);
    w.LabelTotTrades->setVisible(true);
}

void mnuLevel_Click(App &app, int16_t index)
{
    if (index != 0 && index != 2)
        return;
    const bool expert = index == 2;
    Halvern &w = app.main();
    GameState &state = app.state;
    w.setEnabled(false);
    w.btnChangePeriod->setEnabled(false);
    DisableMainMenus(w);
    state.settings.gameStarted = true;
    state.settings.levelChosenFromMenu = 1;

    // Each array's check marks first, then whether its items can be chosen: at Novice the game is one
    // quarter of Daily data with annual news, and the charts show Oil.
    const auto setArray = [](const forms::ControlArray<forms::MenuItem> &array,
                             std::initializer_list<int16_t> items, int16_t ticked, bool enabled) {
        for (int16_t item : items)
            array[item]->setChecked(item == ticked);
        for (int16_t item : items)
            array[item]->setEnabled(enabled);
    };
    w.mnuLevel[0]->setChecked(!expert);
    w.mnuLevel[2]->setChecked(expert);
    setArray(w.mnuGameLength, {2, 3, 4}, expert ? 4 : 3, expert);
    setArray(w.mnuNews, {0, 1}, 0, expert);
    setArray(w.mnuGraph, {0, 1, 2, 3, 4, 5}, 0, expert);
    setArray(w.mnuDat, {0, 1}, 0, expert);
    if (!expert)
        state.settings.gameLength = 90;
    state.news.dailyNewsClicks = expert ? 1 : 0;
    state.news.annualNewsClicks = expert ? 1 : 0;

    SetupGameLevel(app, expert ? Level::Expert : Level::Novice);
    w.setEnabled(true);
    EnableMainMenus(w);
}

} // namespace tarvello
