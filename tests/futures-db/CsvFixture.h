#pragma once

#include "FuturesDbTestSupport.h"

#include "futures-db/CsvImport.h"
#include "futures-db/TradingTimes.h"

#include "common/Instrument.h"

#include <QTemporaryDir>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace futuresdbtest {

inline const char *kDailyHeader = "Date,Open,High,Low,Close,Volume,OpenInterest\n";

// History for three trading days, 5 to 7 February 1996: daily rows for all six instruments, ticks in
// every trading-time window, a story per instrument for 1996 and two releases.
class CsvFixture {
public:
    CsvFixture()
    {
        for (const char *sub : {"daily", "ticks", "news"})
            std::filesystem::create_directories(path(sub));
        const std::map<tarvello::Instrument, std::string> daily = {
            {tarvello::Instrument::Cattle, "72.00,72.50,71.80,72.325"},
            {tarvello::Instrument::Gold, "401.30,402.00,400.10,401.50"},
            {tarvello::Instrument::Oil, "20.50,20.80,20.40,20.60"},
            {tarvello::Instrument::SP500, "353.40,355.00,352.05,354.95"},
            {tarvello::Instrument::Soybean, "580.50,582.25,579.75,581.25"},
            {tarvello::Instrument::TBond, "98.5,98.96875,98.25,98.75"},
        };
        for (const auto &[instrument, prices] : daily) {
            std::string rows = kDailyHeader;
            for (const char *day : {"1996-02-05", "1996-02-06", "1996-02-07"})
                rows += std::string(day) + "," + prices + ",12000,34000\n";
            write("daily", instrument, rows);

            // The daily open at every window's reference time plus twenty minutes (late enough for Soybean's
            // sixth window, which overlaps the fifth), and at the first one.
            const std::string open = prices.substr(0, prices.find(','));
            std::string ticks = "DateTime,Price\n";
            for (const char *day : {"1996-02-05", "1996-02-06", "1996-02-07"})
                for (int slot = 1; slot <= tarvello::futuresdb::kSlotsPerDay; ++slot)
                    for (int offset : slot == 1 ? std::vector<int>{0, 20} : std::vector<int>{20}) {
                        const int m = tarvello::futuresdb::referenceMinute(instrument, slot) + offset;
                        char time[16];
                        std::snprintf(time, sizeof time, "%02d:%02d", m / 60, m % 60);
                        ticks += std::string(day) + " " + time + "," + open + "\n";
                    }
            write("ticks", instrument, ticks);
        }
        std::string stories = "Date,Instrument,News\n";
        for (tarvello::Instrument i : tarvello::kAllInstruments)
            stories += "1996-01-01," + std::string(tarvello::instrumentKey(i)) + ",\"A year of " +
                       std::string(tarvello::instrumentKey(i)) + ", \"\"quoted\"\".\nSecond line.\"\n";
        writeText(path("news/OverviewNews.csv"), stories);
        writeText(path("news/Releases.csv"), "Date,Time,Title,Story\n"
                                             "1996-02-05,08:30,Employment Report:,\"Jobs rose, a lot.\"\n"
                                             "1996-02-06,14:15:30,Policy Decision:,Rates unchanged.\n");
    }

    std::string path(const std::string &relative) const
    {
        return m_dir.filePath(QString::fromStdString(relative)).toStdString();
    }
    void write(const std::string &dir, tarvello::Instrument i, const std::string &text) const
    {
        writeText(path(dir + "/" + std::string(tarvello::instrumentKey(i)) + ".csv"), text);
    }
    tarvello::futuresdb::ImportSources sources() const
    {
        return {path("daily"), path("ticks"), path("news")};
    }

private:
    QTemporaryDir m_dir;
};

} // namespace futuresdbtest
