#include "shell/ui/About.h"

#include "charts/ui/ChartServices.h"
#include "common/NewLine.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/Runtime.h"
#include "shell/Maker.h"
#include "shell/ui/Schemes.h"
#include "windows/AboutWindow.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

namespace about {

QString noticeOfRights()
{
    return QStringLiteral("Copyright \u00A9 ") + maker::name() + QStringLiteral(".") + NewLine +
           QStringLiteral("All rights reserved.");
}

QString trademarkNotice()
{
    return QStringLiteral("Tarvello is a trademark") + NewLine + QStringLiteral("of ") + maker::name() +
           QStringLiteral(".");
}

QString instructionsPointer()
{
    return QStringLiteral("For Game Instructions, select Instructions") + NewLine +
           QStringLiteral("listed under Help on the Pull-Down Menu");
}

QString internetPointer()
{
    return QStringLiteral("Additional Information on the Internet:") + NewLine + maker::webAddress();
}

void Form_Activate(frmAboutHalvern &w, App &app)
{
    w.setCaption(QStringLiteral("Tarvello"));
    w.LabelN->setCaption(QStringLiteral("Morvaine"));
    w.Label1->setCaption(QStringLiteral("Tarvello"));
    w.Label2->setCaption(noticeOfRights());
    w.Label4->setCaption(trademarkNotice());
    w.Label6->setCaption(internetPointer());
    w.Label8->setCaption(instructionsPointer());

    // The labels take the main window's colours; in the black scheme the window around them is dark
    // green. "OK" keeps its own.
    const Halvern &main = app.main();
    colorWindow(w, {main.foreColor(), main.backColor()}, w.labels());
    if (main.backColor() == forms::colors::kBlack)
        w.setBackColor(forms::colors::kDarkGreen);
}

void cmdOK_Click(App &app)
{
    app.forms.unload<frmAboutHalvern>();
    forms::doEvents();
    ApplyGraphColors(app);
}

void Form_Unload(App &app)
{
    cmdOK_Click(app);
}

} // namespace about

void mnuAboutMorvaine_Click(App &app)
{
    forms::FormRef<frmAboutHalvern>(app.forms)->showModal(&app.main());
}

void connectAboutWindow(frmAboutHalvern &w, App &app)
{
    w.setActivateHandler([&w, &app] { about::Form_Activate(w, app); });
    w.setUnloadHandler([&app](int16_t &) { about::Form_Unload(app); });
    w.cmdOK->setClickHandler([&app] { about::cmdOK_Click(app); });
}

} // namespace tarvello
