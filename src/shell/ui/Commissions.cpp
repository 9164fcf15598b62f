#include "shell/ui/Commissions.h"

#include "windows/CommissionsWindow.h"

#include "account/CommissionPreview.h"
#include "platform/forms/FormRegistry.h"
#include "shell/ui/Schemes.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <cmath>

namespace tarvello {

using namespace forms::colors;

namespace commiss {

QString explanation()
{
    return QStringLiteral(
        "No commissions are charged to the Trader's Account during the Game.  The following "
        "displays the final score after a $25.00 per trade commission is charged to the "
        "Trader's Account.");
}

void Form_Load(frmCommiss &w)
{
    w.cmdOK->setTwipLeft(static_cast<int>(std::lround((w.twipWidth() - w.cmdOK->twipWidth()) * 0.5)));
    // The explanation is as wide as the rule under it.
    w.Label4->setTwipWidth(w.Line1->x2() - w.Line1->x1());
}

void Form_Activate(frmCommiss &w, App &app)
{
    const Halvern &main = app.main();
    ColorPair pair{main.foreColor(), main.backColor()};
    if (main.backColor() == kBlack)
        pair = {kGreen, kBlack};
    else if (main.backColor() == kGray)
        pair = {kBlue, kGray};
    colorWindow(w, pair, {w.Label1, w.Label2, w.Label3, w.Label4, w.Label7, w.Label11, w.label12}, {w.Line1});
}

void cmdOK_Click(App &app)
{
    app.forms.unload<frmCommiss>();
}

} // namespace commiss

void mnuCommission_Click(App &app)
{
    const CommissionPreview preview = previewCommissions(app.state.account);
    forms::FormRef<frmCommiss> w(app.forms);
    w->Label7->setCaption(preview.scoreAfter);
    w->label12->setCaption(preview.commissions);
    w->Label3->setCaption(preview.scoreBefore);
    w->Label4->setCaption(commiss::explanation());
    w->showModal(&app.main());
}

void connectCommissionsWindow(frmCommiss &w, App &app)
{
    w.setLoadHandler([&w] { commiss::Form_Load(w); });
    w.setActivateHandler([&w, &app] { commiss::Form_Activate(w, app); });
    // Closing by the close box is "OK": the window goes either way.
    w.cmdOK->setClickHandler([&app] { commiss::cmdOK_Click(app); });
}

} // namespace tarvello
