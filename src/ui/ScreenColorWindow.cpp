#include "ui/ScreenColorWindow.h"

#include "charts/ui/ChartServices.h"
#include "common/GameState.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/Runtime.h"
#include "ui/App.h"
#include "ui/Halvern.h"
#include "ui/MenuEnabling.h"

#include <cmath>

namespace tarvello {

using namespace forms::colors;

frmScreenColor::frmScreenColor() : Form(QStringLiteral("frmScreenColor"), 2985, 2715)
{
    setFixedDialogBorder();
    setCaption(QStringLiteral("Screen Color"));
    setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});
    setBackColor(kBlack);
    const auto makeOption = [this](const char *name, const char *caption, int top, forms::VbColor fore) {
        auto *option =
            new forms::OptionButton(client(), QString::fromLatin1(name), QString::fromLatin1(caption));
        option->setTwipRect({0, top, 2052, 492});
        option->setBackColor(kBlack);
        option->setForeColor(fore);
        return option;
    };
    optBlack = makeOption("optBlack", "Black Background", 360, kWhite);
    Command1 = new forms::CommandButton(client(), QStringLiteral("Command1"), QStringLiteral("OK"));
    Command1->setTwipRect({0, 2160, 975, 375});
    Command1->setBackColor(kGray);
    optGray = makeOption("optGray", "Gray Background", 840, kYellow);
    optMono = makeOption("optMono", "Monochrome Screen", 1320, kWhite);
    optBlack->setValue(true);
}

namespace screencolor {

namespace {

forms::OptionButton *optionOf(frmScreenColor &d, Scheme scheme)
{
    switch (scheme) {
    case Scheme::Gray:
        return d.optGray;
    case Scheme::Mono:
        return d.optMono;
    case Scheme::Black:
        break;
    }
    return d.optBlack;
}

void colorDialog(frmScreenColor &d, Scheme scheme)
{
    const forms::VbColor back = schemeBackColor(scheme);
    d.setBackColor(back);
    for (forms::OptionButton *option : {d.optBlack, d.optGray, d.optMono})
        option->setBackColor(back);
    const forms::VbColor text = scheme == Scheme::Black ? kWhite : kBlack;
    d.optBlack->setForeColor(text);
    d.optMono->setForeColor(text);
    d.optGray->setForeColor(scheme == Scheme::Black ? kYellow : scheme == Scheme::Gray ? kBlue : kBlack);
    d.Command1->setBackColor(scheme == Scheme::Black ? kWhite : kBlack);
}

// Locks or unlocks the dialog while a change runs; the clicked option stays as it is.
void lockDialog(frmScreenColor &d, Scheme scheme, bool locked)
{
    if (locked)
        d.setEnabled(false);
    for (forms::OptionButton *option : {d.optBlack, d.optGray, d.optMono})
        if (option != optionOf(d, scheme))
            option->setEnabled(!locked);
    d.Command1->setEnabled(!locked);
    if (!locked)
        d.setEnabled(true);
}

void applyGraphSettings(App &app, Scheme scheme)
{
    for (const Graph graph : {Graph::Left, Graph::Right})
        for (const auto &[setting, value] : graphSchemeSettings(scheme))
            SetGraphColorSetting(app, graph, setting, value);
    ApplyGraphColors(app);
}

} // namespace

void Form_Load(frmScreenColor &d, App &app)
{
    for (forms::Control *control :
         {static_cast<forms::Control *>(d.optBlack), static_cast<forms::Control *>(d.optGray),
          static_cast<forms::Control *>(d.optMono), static_cast<forms::Control *>(d.Command1)})
        control->setTwipLeft(static_cast<int>(std::lround(d.twipWidth() * 0.5 - control->twipWidth() * 0.5)));
    const Scheme scheme = schemeOf(app.main().backColor()).value_or(Scheme::Black);
    d.showingSchemeInForce = true;
    optionOf(d, scheme)->setValue(true);
    d.showingSchemeInForce = false;
}

void ChangeScheme(frmScreenColor &d, App &app, Scheme scheme)
{
    Halvern &w = app.main();
    lockDialog(d, scheme, true);
    if (scheme == Scheme::Black)
        colorDialog(d, scheme);
    CarryMarkLabels(w, scheme); // reads the old scheme, still recorded in the main window
    w.setForeColor(schemeForeColor(scheme));
    w.setBackColor(schemeBackColor(scheme));
    if (scheme != Scheme::Black)
        colorDialog(d, scheme);

    ApplyLabelColors(w, scheme);
    ApplyFrameShapeColors(w, scheme);
    const forms::VbColor levelColor = levelShapeColor(scheme, app.state.settings.level);
    w.ShapeNextPeriod->setBorderColor(levelColor);
    w.shapeTradeCentral->setBorderColor(levelColor);
    if (scheme == Scheme::Gray)
        forms::doEvents();
    applyGraphSettings(app, scheme);
    ApplyReportPanelColors(w, scheme);
    ApplySchemeToForms(app);
    forms::doEvents();
    lockDialog(d, scheme, false);
    if (scheme == Scheme::Black) {
        SetGraphColorSetting(app, Graph::Right, GraphColorSetting::ChartColor, 14);
        ApplyGraphColors(app);
    }
}

void Command1_Click(App &app)
{
    app.forms.unload<frmScreenColor>();
}

} // namespace screencolor

void mnuScreenColor_Click(App &app)
{
    Halvern &w = app.main();
    w.setEnabled(false);
    DisableMainMenus(w);
    forms::FormRef<frmScreenColor>(app.forms)->showModal(&w);
    w.GraphLeft->setVisible(false);
    w.GraphRight->setVisible(false);
    ShowGraphs(app);
    w.setEnabled(true);
    EnableMainMenus(w);
}

void connectScreenColorWindow(frmScreenColor &d, App &app)
{
    d.setLoadHandler([&d, &app] { screencolor::Form_Load(d, app); });
    const std::pair<forms::OptionButton *, Scheme> options[] = {
        {d.optBlack, Scheme::Black}, {d.optGray, Scheme::Gray}, {d.optMono, Scheme::Mono}};
    for (const auto &[option, scheme] : options)
        option->setClickHandler([&d, &app, scheme = scheme] {
            if (!d.showingSchemeInForce)
                screencolor::ChangeScheme(d, app, scheme);
        });
    // Closing by the close box is "OK": the dialog goes either way.
    d.Command1->setClickHandler([&app] { screencolor::Command1_Click(app); });
}

} // namespace tarvello
