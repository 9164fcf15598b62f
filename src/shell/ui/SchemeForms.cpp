// The scheme colours of the other windows that follow a scheme change at once.
#include "charts/ui/ChartServices.h"
#include "flow/ui/LevelSelected.h"
#include "news/ui/EconomicNewsStory.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/Runtime.h"
#include "shell/ui/CustomProgramming.h"
#include "shell/ui/ScreenColor.h"
#include "windows/App.h"
#include "windows/CustomWindow.h"
#include "windows/EconCalendarWindow.h"
#include "windows/EconomicNewsStoryWindow.h"
#include "windows/Halvern.h"
#include "windows/ScreenColorWindow.h"
#include "windows/StockGraphWindow.h"
#include "windows/frmEndofGame.h"
#include "windows/frmLevelSelected.h"
#include "windows/frmTradeConfirmation.h"

namespace tarvello {

using namespace forms::colors;

namespace {

// Black, Gray and Monochrome, in that order.
ColorPair pick(Scheme scheme, ColorPair black, ColorPair gray, ColorPair mono)
{
    return scheme == Scheme::Black ? black : scheme == Scheme::Gray ? gray : mono;
}

template <class T> void setPair(T &control, ColorPair pair)
{
    control.setForeColor(pair.fore);
    control.setBackColor(pair.back);
}

void colorCustom(frmCustom &w, Scheme scheme)
{
    const ColorPair labels = pick(scheme, {kYellow, kBlue}, {kYellow, kBlue}, {kWhite, kBlack});
    w.setBackColor(scheme == Scheme::Mono ? kBlack : kCyan);
    for (forms::Label *label : {w.lblTop, w.lblBottom, w.Label3})
        setPair(*label, labels);
}

// The two economic windows: yellow on very dark red, black on gray in monochrome.
ColorPair economicPair(Scheme scheme)
{
    return scheme == Scheme::Mono ? ColorPair{kBlack, kGray} : ColorPair{kYellow, kVeryDarkRed};
}

void colorEconCalendar(frmEconCalendar &w, Scheme scheme)
{
    const ColorPair pair = economicPair(scheme);
    w.setBackColor(pair.back);
    for (forms::Label *label : w.labels)
        setPair(*label, pair);
    for (forms::Line *line : w.lines)
        line->setBorderColor(pair.fore);
}

void colorNewsStory(frmEconomicNewsStory &w, Scheme scheme)
{
    const ColorPair pair = economicPair(scheme);
    setPair(w, pair);
    setPair(*w.Label1, pair);
}

void colorStockGraph(frmStockGraph &w, Scheme scheme)
{
    // In gray the window keeps a yellow text colour while its controls turn blue.
    const ColorPair controls = pick(scheme, {kYellow, kBlue}, {kBlue, kGray}, {kWhite, kBlack});
    w.setForeColor(scheme == Scheme::Mono ? kWhite : kYellow);
    w.setBackColor(controls.back);
    const std::initializer_list<forms::Control *> coloured = {w.ckAll,    w.ckBF,    w.ckLine,   w.ckMean,
                                                              w.ckMinMax, w.ckSD,    w.optFrame, w.Label2,
                                                              w.Option1,  w.Option2, w.Option3};
    for (forms::Control *control : coloured)
        setPair(*control, controls);
}

void colorEndOfGame(frmEndofGame &w, Scheme scheme)
{
    const ColorPair pair = pick(scheme, {kYellow, kBlue}, {kYellow, kBlue}, {kBlack, kGray});
    w.setBackColor(pair.back);
    for (forms::Label *label : {w.Label1, w.Label2, w.Label3, w.Label4, w.Label5, w.Label6, w.Label7,
                                w.Label8, w.Label9, w.Label10, w.Label11, w.label12})
        setPair(*label, pair);
}

void colorLevelDetail(frmLevelSelected &w, Scheme scheme)
{
    for (forms::Label *label : {w.lblLevel, w.lblMaxGameLength, w.lblNewsOptions, w.lblDataType})
        label->setForeColor(scheme == Scheme::Mono ? kBlack : kBlue);
}

void colorTradeConfirmation(frmTradeConfirmation &w, Scheme scheme)
{
    const ColorPair pair = pick(scheme, {kYellow, kMagenta}, {kYellow, kMagenta}, {kWhite, kBlack});
    w.setBackColor(pair.back);
    w.setForeColor(pair.fore);
    setPair(*w.lblTradeConfirmation, pair);
}

} // namespace

void ApplySchemeToForms(App &app)
{
    forms::doEvents();
    if (const auto scheme = schemeOf(app.main().backColor())) {
        // Touching a window loads it, hidden, when it is not loaded yet.
        colorCustom(app.forms.get<frmCustom>(), *scheme);
        colorEconCalendar(app.forms.get<frmEconCalendar>(), *scheme);
        colorNewsStory(app.forms.get<frmEconomicNewsStory>(), *scheme);
        colorEndOfGame(app.forms.get<frmEndofGame>(), *scheme);
        colorLevelDetail(app.forms.get<frmLevelSelected>(), *scheme);
        if (*scheme == Scheme::Black) {
            SetGraphColorSetting(app, Graph::Left, GraphColorSetting::ChartColor, 14);
            SetGraphColorSetting(app, Graph::Right, GraphColorSetting::ChartColor, 14);
            ApplyGraphColors(app);
        }
        colorStockGraph(app.forms.get<frmStockGraph>(), *scheme);
        colorTradeConfirmation(app.forms.get<frmTradeConfirmation>(), *scheme);
    }
    forms::doEvents();
}

} // namespace tarvello
