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

// What an import did besides its errors.
struct ImportSummary {
    PriceCounts written;               // the rows written, when the file was written
    long long errors = 0;              // every error found, listed or only counted
    std::vector<std::string> warnings; // each file of an input folder that is not imported, by path
};

// Reads and validates every file as a stream, writing each valid row as it is read into the temporary
// file of out (PriceFileWriter), so that memory stays flat however large the input; out's lock
// (OutputLock) is held from before the first file is read, and the file is put in place only when every
// row is valid (the disclaimer row is always added). A price is a plain decimal number ("-12.5",
// "1.5e3"); a row longer than kMaxCsvRecordBytes is a bad row. An input that is a folder, a FIFO or a
// device is refused, by name, before the lock is taken and before anything is read.
// Returns the errors as the check shows its violations: "file:line: problem" for the first
// kViolationsListedPerRule of each kind, then "... and N more KIND errors"; a failed write is the last of
// them. Nothing is written when there is any error, and nothing is touched when another run holds the
// lock.
std::vector<std::string> importCsvToFile(const ImportSources &sources, const std::string &out,
                                         ImportSummary *summary = nullptr);

} // namespace tarvello::futuresdb
