#include "news/NewsReleases.h"

#include "common/VbDate.h"

namespace tarvello {

std::optional<ReleaseWindow> ReleaseWindowFor(const QString &tradeTimeCaption)
{
    const double time = vb::parseTime(tradeTimeCaption);
    if (time < 0)
        return std::nullopt;
    struct Row {
        const char *tradingTime;
        const char *start;
        const char *end;
    };
    static constexpr Row kWindows[] = {
        {"09:00", "12:00 am", "9:00 am"},
        {"10:00", "9:00 am", "11:01 am"},
        {"12:00", "11:01 am", "2:00 pm"},
        {"14:00", "2:00 pm", "11:59 pm"},
    };
    const QString shortTime = vb::shortTime(time);
    for (const Row &row : kWindows)
        if (shortTime == QLatin1String(row.tradingTime))
            return ReleaseWindow{shortTime, vb::parseTime(QString::fromLatin1(row.start)),
                                 QString::fromLatin1(row.end)};
    return std::nullopt;
}

std::vector<NewsRelease> ReleasesDue(const std::vector<NewsRelease> &releases, double day,
                                     const ReleaseWindow &window)
{
    const double start = vb::parseTime(vb::longTime(window.start));
    const double end = vb::parseTime(window.end);
    std::vector<NewsRelease> due;
    for (const NewsRelease &release : releases)
        if (release.Date == day && release.Time >= start && release.Time < end)
            due.push_back(release);
    return due;
}

NewsLayout NewsLayoutFor(qsizetype storyLength)
{
    if (storyLength < 325)
        return {1400, true};
    if (storyLength < 700)
        return {2500, true};
    return kFullNewsLayout;
}

void RecordNewsItem(std::vector<NewsItem> &items, double day, double tradingTime, const QString &title,
                    const QString &story)
{
    NewsItem item;
    item.ItemNumber = static_cast<int16_t>(items.size() + 1);
    item.ReleaseDate = day;
    item.ReleaseTime = tradingTime;
    item.Title = title;
    item.Story = story;
    items.push_back(item);
}

bool WindowAlreadyShown(const std::vector<NewsItem> &items, double day, double tradingTime)
{
    return !items.empty() && items.back().ReleaseDate == day && items.back().ReleaseTime == tradingTime;
}

} // namespace tarvello
