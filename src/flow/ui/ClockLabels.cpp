#include "flow/ui/ClockLabels.h"

#include "charts/ui/ChartServices.h"
#include "data/TradingCalendar.h"
#include "data/ui/WindowMarketHooks.h"
#include "platform/forms/Runtime.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

void UpdateTradeDayandGraphs(App &app)
{
    GameState &state = app.state;
    AdvanceCalendarDay(state.market.GameCalendar, state.clock);
    forms::doEvents();
    ShowGameDate(app);
    WindowMarketHooks hooks(app);
    AdvanceAllSeries(state.market, state.settings, hooks);
    PlotBothGraphs(app, 0);
}

GameDate ShowGameDate(App &app)
{
    const GameDate date = ShowGameDate(app.state);
    Halvern &w = app.main();
    if (date.labelDay)
        w.LabelDay->setCaption(*date.labelDay);
    if (date.lblDay)
        w.lblDay->setCaption(*date.lblDay);
    return date;
}

QString GetWeekdayName(App &app)
{
    return GetWeekdayName(app.state);
}

void ShowTickTime(App &app, int16_t period)
{
    if (const auto caption = tickTimeCaption(app.state.settings.dataType, period))
        app.main().lblTradeTime->setCaption(*caption);
}

} // namespace tarvello
