#include "flow/ui/LevelLayout.h"

#include "flow/ui/MenuEnabling.h"
#include "state/GameState.h"
#include "windows/Halvern.h"

#include <initializer_list>

namespace tarvello {

namespace {

void setVisible(std::initializer_list<forms::Control *> controls, bool visible)
{
    for (forms::Control *control : controls)
        control->setVisible(visible);
}

// The heading is made bold whenever it is first shown, as the panel appears.
void showHeading(Halvern &w)
{
    if (!w.Label8->visible()) {
        w.Label8->setVisible(true);
        w.Label8->setFontBold(true);
    }
}

} // namespace

void HideAccountLabels(Halvern &w)
{
    setVisible({w.lblDay, w.lblTradeTime, w.lblEq, w.lblPercentGL, w.lblRPL, w.lblUPL, w.lblLIAB,
                w.lblAvailMarg, w.lblPosMargPercent, w.lblTotTrades},
               false);
    lblmaxpositioninvisible(w);
    lblposinvisible(w);
    marketsinvisible(w);
}

void lblposinvisible(Halvern &w)
{
    setVisible({w.lblOilPos, w.lblGoldPos, w.lblTBondPos, w.lblSP500Pos, w.lblCattlePos, w.lblSoybeanPos},
               false);
}

void marketsinvisible(Halvern &w)
{
    setVisible({w.lblOilCurrMark, w.lblGoldCurrMark, w.lblTBondCurrMark, w.lblSP500CurrMark,
                w.lblCattleCurrMark, w.lblSoybeanCurrMark},
               false);
}

void ShowAccountLabels(Halvern &w, const GameState &state)
{
    setVisible({w.lblDay, w.lblTradeTime, w.lblEq, w.lblPercentGL, w.lblRPL, w.lblUPL, w.lblLIAB,
                w.lblAvailMarg, w.lblPosMargPercent, w.lblOilPos, w.lblOilCurrMark},
               true);
    if (state.settings.level != Level::Novice)
        setVisible({w.lblGoldPos, w.lblGoldCurrMark}, true);
    if (state.settings.level == Level::Expert)
        setVisible({w.lblTBondPos, w.lblTBondCurrMark, w.lblSP500Pos, w.lblCattlePos, w.lblSoybeanPos,
                    w.lblSP500CurrMark, w.lblCattleCurrMark, w.lblSoybeanCurrMark},
                   true);
}

void Labelalignleft(Halvern &w)
{
    for (forms::Label *label :
         {w.LabelDay, w.labelTime, w.labelAV, w.labelGL, w.labelRPL, w.LabelUPL, w.LabelLiab, w.LabelAM,
          w.LabelMaxiPos, w.LabelTotTrades, w.LabelCM, w.labelOilPos, w.LabelGoldPos, w.LabelTBondPos,
          w.LabelSP500Pos, w.LabelCattlePos, w.LabelSoybeanPos})
        label->setJustify(forms::Justify::Left);
}

void ShowReportsPanel(Halvern &w, const GameState &state)
{
    if (state.account.totalTrades <= 0 && state.news.newsEventCount <= 0)
        return;
    w.btnTradeHist->setEnabled(true);
    if (!annualOrDailyNewsChecked(w)) {
        // One button: the heading moves down into the frame and "T&rade History" takes the lower slot,
        // in front of "&News History".
        w.Label8->setTwipTop(5580);
        showHeading(w);
        if (!w.Shape3->visible())
            w.Shape3->setVisible(true);
        w.btnTradeHist->setTwipLeft(7920);
        w.btnTradeHist->setTwipTop(6000);
        w.btnTradeHist->setVisible(true);
        w.btnTradeHist->raise();
        w.btnNewsHist->setVisible(true);
        return;
    }
    const bool periodStarted = state.clock.tradeDay >= 1;
    w.btnNewsHist->setEnabled(periodStarted);
    w.btnTradeHist->setEnabled(periodStarted);
    showHeading(w);
    w.Label8->setTwipTop(5280);
    w.Shape3->setVisible(true);
    w.btnTradeHist->setTwipTop(5640);
    w.btnTradeHist->setTwipLeft(7920);
    w.btnTradeHist->setVisible(true);
    w.btnNewsHist->setVisible(true);
}

} // namespace tarvello
