#pragma once

#include "PriceData.h"

#include <string>
#include <vector>

namespace tarvello::futuresdb {

// Where the history to import lies. Daily and tick folders hold one file per instrument, named by its
// key (Cattle.csv, Gold.csv, Oil.csv, SP500.csv, Soybean.csv, TBond.csv). The news folder holds
// OverviewNews.csv and/or Releases.csv. Only the daily folder is required.
//
// Daily files:   Date,Open,High,Low,Close,Volume,OpenInterest
//                ISO dates; prices in the market's own quote (Soybean in cents, T-Bond in decimal points);
//                Volume and OpenInterest may be empty.
// Tick files:    DateTime,Price
//                "yyyy-mm-dd HH:MM"; prices in the same units as the daily files (Oil, Gold, SP500 and
//                Cattle are kept to the cent, as the game shows them). The tick calendar is
//                every date that has a tick.
// A price the game cannot hold exactly is refused: one beyond a 32-bit float, and a tick whose stored
// form the game's 32-bit reading would turn into another price (the smallest are 65536.15 for Oil,
// Gold, SP500 and Cattle, 131072.125 for Soybean and 131072 1/32 for T-Bond).
// OverviewNews:  Date,Instrument,News      (Instrument: Cattle, Gold, Oil, SP500, Soybean or TBond)
// Releases:      Date,Time,Title,Story     (Time: "HH:MM" or "HH:MM:SS", 24-hour)
struct ImportSources {
    std::string dailyDir;
    std::string ticksDir; // empty: no ticks
    std::string newsDir;  // empty: no stories or releases
};

struct ImportResult {
    PriceData data;                  // complete only when errors is empty
    std::vector<std::string> errors; // "file:line: problem", every bad row
};

// Reads and validates every file; the disclaimer row is always added.
ImportResult importCsv(const ImportSources &sources);

// Imports and, only when every row is valid, writes the price file at out (see writePriceFile), holding
// out's lock (OutputLock) from before the first file is read. Returns the errors; a failed write is the
// last of them. Nothing is written when there is any error, and nothing is touched when another run
// holds the lock.
std::vector<std::string> importCsvToFile(const ImportSources &sources, const std::string &out,
                                         PriceData *written = nullptr);

} // namespace tarvello::futuresdb
