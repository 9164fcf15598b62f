#include "flow/ui/Startup.h"

#include "charts/ui/ChartServices.h"
#include "common/Services.h"
#include "data/PriceDatabase.h"
#include "data/PriceSchema.h"
#include "flow/ui/LevelSetup.h"
#include "news/ui/Notification.h"
#include "platform/forms/FormRegistry.h"
#include "shell/ui/About.h"
#include "shell/ui/Disclaimer.h"
#include "shell/ui/HelpCommands.h"
#include "state/GameState.h"
#include "windows/AboutWindow.h"
#include "windows/App.h"
#include "windows/DisclaimerWindow.h"
#include "windows/Halvern.h"

#include <QDir>

namespace tarvello {

namespace {

constexpr int kMainWidth = 9540; // the main window's fixed size, whatever the screen
constexpr int kMainHeight = 7220;
constexpr int kCharted = 2; // the list entry of Oil

} // namespace

namespace halvern {

void Form_Load(App &app)
{
    GameState &state = app.state;
    Halvern &w = app.main();

    InitDatabaseGlobals(state.priceDatabase, app.programDirectory, state.chart.selectedCommodity,
                        state.settings.startDate);
    ResetGraph(app);
    SetIndicatorGraphLabels(app);
    for (int16_t i = 1; i <= 6; ++i)
        w.cboCommodity->addItem(state.priceDatabase.CommodityNames[i - 1]);
    state.chart.graphType = QStringLiteral("MovingAverage");
    w.mnuMoving[0]->setChecked(true);
    state.chart.movingAveragePeriod = 5;
    w.cboCommodity->setListIndex(kCharted); // charts Oil (cboCommodity_Click)
    w.GameName->setCaption(QStringLiteral("Tarvello"));
    w.setCaption(QStringLiteral("Morvaine"));
    w.setTwipHeight(kMainHeight);
    w.setTwipWidth(kMainWidth);
    w.setTwipTop(0);
    w.setTwipLeft(0);
    app.helpFile = QStringLiteral("zelk.hlp");
    SetupGameLevel(app, Level::Expert);
    // The window is shown only once the opening windows are answered, at the end of this load: the
    // About window comes first, alone.
    state.settings.gameStarted = false;
    state.settings.optionsChosen = 0;
    state.settings.levelChosenFromMenu = 0;
    state.order.securitySelected = 0;

    forms::FormRef<frmAboutHalvern>(app.forms)->showModal(&w);

    PriceDatabaseState &db = state.priceDatabase;
    db.DbPath = QDir(app.programDirectory).filePath(QString::fromLatin1(kPriceFileName));
    const db::Status opened = OpenPriceDatabase(db, db.DbPath);
    if (!opened) {
        ShowNotification(app, QString::fromLatin1(kOpenFailureTitle), opened.description(), QString(),
                         kOpenFailureCode);
        ExitGame(app, 1);
        return;
    }

    // Loading the Disclaimer reads its text; when there is none the program has ended there.
    frmDisclaimer &disclaimer = app.forms.get<frmDisclaimer>();
    if (app.programEnd.ended())
        return;
    disclaimer.showModal(&w);
    if (app.programEnd.ended())
        return;
    w.setVisible(true);
}

} // namespace halvern

void ExitGame(App &app, int code)
{
    CloseHelp(app);
    CloseDatabase(app.state.priceDatabase);
    app.programEnd.end(code);
}

} // namespace tarvello
