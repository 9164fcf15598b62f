#include "shell/ui/HelpCommands.h"

#include "charts/ui/ChartServices.h"
#include "flow/ui/MenuEnabling.h"
#include "platform/help/HelpViewer.h"
#include "platform/print/WindowPrinter.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

namespace {

constexpr int32_t kTermsAtoL = 1003;
constexpr int32_t kTermsMtoZ = 1004;
constexpr int32_t kDisclaimerTopic = 1006;
constexpr int32_t kEconomicCalendarTopic = 1007;
constexpr int32_t kMorvaineTopic = 1009;
constexpr int32_t kOpenAccountTopic = 1012;

void helpCommand(App &app, uint32_t command, int32_t data)
{
    if (app.help)
        app.help->helpCommand(&app.main(), app.helpFile, command, data);
}

// Opens a topic with the main window and its menus disabled until the help call has returned.
void openTopic(App &app, uint32_t command, int32_t data, bool replotCharts = false)
{
    Halvern &w = app.main();
    w.setEnabled(false);
    DisableMainMenus(w);
    if (replotCharts)
        PlotBothGraphs(app, 1);
    CloseHelp(app);
    helpCommand(app, command, data);
    w.setEnabled(true);
    EnableMainMenus(w);
}

} // namespace

void CloseHelp(App &app)
{
    helpCommand(app, help::HELP_QUIT, 0);
}

void mnuInstructions_Click(App &app)
{
    openTopic(app, help::HELP_CONTENTS, 0);
}

void mnuDefinitions_Click(App &app, int16_t index)
{
    openTopic(app, help::HELP_CONTEXT, index == 0 ? kTermsAtoL : kTermsMtoZ, true);
}

void mnuDisclaimer_Click(App &app)
{
    openTopic(app, help::HELP_CONTEXT, kDisclaimerTopic);
}

void mnuEconomicCalendar_Click(App &app)
{
    // Nothing is disabled around this one, but both are enabled afterwards all the same.
    CloseHelp(app);
    helpCommand(app, help::HELP_CONTEXT, kEconomicCalendarTopic);
    Halvern &w = app.main();
    w.setEnabled(true);
    EnableMainMenus(w);
}

void mnuMorvaine_Click(App &app)
{
    openTopic(app, help::HELP_CONTEXT, kMorvaineTopic);
}

void mnuHowto_Click(App &app)
{
    openTopic(app, help::HELP_CONTEXT, kOpenAccountTopic);
}

void mnuPrint_Click(App &app)
{
    Halvern &w = app.main();
    // The page holds the client area with its controls; the menu bar is not part of the form's image.
    if (app.printer && app.printer->printWindow(*w.client()))
        return;
    if (app.printer)
        app.printer->showMessage(&w, QStringLiteral("Tarvello"),
                                 QStringLiteral("The form could not be printed."));
}

} // namespace tarvello
