#pragma once

#include "state/NewsItem.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tarvello {

// The part of a day whose releases a Tick period shows: from `start` (a time of day, included) up to
// the time `end` as the query words it (excluded), and the trading time itself as "Short time".
struct ReleaseWindow {
    QString tradingTime; // "09:00", "10:00", "12:00" or "14:00"
    double start = 0.0;  // a fraction of a day
    QString end;         // "9:00 am", "11:01 am", "2:00 pm", "11:59 pm"
};

// The window of the trading time on the main window's time label ("9:00 am" ... "2:00 pm"); none for
// the 11:00 am and 1:00 pm periods, which show no news, and for a caption that is no time at all.
std::optional<ReleaseWindow> ReleaseWindowFor(const QString &tradeTimeCaption);

// The releases of `day` inside the window, in the order the load read them: from the window's start,
// read back from its text with seconds as the time a query would write, up to its end (excluded).
std::vector<NewsRelease> ReleasesDue(const std::vector<NewsRelease> &releases, double day,
                                     const ReleaseWindow &window);

// How the news window shows a story of a given length: short stories in the label of a low window,
// long ones in the scrolling text box of the full-height window.
struct NewsLayout {
    int height = 5000; // the window's height in twips
    bool inLabel = false;
    bool operator==(const NewsLayout &) const = default;
};
NewsLayout NewsLayoutFor(qsizetype storyLength);
// The window as every other user of it expects it back: full height, text box.
inline constexpr NewsLayout kFullNewsLayout{5000, false};

// Appends a shown release to the game's news history list with the next item number. The list grows
// with the game: every release shown is listed.
void RecordNewsItem(std::vector<NewsItem> &items, double day, double tradingTime, const QString &title,
                    const QString &story);

// True when the latest listed release was shown at this day and trading time: the releases of that
// window have been shown already in this game, and showing them again would list them twice.
bool WindowAlreadyShown(const std::vector<NewsItem> &items, double day, double tradingTime);

} // namespace tarvello
