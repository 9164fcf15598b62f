#include "app/MainWindowEvents.h"

#include "charts/ui/ChartServices.h"
#include "common/Services.h"
#include "flow/ui/EndOfGame.h"
#include "flow/ui/LevelSetup.h"
#include "flow/ui/MenuEnabling.h"
#include "flow/ui/NewGame.h"
#include "flow/ui/PeriodAdvance.h"
#include "flow/ui/SettingsMenus.h"
#include "flow/ui/Startup.h"
#include "news/ui/NewsReports.h"
#include "orders/ui/OrderWindow.h"
#include "shell/ui/About.h"
#include "shell/ui/Commissions.h"
#include "shell/ui/CustomProgramming.h"
#include "shell/ui/HelpCommands.h"
#include "shell/ui/ScreenColor.h"
#include "state/GameState.h"
#include "windows/AboutWindow.h"
#include "windows/App.h"
#include "windows/CommissionsWindow.h"
#include "windows/CustomWindow.h"
#include "windows/Halvern.h"
#include "windows/ScreenColorWindow.h"

namespace tarvello {

namespace halvern {

void Form_Unload(App &app, int16_t &cancel)
{
    Halvern &w = app.main();
    DisableVisibleButtons(w);
    cancel = 1;
    mnuEnd_Click(app);
    if (app.programEnd.ended())
        return;
    EnableVisibleButtons(w, app.state);
}

} // namespace halvern

void connectMainWindow(Halvern &w, App &app)
{
    w.setLoadHandler([&app] { halvern::Form_Load(app); });
    w.setActivateHandler([&w] { halvern::Form_Activate(w); });
    w.setUnloadHandler([&app](int16_t &cancel) { halvern::Form_Unload(app, cancel); });
    w.mnuEnd->setClickHandler([&app] { halvern::mnuEnd_Click(app); });
    w.btnChangePeriod->setClickHandler([&app] { btnChangePeriod_Click(app); });
    w.mnuAboutMorvaine->setClickHandler([&app] { mnuAboutMorvaine_Click(app); });
    // Every repaint puts the charts back where a report or a notice may have covered them.
    w.setPaintHandler([&app] { ShowGraphs(app); });
    connectGraphMenus(app, w);
    connectOrderEntry(w, app);

    // Game set-up: the new-game command, the level and the other settings menus.
    w.mnuNewGame->setClickHandler([&app] { mnuNewGame_Click(app); });
    w.mnuLevel.setClickHandler([&app](int16_t index) { mnuLevel_Click(app, index); });
    w.mnuDat.setClickHandler([&w](int16_t index) { mnuDat_Click(w, index); });
    w.mnuGameLength.setClickHandler([&app](int16_t index) { mnuGameLength_Click(app, index); });

    // The screen colour schemes, the Help menu's windows, help topics and Print Screen.
    w.mnuScreenColor->setClickHandler([&app] { mnuScreenColor_Click(app); });
    w.mnuCommission->setClickHandler([&app] { mnuCommission_Click(app); });
    w.mnuCustom->setClickHandler([&app] { mnuCustom_Click(app); });
    w.mnuPrint->setClickHandler([&app] { mnuPrint_Click(app); });
    w.mnuInstructions->setClickHandler([&app] { mnuInstructions_Click(app); });
    w.mnuDefinitions.setClickHandler([&app](int16_t index) { mnuDefinitions_Click(app, index); });
    w.mnuDisclaimer->setClickHandler([&app] { mnuDisclaimer_Click(app); });
    w.mnuEconomicCalendar->setClickHandler([&app] { mnuEconomicCalendar_Click(app); });
    w.mnuMorvaine->setClickHandler([&app] { mnuMorvaine_Click(app); });
    w.mnuHowto->setClickHandler([&app] { mnuHowto_Click(app); });
    connectNewsReports(w, app);
}

} // namespace tarvello
