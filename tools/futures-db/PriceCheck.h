#pragma once

#include <QDate>

#include <string>
#include <vector>

namespace tarvello::futuresdb {

// What a price file must cover. The defaults are every period a game can ask for: daily games start on
// 1 January of 1984..1997 and load a year; tick games run from January 1996 into February 1998 (a
// quarter starting in December 1997); background stories are read for 1 January of 1983..1997.
struct CheckOptions {
    QDate dailyFrom{1984, 1, 1};
    QDate dailyUntil{1998, 1, 1}; // excluded
    QDate tickFrom{1996, 1, 1};
    QDate tickUntil{1998, 3, 1}; // excluded
    int storyFirstYear = 1983;
    int storyLastYear = 1997;
    int minDaysPerMonth = 15;
};

// One broken rule. The rule names are stable: file, schema, database-info, coverage, duplicate-key,
// instrument-id, missing-instrument-day, tick-window-length, tick-off-calendar, trading-window,
// encoding, price-range, price-floor, price-jump, high-low, null-value, disclaimer, story, release.
struct Violation {
    std::string rule;
    std::string message;
};

// Every rule the game relies on, checked against the file at path. Empty when the file is sound. Each
// rule lists its first violations and then one line saying how many more there were.
std::vector<Violation> checkPriceFile(const std::string &path, const CheckOptions &options = {});

// The most violations listed one by one for a single rule.
inline constexpr int kViolationsListedPerRule = 20;

} // namespace tarvello::futuresdb
