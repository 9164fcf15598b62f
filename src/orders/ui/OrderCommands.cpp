// The commands of the order road: "&Trade", the instrument buttons, "&Buy" and "&Sell", "&Hold",
// "&Enter Order" and "&Cancel Order".
#include "common/Services.h"
#include "flow/ui/MenuEnabling.h"
#include "orders/OrderEntry.h"
#include "orders/TradeStageLayout.h"
#include "orders/ui/OrderWindow.h"
#include "orders/ui/TradeStage.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

namespace {

const QString kTraderInput = QStringLiteral("Trader Input:");

// The heading of the reports area back to its own caption once an order is done with.
void restoreReportsHeading(Halvern &w)
{
    w.Label8->setFontBold(true);
    w.Label8->setCaption(QStringLiteral("Reports:"));
}

void chooseSide(App &app, OrderSide side)
{
    Halvern &w = app.main();
    w.setEnabled(false);
    DisableMainMenus(w);
    // "&Buy" keeps the report buttons off while the quantity is typed; "&Sell" leaves them as they are.
    if (side == OrderSide::Buy) {
        for (forms::CommandButton *button : {w.btnBuy, w.btnSell, w.btnHold, w.btnTradeHist, w.btnNewsHist})
            button->setEnabled(false);
    }
    Tradebuttonenabler(w);
    const QString prompt = selectSide(app.state, side);
    ShowMaximumUnits(app);
    if (side == OrderSide::Sell)
        ShowMaxPositionForwarder(app);
    w.promptUnits->setTwipLeft(kPromptUnitsLeftTwips);
    w.promptUnits->setCaption(prompt);
    SetTradeStage(app, TradeStage::GetUnits);
    EnableMainMenus(w);
    w.setEnabled(true);
    w.inputUnits->setFocus();
}

} // namespace

void btnTrade_Click(App &app)
{
    Halvern &w = app.main();
    GameState &state = app.state;
    w.setEnabled(false);
    for (forms::CommandButton *button : {w.btnChangePeriod, w.btnTrade}) {
        button->setEnabled(false);
        button->setVisible(false);
    }
    w.btnTradeHist->setEnabled(false);
    w.btnNewsHist->setEnabled(false);
    DisableMainMenus(w);
    DisableReportButtons(w);
    startOrder(state, state.settings.level);
    recolourMarketLabels(w);
    if (state.settings.level == Level::Novice) {
        SetTradeStage(app, TradeStage::Trade);
    } else {
        labelmarketinvisible(w);
        tradebuttonvisible(w);
        w.lblTraderInput->setCaption(QStringLiteral("Trader Input: (Select Security)"));
        w.ShapeNextPeriod->setVisible(false);
        w.shapeTradeCentral->setVisible(true);
        for (forms::CommandButton *side : {w.btnBuy, w.btnSell}) {
            side->setVisible(true);
            side->setEnabled(false);
        }
        w.btnHold->setVisible(true);
        w.btnHold->setEnabled(true);
        w.btnTrade->setEnabled(false);
        w.btnChangePeriod->setEnabled(false);
    }
    w.setEnabled(true);
    EnableMainMenus(w);
    EnableReportButtons(w, state);
}

void btnInstrument_Click(App &app, Instrument instrument)
{
    Halvern &w = app.main();
    w.setEnabled(false);
    Tradebuttondisabler(w);
    w.btnHold->setEnabled(false);
    DisableMainMenus(w);
    DisableReportButtons(w);
    selectInstrument(app.state, instrument);
    w.lblTraderInput->setCaption(kTraderInput);
    tradebuttoninvisible(w);
    labelmarketvisible(w);
    if (const auto colours = selectedMarketLabelColours(static_cast<int32_t>(w.backColor()))) {
        forms::Label *label = marketLabel(w, instrument);
        label->setBackColor(static_cast<forms::VbColor>(colours->back));
        label->setForeColor(static_cast<forms::VbColor>(colours->fore));
    }
    w.lblTraderInput->setCaption(kTraderInput);
    w.lblTraderInput->setVisible(true);
    SetTradeStage(app, TradeStage::Trade);
    EnableMainMenus(w);
    EnableReportButtons(w, app.state);
    w.setEnabled(true);
}

void btnBuy_Click(App &app)
{
    chooseSide(app, OrderSide::Buy);
}

void btnSell_Click(App &app)
{
    chooseSide(app, OrderSide::Sell);
}

void btnHold_Click(App &app)
{
    Halvern &w = app.main();
    w.setEnabled(false);
    for (forms::CommandButton *button : {w.btnBuy, w.btnSell, w.btnHold, w.btnTradeHist, w.btnNewsHist})
        button->setEnabled(false);
    tradebuttoninvisible(w);
    w.setEnabled(true);
    Tradebuttonenabler(w);
    holdOrder(app.state);
    w.lblMaxSelected->setCaption(QString());
    w.LabelOilMark->setVisible(true);
    if (app.state.settings.level == Level::Expert)
        labelmarketvisible(w);
    SetTradeStage(app, TradeStage::ChangePeriod);
    w.setEnabled(true);
    EnableMainMenus(w);
}

void btnYes_Click(App &app)
{
    Halvern &w = app.main();
    w.setEnabled(false);
    w.btnYes->setEnabled(false);
    w.btnNo->setEnabled(false);
    DisableMainMenus(w);
    w.lblTraderInput->setCaption(kTraderInput);
    w.Shape3->setVisible(true);
    w.Label8->setVisible(false);
    w.lblTraderInput->setVisible(true);
    restoreReportsHeading(w);
    enterOrder(app.state);
    ExecuteOrder(app);
    if (app.programEnd.ended())
        return;
    w.lblMaxSelected->setCaption(QString());
    w.setEnabled(true);
    EnableMainMenus(w);
    SetTradeStage(app, TradeStage::ChangePeriod);
}

void btnNo_Click(App &app)
{
    Halvern &w = app.main();
    w.setEnabled(false);
    w.btnNo->setEnabled(false);
    w.btnYes->setEnabled(false);
    DisableMainMenus(w);
    w.lblorderverify->setVisible(false);
    w.Shape3->setVisible(true);
    w.Label8->setVisible(false);
    cancelOrder(app.state);
    restoreReportsHeading(w);
    w.inputUnits->setVisible(false);
    w.inputUnits->setText(QString());
    EnableMainMenus(w);
    w.setEnabled(true);
    SetTradeStage(app, TradeStage::ChangePeriod);
}

} // namespace tarvello
