#pragma once

#include <QString>

#include <cstdint>

namespace tarvello {

// One news release shown during a Tick game, as the news history lists it.
struct NewsItem {
    int16_t ItemNumber = 0;   // its position in the list, 1 for the first release of the game
    double ReleaseDate = 0.0; // the trading day it was shown on
    QString Title;
    QString Story;
    double ReleaseTime = 0.0; // the trading time it was shown at, as a fraction of a day
};

// A tick news release of the game's period, as the load read it from sortedticknewsreleases.
struct NewsRelease {
    double Date = 0.0; // NRDate, a whole-day serial
    double Time = 0.0; // NRTime, a fraction of a day
    QString Title;     // empty for a release stored without one
    QString Story;
};

// An OverviewNews story the game may show, as the load read it.
struct OverviewStory {
    double Date = 0.0;
    int32_t CommodityID = 0;
    QString News;
};

} // namespace tarvello
