#include "data/GameDataLoad.h"

#include "common/VbDate.h"
#include "data/MarketHooks.h"
#include "data/TickData.h"
#include "data/TradingCalendar.h"
#include "state/GameState.h"

namespace tarvello {

namespace {

constexpr int kHourglass = 11;
constexpr int kDefaultPointer = 0;

GameDataLoad failed(LoadOutcome outcome, const QString &description)
{
    GameDataLoad result;
    result.outcome = outcome;
    result.description = description;
    return result;
}

// The ticks in memory are those of this game when a completed tick load read the same start, end and
// span, and no other kind of game has been played since.
bool ticksReusable(const GameState &state)
{
    const MarketState &market = state.market;
    const GameSettings &settings = state.settings;
    return market.LoadedDataType == DataKind::Tick && market.Loaded.Complete &&
           market.Loaded.Start == settings.startDate && market.Loaded.End == settings.endDate &&
           market.Loaded.SpanEnd == TickSpanEnd(settings, settings.startDate) &&
           market.TickDays.size() == static_cast<size_t>(market.GameCalendar.Count);
}

db::Status loadTicks(GameState &state, MarketHooks &hooks)
{
    MarketState &market = state.market;
    market.TickDays.assign(static_cast<size_t>(market.GameCalendar.Count), TickDay{});
    market.Loaded = LoadedTicks{};
    hooks.showInitializing(true);
    hooks.letEventsRun();
    db::Status status = db::Status::success();
    for (int id = 1; id <= kInstrumentCount && status.ok(); ++id) {
        status = LoadTickData(state, id, state.settings.startDate);
        hooks.initializingProgress(id, kInstrumentCount);
    }
    hooks.showInitializing(false);
    if (status.ok()) {
        market.LoadedDataType = DataKind::Tick;
        market.Loaded = {true, state.settings.startDate, state.settings.endDate,
                         TickSpanEnd(state.settings, state.settings.startDate)};
    }
    return status;
}

} // namespace

GameDataLoad LoadGameData(GameState &state, MarketHooks &hooks)
{
    MarketState &market = state.market;
    const GameSettings &settings = state.settings;
    InitCalendar(market.GameCalendar);
    for (PriceSeries &series : market.Series)
        InitSeriesRecord(series);
    hooks.resetCharts();

    if (db::Status open = OpenPriceDatabase(state.priceDatabase, state.priceDatabase.DbPath); !open)
        return failed(LoadOutcome::OpenFailed, open.description());

    auto days = LoadTradingDays(state, settings.startDate, hooks);
    if (!days)
        return failed(LoadOutcome::ReadFailed, days.description());
    if (days.value() <= 0) {
        return failed(LoadOutcome::NoTradingDays,
                      QStringLiteral("The price database holds no trading day from %1 to %2. "
                                     "Please choose another period.")
                          .arg(vb::shortDate(settings.startDate),
                               vb::shortDate(CalendarSpanEnd(settings, settings.startDate))));
    }

    hooks.setMousePointer(kHourglass);
    GameDataLoad result;
    db::Status status = db::Status::success();
    if (settings.dataType == DataKind::Tick) {
        state.news.newsItems.clear();
        InitTickTimes(market);
        hooks.beginTickLoad();
        result.reusedTicks = ticksReusable(state);
        if (!result.reusedTicks)
            status = loadTicks(state, hooks);
        hooks.endTickLoad();
    } else {
        for (Instrument i : kAllInstruments) {
            status = LoadDailyData(state.priceDatabase, commodityId(i), settings.startDate, market.series(i));
            if (!status)
                break;
        }
    }
    hooks.setMousePointer(kDefaultPointer);
    if (!status)
        return failed(LoadOutcome::ReadFailed, status.description());
    return result;
}

} // namespace tarvello
