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

} // namespace tarvello
