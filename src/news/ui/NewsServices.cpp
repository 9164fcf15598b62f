#include "news/ui/NewsServices.h"

#include "common/VbDate.h"
#include "data/TickData.h"
#include "news/Hints.h"
#include "news/NewsReleases.h"
#include "news/ui/NewsDisplay.h"
#include "news/ui/Notification.h"
#include "platform/forms/FormRegistry.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"
#include "windows/NewsWindow.h"

#include <cmath>

namespace tarvello {

void ShowHelpfulHints(App &app)
{
    GameState &state = app.state;
    if (const auto hint = NextHint(state.clock.tradeDay, state.account.totalTrades, state.news.hintMarker))
        ShowNotification(app, QLatin1String(kHintTitle), *hint, QString(), 1);
}

namespace {

// The trading day of the current period, without a time of day; none when the period has no day
// record (no Tick data loaded for it).
std::optional<double> currentTickDay(const GameState &state)
{
    const int index = static_cast<int>(TickDayIndex(state.clock.tradeDay).value_or(0.0f));
    const auto &days = state.market.TickDays;
    if (index < 0 || index >= static_cast<int>(days.size()))
        return std::nullopt;
    return std::floor(days[static_cast<size_t>(index)].Date);
}

} // namespace

void ShowTickNewsReleases(App &app)
{
    GameState &state = app.state;
    if (state.settings.dataType == DataKind::Daily)
        return;
    const std::optional<double> day = currentTickDay(state);
    if (!day)
        return;
    const auto window = ReleaseWindowFor(app.main().lblTradeTime->caption());
    if (!window)
        return;
    const double tradingTime = vb::parseTime(window->tradingTime);
    // The last period of a game comes back to the last trading time already played: its releases
    // have been read and listed once.
    if (WindowAlreadyShown(state.news.newsItems, *day, tradingTime))
        return;

    // The releases come from what the game's load read: nothing that happens to the file meanwhile
    // changes them or holds up the period.
    const std::vector<NewsRelease> due = ReleasesDue(state.news.releases, *day, *window);
    forms::FormRef<frmNewsDisplay> news(app.forms);
    for (const NewsRelease &release : due) {
        news->setCaption(release.Title);
        news->txtNewsDisplay->setText(release.Story);
        ApplyNewsLayout(*news, NewsLayoutFor(release.Story.size()));
        news->showModal(&app.main());
        RecordNewsItem(state.news.newsItems, *day, tradingTime, release.Title, release.Story);
    }
    ApplyNewsLayout(*news, kFullNewsLayout);
}

// The economic release and stock event hooks of the period start have nothing to show in this game.
void GenerateEconomicRelease(App &) {}
void TriggerStockEvents(App &) {}

} // namespace tarvello
