#include "account/ProfitLoss.h"
#include "charts/ui/ChartServices.h"
#include "data/PeriodPrices.h"
#include "data/QuoteLines.h"
#include "data/ui/PeriodPrices.h"
#include "data/ui/QuoteLines.h"
#include "data/ui/WindowMarketHooks.h"
#include "platform/forms/Runtime.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

namespace {

forms::Label *quoteLabel(Halvern &w, Instrument i)
{
    switch (i) {
    case Instrument::Oil:
        return w.lblOilCurrMark;
    case Instrument::Gold:
        return w.lblGoldCurrMark;
    case Instrument::TBond:
        return w.lblTBondCurrMark;
    case Instrument::SP500:
        return w.lblSP500CurrMark;
    case Instrument::Cattle:
        return w.lblCattleCurrMark;
    case Instrument::Soybean:
        return w.lblSoybeanCurrMark;
    }
    return nullptr;
}

} // namespace

void ApplyQuoteLines(App &app, const QuoteLines &lines)
{
    Halvern &w = app.main();
    for (Instrument i : kAllInstruments) {
        const QuoteLabelUpdate &update = lines[i];
        forms::Label *label = quoteLabel(w, i);
        if (update.caption)
            label->setCaption(*update.caption);
        if (update.visible)
            label->setVisible(*update.visible);
    }
}

void WindowMarketHooks::letEventsRun()
{
    forms::doEvents();
}

void WindowMarketHooks::setMousePointer(int pointer)
{
    forms::setMousePointer(pointer == 11 ? forms::MousePointer::Hourglass : forms::MousePointer::Default);
}

void WindowMarketHooks::setDayLabel(const QString &caption)
{
    app_.main().LabelDay->setCaption(caption);
}

void WindowMarketHooks::showQuoteLines(const QuoteLines &lines)
{
    ApplyQuoteLines(app_, lines);
}

void WindowMarketHooks::countAndRecalcExposure()
{
    app_.main().lblPosMargPercent->setCaption(CountAndRecalcExposure(app_.state));
}

void WindowMarketHooks::resetCharts()
{
    ResetGraph(app_);
    SetIndicatorGraphLabels(app_);
}

void ShowCurrentMarket(App &app)
{
    ApplyQuoteLines(app, ShowCurrentMarket(app.state));
}

void ShowLastPrices(App &app)
{
    ApplyQuoteLines(app, ShowLastPrices(app.state, app.main().lblDay->caption()));
}

void LoadPeriodPrices(App &app)
{
    WindowMarketHooks hooks(app);
    LoadPeriodPrices(app.state, hooks);
}

} // namespace tarvello
