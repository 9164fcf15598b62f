#include "app/WindowConnections.h"

#include "app/MainWindowEvents.h"
#include "app/SummaryWindowEvents.h"
#include "flow/ui/FlowWindows.h"
#include "news/ui/EconomicNewsStory.h"
#include "news/ui/NewsDisplay.h"
#include "news/ui/NotificationBox.h"
#include "orders/ui/TradeConfirmation.h"
#include "platform/forms/FormRegistry.h"
#include "shell/ui/About.h"
#include "shell/ui/Commissions.h"
#include "shell/ui/CustomProgramming.h"
#include "shell/ui/Disclaimer.h"
#include "shell/ui/ScreenColor.h"
#include "windows/AboutWindow.h"
#include "windows/App.h"
#include "windows/CommissionsWindow.h"
#include "windows/CustomWindow.h"
#include "windows/DisclaimerWindow.h"
#include "windows/EconCalendarWindow.h"
#include "windows/EconomicNewsStoryWindow.h"
#include "windows/Halvern.h"
#include "windows/NewsWindow.h"
#include "windows/NotificationBox.h"
#include "windows/ScreenColorWindow.h"
#include "windows/StockGraphWindow.h"
#include "windows/frmEndofGame.h"
#include "windows/frmGameOver.h"
#include "windows/frmTradeConfirmation.h"

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
