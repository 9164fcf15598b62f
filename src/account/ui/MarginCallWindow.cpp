// The margin call on the main window: the notice at the start of a period and the forced fills of the
// next "&Forward".
#include "account/MarginCall.h"
#include "account/ui/AccountWindow.h"
#include "charts/ui/ChartServices.h"
#include "common/Services.h"
#include "news/ui/Notification.h"
#include "orders/ui/OrderWindow.h"
#include "orders/ui/TradeStage.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

namespace {

// What the liquidation asks of the windows. Once the program has been ended (by "&End" in a game-over
// window shown from a forced fill), nothing more is shown or filled.
class MainWindowLiquidation final : public LiquidationHost {
public:
    explicit MainWindowLiquidation(App &app) : app_(app) {}

    void blowOutGameOver() override { BlowOutGameOver(app_); }
    void showNotice(const Notice &notice) override
    {
        if (ended())
            return;
        ShowNotification(app_, notice);
        ShowGraphs(app_);
    }
    void executeOrder() override
    {
        if (!ended())
            ExecuteOrder(app_);
    }
    void setTradeStage(TradeStage stage) override
    {
        if (!ended())
            SetTradeStage(app_, stage);
    }

private:
    bool ended() const { return app_.programEnd.ended(); }
    App &app_;
};

} // namespace

bool CheckMarginAndLiquidate(App &app)
{
    MainWindowLiquidation host(app);
    return CheckMarginAndLiquidate(app.state, app.state.clock.tradeDay, host);
}

void MarginCallCheck(App &app)
{
    const MarginCallCheckResult result = MarginCallCheck(app.state, app.state.clock.tradeDay);
    if (result.blowOut) {
        blowOutGameOver(app, BlowOutVariant::MarginCall);
        return;
    }
    if (result.notice) {
        ShowNotification(app, *result.notice);
        ShowGraphs(app);
    }
    app.main().lblPosMargPercent->setCaption(result.cashMarginText);
}

void MarginCallCheckForwarder(App &app)
{
    MarginCallCheck(app);
}

} // namespace tarvello
