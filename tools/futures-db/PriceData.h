#pragma once

#include <string>
#include <vector>

namespace tarvello::futuresdb {

// The rows of one price file, as the sample makes them and PriceFileWriter writes them. Dates are
// whole-day serials (days since 30 December 1899); prices are already in the units the game reads.
struct DailyRow {
    int commodityId = 0;
    int date = 0;
    int openInterest = 0;
    int dayVolume = 0;
    double open = 0, high = 0, low = 0, close = 0;
};

struct TickRow {
    int commodityId = 0;
    int date = 0;
    int minute = 0;       // minute of the day; ticks are whole minutes
    double realprice = 0; // already in the tick encoding of the instrument
};

struct StoryRow {
    int date = 0;
    int commodityId = 0; // 0 for the disclaimer
    std::string news;
};

struct ReleaseRow {
    int date = 0;
    int second = 0; // second of the day of the release
    std::string title;
    std::string story;
};

// The DatabaseInfo row that says which kind of file the tool made; the game reads only the Password row.
inline constexpr const char *kOriginInfoName = "Origin";

// How many rows of each table a price file holds.
struct PriceCounts {
    std::size_t daily = 0, tickDays = 0, ticks = 0, stories = 0, releases = 0;
};

struct PriceData {
    std::string origin; // the DatabaseInfo Origin row, written when not empty (the sample's mark)
    std::vector<DailyRow> daily;
    std::vector<int> tickDays;
    std::vector<TickRow> ticks;
    std::vector<StoryRow> stories;
    std::vector<ReleaseRow> releases;

    PriceCounts counts() const
    {
        return {daily.size(), tickDays.size(), ticks.size(), stories.size(), releases.size()};
    }
};

} // namespace tarvello::futuresdb
