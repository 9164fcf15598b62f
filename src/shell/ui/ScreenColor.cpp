#include "shell/ui/ScreenColor.h"

#include "windows/ScreenColorWindow.h"

#include "charts/ui/ChartServices.h"
#include "flow/ui/MenuEnabling.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/Runtime.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <cmath>

namespace tarvello {

using namespace forms::colors;

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
