#include "ui/CommissionsWindow.h"

#include "account/CommissionPreview.h"
#include "common/GameState.h"
#include "platform/forms/FormRegistry.h"
#include "ui/App.h"
#include "ui/Halvern.h"
#include "ui/Schemes.h"

#include <cmath>

namespace tarvello {

using namespace forms::colors;

frmCommiss::frmCommiss() : Form(QStringLiteral("frmCommiss"), 5700, 2760)
{
    setFixedDialogBorder();
    setCaption(QStringLiteral("Commission Charges"));
    const auto makeLabel = [this](const char *name, const forms::TwipRect &rect, const QString &caption = {},
                                  forms::Justify justify = forms::Justify::Left) {
        auto *label = new forms::Label(client(), QString::fromLatin1(name), caption);
        label->setTwipRect(rect);
        label->setJustify(justify);
        return label;
    };
    Label4 = makeLabel("Label4", {360, 120, 4920, 852});
    Label11 = makeLabel("Label11", {360, 1080, 2535, 192}, QStringLiteral("Score (after commissions):"));
    Label7 = makeLabel("Label7", {3000, 1080, 2292, 240}, {}, forms::Justify::Right);
    Line1 = new forms::Line(client(), QStringLiteral("Line1"));
    Line1->setPoints(360, 1340, 5280, 1340);
    Label2 = makeLabel("Label2", {360, 1440, 1164, 192}, QStringLiteral("Commissions:"));
    label12 = makeLabel("label12", {3000, 1440, 2292, 192}, {}, forms::Justify::Right);
    Label1 = makeLabel("Label1", {360, 1680, 2895, 192}, QStringLiteral("Score (before commissions):"));
    Label3 = makeLabel("Label3", {3000, 1680, 2292, 192}, {}, forms::Justify::Right);
    cmdOK = new forms::CommandButton(client(), QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK->setTwipRect({0, 2280, 972, 372});
}

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
