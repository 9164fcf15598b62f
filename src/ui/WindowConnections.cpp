#include "ui/WindowConnections.h"

#include "news/ui/NotificationBox.h"
#include "platform/forms/FormRegistry.h"
#include "ui/AboutWindow.h"
#include "ui/App.h"
#include "ui/DisclaimerWindow.h"
#include "ui/Halvern.h"
#include "ui/MainWindowEvents.h"

namespace tarvello {

void connectWindows(App &app)
{
    app.forms.setConnector<Halvern>([&app](Halvern &w) { connectMainWindow(w, app); });
    app.forms.setConnector<frmPlayerNotification>(
        [&app](frmPlayerNotification &w) { connectNotificationBox(w, app); });
    app.forms.setConnector<frmAboutHalvern>([&app](frmAboutHalvern &w) { connectAboutWindow(w, app); });
    app.forms.setConnector<frmDisclaimer>([&app](frmDisclaimer &w) { connectDisclaimer(w, app); });
}

} // namespace tarvello
