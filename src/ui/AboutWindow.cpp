#include "ui/AboutWindow.h"

#include "charts/ui/ChartServices.h"
#include "common/NewLine.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/Runtime.h"
#include "ui/App.h"
#include "ui/Halvern.h"
#include "ui/Schemes.h"

#include <vector>

namespace tarvello {

namespace {

struct LabelRow {
    forms::Label *frmAboutHalvern::*member;
    const char *name;
    int top;
    int height;
};

// Top to bottom; all share one column.
const LabelRow kLabels[] = {
    {&frmAboutHalvern::LabelN, "LabelN", 480, 255},  {&frmAboutHalvern::Label1, "Label1", 720, 495},
    {&frmAboutHalvern::Label2, "Label2", 1200, 615}, {&frmAboutHalvern::Label4, "Label4", 1800, 615},
    {&frmAboutHalvern::Label8, "Label8", 2400, 615}, {&frmAboutHalvern::Label6, "Label6", 3000, 495},
};
constexpr int kLabelLeft = 360;
constexpr int kLabelWidth = 3975;

} // namespace

frmAboutHalvern::frmAboutHalvern() : Form(QStringLiteral("frmAboutHalvern"), 4695, 4350)
{
    setFixedDialogBorder();
    setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});
    for (const LabelRow &row : kLabels) {
        auto *label = new forms::Label(client(), QString::fromLatin1(row.name));
        label->setTwipRect({kLabelLeft, row.top, kLabelWidth, row.height});
        label->setJustify(forms::Justify::Center);
        label->setOpaque(true);
        this->*row.member = label;
    }
    Label1->setFontSpec({QStringLiteral("MS Sans Serif"), 18.0f, true});
    cmdOK = new forms::CommandButton(client(), QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK->setTwipRect({1800, 3720, 1092, 372});
}

namespace about {

QString noticeOfRights()
{
    return QStringLiteral("Copyright \u00A9 the Tarvello team.") + NewLine +
           QStringLiteral("All rights reserved.");
}

QString trademarkNotice()
{
    return QStringLiteral("Tarvello is a trademark") + NewLine + QStringLiteral("of the Tarvello team.");
}

QString instructionsPointer()
{
    return QStringLiteral("For Game Instructions, select Instructions") + NewLine +
           QStringLiteral("listed under Help on the Pull-Down Menu");
}

QString internetPointer()
{
    return QStringLiteral("Additional Information on the Internet:") + NewLine +
           QStringLiteral("www.tarvello.example.invalid");
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
    std::vector<forms::Control *> labels;
    for (const LabelRow &row : kLabels)
        labels.push_back(w.*row.member);
    colorWindow(w, {main.foreColor(), main.backColor()}, labels);
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
