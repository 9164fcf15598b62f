// Filling an order on the main window: the confirmation of the player's own order, the trade count,
// the record and the booking, then the blow-out test and the account panel.
#include "account/ui/AccountWindow.h"
#include "common/Services.h"
#include "orders/Execution.h"
#include "orders/ui/OrderWindow.h"
#include "orders/ui/TradeConfirmation.h"
#include "orders/ui/TradeStage.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

void ExecuteOrder(App &app)
{
    GameState &state = app.state;
    Halvern &w = app.main();
    const std::optional<QString> confirmation = fillPrice(state);
    // What is booked is the order as the player confirmed it, whatever runs while the confirmation is up.
    const PendingOrder confirmed = state.order;
    if (confirmation) {
        SetTradeStage(app, TradeStage::TradeConfirmation);
        ShowTradeConfirmation(app, *confirmation);
    }
    bookFill(state, confirmed, state.settings.level, state.clock.tradeDay);
    w.lblTotTrades->setCaption(totalTradesText(state.account));
    const QString traderInput = QStringLiteral("Trader Input:");
    if (w.lblTraderInput->caption() != traderInput)
        w.lblTraderInput->setCaption(traderInput);
    CheckBlowOut(app);
    if (app.programEnd.ended())
        return;
    UpdateAccountDisplay(app);
    ClearPendingOrder(state);
}

} // namespace tarvello
