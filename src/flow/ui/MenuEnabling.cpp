#include "flow/ui/MenuEnabling.h"

#include "state/GameState.h"
#include "windows/Halvern.h"

#include <initializer_list>

namespace tarvello {

namespace {

using Button = forms::CommandButton;

void setEnabled(std::initializer_list<forms::MenuItem *> items, bool enabled)
{
    for (forms::MenuItem *item : items)
        item->setEnabled(enabled);
}

void setEnabled(std::initializer_list<Button *> buttons, bool enabled)
{
    for (Button *button : buttons)
        button->setEnabled(enabled);
}

void setVisible(std::initializer_list<forms::Control *> controls, bool visible)
{
    for (forms::Control *control : controls)
        control->setVisible(visible);
}

void setEnabledIfVisible(Button *button, bool enabled)
{
    if (button->visible())
        button->setEnabled(enabled);
}

} // namespace

bool annualOrDailyNewsChecked(const Halvern &w)
{
    return w.mnuNews[0]->checked() || w.mnuNews[1]->checked();
}

void DisableMainMenus(Halvern &w)
{
    setEnabled({w.mnuGame, w.mnuSettings, w.mnuZelk, w.mnuHowtoPlay}, false);
}

void EnableMainMenus(Halvern &w)
{
    setEnabled({w.mnuGame, w.mnuSettings, w.mnuZelk, w.mnuHowtoPlay}, true);
}

void DisableVisibleButtons(Halvern &w)
{
    setEnabledIfVisible(w.btnGold, false);
    setEnabledIfVisible(w.btnBuy, false);
    setEnabledIfVisible(w.btnHold, false);
    w.btnChangePeriod->setEnabled(false);
    setEnabledIfVisible(w.btnTBond, false);
    setEnabledIfVisible(w.btnNo, false);
    setEnabledIfVisible(w.btnSp500, false);
    w.btnTrade->setEnabled(false);
    setEnabledIfVisible(w.btnTradeHist, false);
    setEnabledIfVisible(w.btnNewsHist, false);
    setEnabledIfVisible(w.btnSell, false);
    setEnabledIfVisible(w.btnOil, false);
    setEnabledIfVisible(w.btnCattle, false);
    setEnabledIfVisible(w.btnSoybean, false);
    setEnabledIfVisible(w.btnYes, false);
}

void EnableVisibleButtons(Halvern &w, const GameState &state)
{
    const bool sideMayBeChosen = state.order.securitySelected == 0 || state.settings.level == Level::Novice;
    const bool periodStarted = state.clock.tradeDay >= 1;

    setEnabledIfVisible(w.btnGold, true);
    if (sideMayBeChosen) {
        setEnabledIfVisible(w.btnBuy, true);
        setEnabledIfVisible(w.btnSell, true);
    }
    setEnabledIfVisible(w.btnHold, true);
    // "&Forward" with no game loaded would advance over data that is not there.
    setEnabledIfVisible(w.btnChangePeriod, state.clock.gameDataLoaded);
    setEnabledIfVisible(w.btnTBond, true);
    setEnabledIfVisible(w.btnNo, true);
    setEnabledIfVisible(w.btnNewsHist, periodStarted);
    setEnabledIfVisible(w.btnSp500, true);
    setEnabledIfVisible(w.btnOil, true);
    setEnabledIfVisible(w.btnCattle, true);
    setEnabledIfVisible(w.btnSoybean, true);
    setEnabledIfVisible(w.btnTrade, state.clock.tradeDay != 0);
    setEnabledIfVisible(w.btnTradeHist, periodStarted);
    setEnabledIfVisible(w.btnYes, true);
}

void DisableReportButtons(Halvern &w)
{
    setEnabledIfVisible(w.btnTradeHist, false);
    if (w.btnNewsHist->visible() && annualOrDailyNewsChecked(w))
        w.btnNewsHist->setEnabled(false);
}

void EnableReportButtons(Halvern &w, const GameState &state)
{
    w.btnTradeHist->setEnabled(true);
    if (annualOrDailyNewsChecked(w) && state.clock.tradeDay > 0)
        w.btnNewsHist->setEnabled(true);
}

void Tradebuttonenabler(Halvern &w)
{
    setEnabled({w.btnOil, w.btnGold, w.btnTBond, w.btnSp500, w.btnCattle, w.btnSoybean}, true);
}

void Tradebuttondisabler(Halvern &w)
{
    setEnabled({w.btnOil, w.btnGold, w.btnTBond, w.btnSp500, w.btnCattle, w.btnSoybean}, false);
}

void tradebuttonvisible(Halvern &w)
{
    setVisible({w.btnOil, w.btnGold, w.btnTBond, w.btnSp500, w.btnSoybean, w.btnCattle}, true);
}

void tradebuttoninvisible(Halvern &w)
{
    setVisible({w.btnOil, w.btnGold, w.btnTBond, w.btnSp500, w.btnSoybean, w.btnCattle}, false);
}

void labelmarketvisible(Halvern &w)
{
    setVisible({w.LabelOilMark, w.LabelGoldMark, w.LabelTBondMark, w.LabelSP500Mark, w.LabelCattleMark,
                w.LabelSoybeanMark},
               true);
}

void labelmarketinvisible(Halvern &w)
{
    setVisible({w.LabelOilMark, w.LabelGoldMark, w.LabelTBondMark, w.LabelSP500Mark, w.LabelCattleMark,
                w.LabelSoybeanMark},
               false);
}

} // namespace tarvello
