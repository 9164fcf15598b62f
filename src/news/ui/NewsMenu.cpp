#include "common/Formats.h"
#include "common/VbDate.h"
#include "flow/ui/MenuEnabling.h"
#include "news/BackgroundYear.h"
#include "news/ui/NewsDisplay.h"
#include "news/ui/NewsReports.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"
#include "windows/NewsWindow.h"

namespace tarvello {

namespace {

// An option mark follows its own click count: checked after an odd number of clicks.
void countClick(forms::MenuItem &item, int16_t &clicks)
{
    ++clicks;
    item.setChecked(clicks % 2 == 1);
}

void showBackgroundStory(App &app)
{
    GameState &state = app.state;
    if (state.clock.tradeDay < 1)
        return;
    if (const auto year = BackgroundYearOf(state.settings.startDate))
        state.settings.gameYear = *year;
    // No year with background news: the story of the zero date, if any.
    const double storyDate = BackgroundStoryDay(state.settings.startDate);
    const QString story = StoryText(state.news.stories, storyDate, state.chart.selectedCommodity);
    ShowNewsText(app, BackgroundCaption(state), story);
}

} // namespace

QString BackgroundCaption(const GameState &state)
{
    const int32_t id = state.chart.selectedCommodity;
    const QString key = id >= 1 && id <= kInstrumentCount
                            ? QString::fromLatin1(instrumentKey(static_cast<Instrument>(id)))
                            : QString();
    return key + QStringLiteral(" Futures Market: ") + QString::number(state.settings.gameYear) +
           QStringLiteral(" News Background ");
}

void mnuNews_Click(App &app, int16_t index)
{
    Halvern &w = app.main();
    w.setEnabled(false);
    DisableMainMenus(w);
    switch (index) {
    case 0:
        countClick(*w.mnuNews[0], app.state.news.annualNewsClicks);
        break;
    case 1:
        countClick(*w.mnuNews[1], app.state.news.dailyNewsClicks);
        break;
    case 2:
        showBackgroundStory(app);
        break;
    default:
        break;
    }
    w.setEnabled(true);
    EnableMainMenus(w);
}

} // namespace tarvello
