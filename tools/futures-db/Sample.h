#pragma once

#include "PriceData.h"

#include <QDate>

#include <cstdint>
#include <string>

namespace tarvello::futuresdb {

// What the sample file covers. The defaults span every period a game can ask for, with a margin: daily
// rows from 1983 (the first background year) to March 1998, ticks from 1996 to March 1998.
struct SampleOptions {
    QDate dailyFirst{1983, 1, 1};
    QDate dailyLast{1998, 3, 31};
    QDate tickFirst{1996, 1, 1};
    QDate tickLast{1998, 3, 31};
    int storyFirstYear = 1983;
    int storyLastYear = 1997;
    uint64_t seed = 19960101;
};

// The whole sample: simulated prices, background stories, tick news releases and the disclaimer, marked
// with the origin kSampleOrigin.
PriceData buildSample(const SampleOptions &options = {});

// The sample's mark, in the DatabaseInfo Origin row, so that the build tells the sample it made from a
// file the player imported.
inline constexpr const char *kSampleOrigin = "sample";

// Whether path is a price file with the sample's mark. It is read without being changed and without
// anything made beside it; a file that is not a regular file or not a database is not a sample.
bool isSampleFile(const std::string &path);

// The parts of it, in the order buildSample runs them (stories read the simulated daily rows).
void simulatePrices(const SampleOptions &options, PriceData &data);
void addSampleStories(const SampleOptions &options, PriceData &data);
void addSampleReleases(const SampleOptions &options, PriceData &data);

// The disclaimer shown at start-up: stored under CommodityID 0 on 17 October 1965, in every file this
// tool writes.
inline constexpr int kDisclaimerYear = 1965, kDisclaimerMonth = 10, kDisclaimerDay = 17;
std::string disclaimerText();
StoryRow disclaimerRow();

} // namespace tarvello::futuresdb
