#include "ui/WindowConnections.h"

#include "charts/ui/StockGraphWindow.h"
#include "flow/ui/FlowWindows.h"
#include "news/ui/EconCalendarWindow.h"
#include "news/ui/EconomicNewsStoryWindow.h"
#include "news/ui/NewsWindow.h"
#include "news/ui/NotificationBox.h"
#include "orders/ui/TradeConfirmation.h"
#include "platform/forms/FormRegistry.h"
#include "ui/AboutWindow.h"
#include "ui/App.h"
#include "ui/CommissionsWindow.h"
#include "ui/CustomWindow.h"
#include "ui/DisclaimerWindow.h"
#include "ui/Halvern.h"
#include "ui/MainWindowEvents.h"
#include "ui/ScreenColorWindow.h"
#include "ui/SummaryWindowEvents.h"
#include "ui/frmEndofGame.h"
#include "ui/frmGameOver.h"
#include "ui/frmTradeConfirmation.h"

namespace tarvello {

void connectWindows(App &app)
{
    app.forms.setConnector<Halvern>([&app](Halvern &w) { connectMainWindow(w, app); });
    app.forms.setConnector<frmPlayerNotification>(
        [&app](frmPlayerNotification &w) { connectNotificationBox(w, app); });
    app.forms.setConnector<frmNewsDisplay>([&app](frmNewsDisplay &w) { connectNewsWindow(w, app); });
    app.forms.setConnector<frmAboutHalvern>([&app](frmAboutHalvern &w) { connectAboutWindow(w, app); });
    app.forms.setConnector<frmDisclaimer>([&app](frmDisclaimer &w) { connectDisclaimer(w, app); });
    app.forms.setConnector<frmTradeConfirmation>(
        [&app](frmTradeConfirmation &w) { connectTradeConfirmation(w, app); });
    app.forms.setConnector<frmGameOver>([&app](frmGameOver &w) { connectGameOverWindow(w, app); });
    app.forms.setConnector<frmEndofGame>([&app](frmEndofGame &w) { connectEndOfGameWindow(w, app); });
    app.forms.setConnector<frmScreenColor>([&app](frmScreenColor &w) { connectScreenColorWindow(w, app); });
    app.forms.setConnector<frmCustom>([&app](frmCustom &w) { connectCustomWindow(w, app); });
    app.forms.setConnector<frmCommiss>([&app](frmCommiss &w) { connectCommissionsWindow(w, app); });
    app.forms.setConnector<frmEconCalendar>(
        [](frmEconCalendar &w) { w.setLoadHandler([&w] { econcalendar::Form_Load(w); }); });
    app.forms.setConnector<frmEconomicNewsStory>(
        [&app](frmEconomicNewsStory &w) { w.setLoadHandler([&w, &app] { newsstory::Form_Load(w, app); }); });
    app.forms.setConnector<frmStockGraph>(
        [](frmStockGraph &w) { w.setLoadHandler([&w] { stockgraph::Form_Load(w); }); });
    connectGameFlowWindows(app);
}

} // namespace tarvello
