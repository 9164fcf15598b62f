// Quantity entry on the main window: the quantity box's key-down procedure, the maximum-units display
// with its menu, and the order verification line.
#include "account/Margin.h"
#include "charts/ui/ChartServices.h"
#include "news/ui/Notification.h"
#include "orders/MaximumUnits.h"
#include "orders/OrderEntry.h"
#include "orders/OrderVerification.h"
#include "orders/ui/OrderWindow.h"
#include "orders/ui/TradeStage.h"
#include "platform/forms/VbFont.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <optional>

namespace tarvello {

namespace {

constexpr int16_t kKeyTab = 9;
constexpr int16_t kKeyReturn = 13;

// The reading "&Maximum Display" has checked; none when neither item is.
std::optional<MaximumDisplay> checkedDisplay(const Halvern &w)
{
    if (w.mnuMaximum[0]->checked())
        return MaximumDisplay::Transaction;
    if (w.mnuMaximum[1]->checked())
        return MaximumDisplay::Positions;
    return std::nullopt;
}

void hideIfVisible(forms::Control *control)
{
    if (control->visible())
        control->setVisible(false);
}

} // namespace

void InputUnits_KeyDown(App &app, int16_t &keyCode, int16_t)
{
    if (keyCode != kKeyReturn && keyCode != kKeyTab)
        return;
    // Tab would move the focus on after this procedure; the stage set below has placed it already.
    const bool tab = keyCode == kKeyTab;
    Halvern &w = app.main();
    w.inputUnits->setEnabled(false);
    const QuantityEntry entry = InputUnits(app.state, w.inputUnits->text());
    if (tab)
        keyCode = 0;
    if (entry.notice) {
        ShowNotification(app, *entry.notice);
        ShowGraphs(app);
    }
    switch (entry.next) {
    case QuantityEntry::Next::RefusedLots:
        // The box keeps its text and stays disabled until the next order offers it again.
        SetTradeStage(app, TradeStage::ChangePeriod);
        return;
    case QuantityEntry::Next::Verify:
        w.inputUnits->setText(QString());
        ShowOrderVerification(app);
        return;
    case QuantityEntry::Next::GiveUp:
        w.inputUnits->setText(QString());
        hideIfVisible(w.promptUnits);
        hideIfVisible(w.inputUnits);
        SetTradeStage(app, TradeStage::ChangePeriod);
        return;
    case QuantityEntry::Next::AskAgain:
        w.inputUnits->setText(QString());
        ShowMaximumUnits(app);
        SetTradeStage(app, TradeStage::GetUnits);
        return;
    case QuantityEntry::Next::BackToSide:
        w.inputUnits->setText(QString());
        hideIfVisible(w.promptUnits);
        hideIfVisible(w.inputUnits);
        SetTradeStage(app, TradeStage::Trade);
        return;
    }
}

void ShowMaximumUnits(App &app)
{
    Halvern &w = app.main();
    const auto display = checkedDisplay(w);
    if (!display)
        return;
    if (const auto figure = ShowMaximumUnits(app.state, *display))
        w.lblMaxSelected->setCaption(*figure);
}

void ShowMaxPositionForwarder(App &app)
{
    ShowMaximumUnits(app);
}

void mnuMaximum_Click(App &app, int16_t index)
{
    if (index != 0 && index != 1)
        return;
    Halvern &w = app.main();
    const auto display = static_cast<MaximumDisplay>(index);
    w.mnuMaximum[0]->setChecked(display == MaximumDisplay::Transaction);
    w.mnuMaximum[1]->setChecked(display == MaximumDisplay::Positions);
    w.LabelMaxiPos->setCaption(maximumDisplayCaption(display));
    GameState &state = app.state;
    if (state.clock.tradeDay == 0)
        return;
    UpdateMarginRoom(state);
    if (display == MaximumDisplay::Transaction) {
        ShowMaximumUnits(app);
    } else if (state.order.orderSide == OrderSide::Buy || state.order.orderSide == OrderSide::Sell) {
        ShowMaxPositionForwarder(app);
        ShowMaximumUnits(app);
    }
}

void ShowOrderVerification(App &app)
{
    Halvern &w = app.main();
    const std::optional<QString> line = ShowOrderVerification(app.state);
    SetTradeStage(app, TradeStage::CorrOrd);
    if (!line)
        return;
    w.lblorderverify->setCaption(*line);
    const LabelFit fit = orderVerifyFit(forms::textWidthTwips(w.fontSpec(), *line));
    w.lblorderverify->setTwipWidth(fit.width);
    w.lblorderverify->setTwipLeft(fit.left);
    w.lblorderverify->setVisible(true);
    w.Label8->setFontBold(true);
    w.Label8->setTwipTop(5280);
    w.Label8->setCaption(QStringLiteral("Order Entry:"));
    w.Label8->setVisible(true);
    if (!w.Shape3->visible())
        w.Shape3->setVisible(true);
    for (forms::CommandButton *button : {w.btnYes, w.btnNo}) {
        button->setVisible(true);
        if (!button->enabled())
            button->setEnabled(true);
    }
    w.btnYes->setFocus();
}

} // namespace tarvello
