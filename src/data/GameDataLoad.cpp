#include "data/GameDataLoad.h"

#include "common/VbDate.h"
#include "data/GameDataChecks.h"
#include "data/GameDataLoadNews.h"
#include "data/MarketHooks.h"
#include "data/PriceDatabase.h"
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

    state.news.releases.clear();
    state.news.stories.clear();
    if (db::Status open = OpenPriceDatabase(state.priceDatabase, state.priceDatabase.DbPath); !open)
        return failed(LoadOutcome::OpenFailed, open.description());
    LoadOverviewStories(state);

    auto days = LoadTradingDays(state, settings.startDate, hooks);
    if (!days)
        return failed(LoadOutcome::ReadFailed, days.description());
    // A Daily calendar spans a year whatever the game's length: the game itself needs a day before its
    // end date, or its first "&Forward" would end it at once.
    const bool dailyDayMissing = settings.dataType == DataKind::Daily && days.value() > 0 &&
                                 settings.endDate > settings.startDate &&
                                 market.GameCalendar.Days.front() >= settings.endDate;
    if (days.value() <= 0 || dailyDayMissing) {
        const double end =
            days.value() <= 0 ? CalendarSpanEnd(settings, settings.startDate) : settings.endDate;
        if (dailyDayMissing) {
            InitCalendar(market.GameCalendar);
            state.clock.tradeDaysInPeriod = 0;
        }
        return failed(LoadOutcome::NoTradingDays,
                      QStringLiteral("The price database holds no trading day from %1 to %2. "
                                     "Please choose another period.")
                          .arg(vb::shortDate(settings.startDate), vb::shortDate(end)));
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
        // The releases are read again with every load, even when the ticks are reused. A game refused
        // for its releases keeps no ticks either: the next game reads the whole file again.
        if (status) {
            status = LoadNewsReleases(state, settings.startDate, TickSpanEnd(settings, settings.startDate));
            if (!status)
                market.Loaded = LoadedTicks{};
        }
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

GameDataLoad LoadPlayableGameData(GameState &state, MarketHooks &hooks)
{
    GameDataLoad load = LoadGameData(state, hooks);
    if (load.outcome == LoadOutcome::OpenFailed)
        return load;
    db::Status checked = db::Status::success();
    if (load.ok())
        checked = CheckGameData(state);
    else if (load.outcome == LoadOutcome::NoTradingDays)
        checked = CheckDatesReadable(state);
    // The game plays from what was read: the file is let go, so that whatever happens to it until the
    // next load (a lock, a truncation, another file copied over it) changes nothing and slows nothing.
    CloseDatabase(state.priceDatabase);
    if (load.ok() && checked)
        return load;

    // Nothing of a game that cannot be played is left to read: the calendar and the series are empty,
    // as after a period without trading days.
    MarketState &market = state.market;
    InitCalendar(market.GameCalendar);
    for (PriceSeries &series : market.Series)
        InitSeriesRecord(series);
    state.clock.tradeDaysInPeriod = 0;
    state.news.releases.clear();
    if (checked)
        return load;
    market.Loaded = LoadedTicks{}; // the ticks failed their checks: a later game reads them again
    return failed(LoadOutcome::BadData, checked.description());
}

} // namespace tarvello
