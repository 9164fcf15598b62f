#include "FuturesDbTestSupport.h"

#include "futures-db/Csv.h"
#include "futures-db/CsvImport.h"
#include "futures-db/PriceCheck.h"
#include "futures-db/PriceFile.h"
#include "futures-db/Sample.h"
#include "futures-db/TradingTimes.h"

#include "common/Instrument.h"

#include <QTemporaryDir>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <map>

using namespace tarvello;
using namespace tarvello::futuresdb;
using namespace futuresdbtest;

TEST(Csv, QuotedFieldsLinesAndLineEnds)
{
    struct Case {
        const char *name;
        std::string text;
        std::vector<CsvRecord> records;
    };
    const Case cases[] = {
        {"plain", "a,b\n1,2\n", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"crlf and no final newline", "a,b\r\n1,2", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"byte order mark",
         "\xEF\xBB\xBF"
         "a\n",
         {{1, {"a"}}}},
        {"blank lines skipped", "a\n\n\nb\n", {{1, {"a"}}, {4, {"b"}}}},
        {"empty fields", ",,\n", {{1, {"", "", ""}}}},
        {"quoted comma and quote", "\"x, \"\"y\"\"\",z\n", {{1, {"x, \"y\"", "z"}}}},
        {"quoted newline keeps the line count",
         "\"one\ntwo\",3\nnext\n",
         {{1, {"one\ntwo", "3"}}, {3, {"next"}}}},
        {"quoted empty field is a record", "\"\"\n", {{1, {""}}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<CsvRecord> records;
        std::string error;
        ASSERT_TRUE(parseCsv(c.text, "f.csv", records, error)) << error;
        ASSERT_EQ(records.size(), c.records.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(records[i].line, c.records[i].line);
            EXPECT_EQ(records[i].fields, c.records[i].fields);
        }
    }

    struct Bad {
        std::string text;
        const char *error;
    };
    const Bad bad[] = {
        {"a\n\"never closed,1\n2\n", "f.csv:2: a quoted field is not closed"},
        {"a\n\"x\"y,1\n", "f.csv:2: text after the closing quote of a field"},
    };
    for (const Bad &b : bad) {
        std::vector<CsvRecord> records;
        std::string error;
        EXPECT_FALSE(parseCsv(b.text, "f.csv", records, error));
        EXPECT_EQ(error, b.error);
    }
}

namespace {

const char *kDailyHeader = "Date,Open,High,Low,Close,Volume,OpenInterest\n";

// History for three trading days, 5 to 7 February 1996: daily rows for all six instruments, ticks in
// every trading-time window, a story per instrument for 1996 and two releases.
class CsvFixture {
public:
    CsvFixture()
    {
        for (const char *sub : {"daily", "ticks", "news"})
            std::filesystem::create_directories(path(sub));
        const std::map<Instrument, std::string> daily = {
            {Instrument::Cattle, "72.00,72.50,71.80,72.325"},
            {Instrument::Gold, "401.30,402.00,400.10,401.50"},
            {Instrument::Oil, "20.50,20.80,20.40,20.60"},
            {Instrument::SP500, "353.40,355.00,352.05,354.95"},
            {Instrument::Soybean, "580.50,582.25,579.75,581.25"},
            {Instrument::TBond, "98.5,98.96875,98.25,98.75"},
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
                for (int slot = 1; slot <= kSlotsPerDay; ++slot)
                    for (int offset : slot == 1 ? std::vector<int>{0, 20} : std::vector<int>{20}) {
                        const int m = referenceMinute(instrument, slot) + offset;
                        char time[16];
                        std::snprintf(time, sizeof time, "%02d:%02d", m / 60, m % 60);
                        ticks += std::string(day) + " " + time + "," + open + "\n";
                    }
            write("ticks", instrument, ticks);
        }
        std::string stories = "Date,Instrument,News\n";
        for (Instrument i : kAllInstruments)
            stories += "1996-01-01," + std::string(instrumentKey(i)) + ",\"A year of " +
                       std::string(instrumentKey(i)) + ", \"\"quoted\"\".\nSecond line.\"\n";
        writeText(path("news/OverviewNews.csv"), stories);
        writeText(path("news/Releases.csv"), "Date,Time,Title,Story\n"
                                             "1996-02-05,08:30,Employment Report:,\"Jobs rose, a lot.\"\n"
                                             "1996-02-06,14:15:30,Policy Decision:,Rates unchanged.\n");
    }

    std::string path(const std::string &relative) const
    {
        return m_dir.filePath(QString::fromStdString(relative)).toStdString();
    }
    void write(const std::string &dir, Instrument i, const std::string &text) const
    {
        writeText(path(dir + "/" + std::string(instrumentKey(i)) + ".csv"), text);
    }
    ImportSources sources() const { return {path("daily"), path("ticks"), path("news")}; }

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST(CsvImport, RoundTripIntoTheGamesEncodings)
{
    CsvFixture fixture;
    const std::string out = fixture.path("futures.mdb");
    const auto errors = importCsvToFile(fixture.sources(), out);
    ASSERT_TRUE(errors.empty()) << errors.front();

    EXPECT_EQ(
        queryRows(out, "SELECT [Open], High, Low, [Close], DayVolume, OpenInterest FROM DailyData "
                       "WHERE CommodityID = 6 AND [Date] = 35100"),
        (std::vector<std::vector<std::string>>{{"98.5", "98.96875", "98.25", "98.75", "12000", "34000"}}));
    EXPECT_EQ(queryRows(out, "SELECT count(*) FROM DailyData"),
              (std::vector<std::vector<std::string>>{{"18"}}));
    EXPECT_EQ(queryRows(out, "SELECT [Date] FROM TickTradeDaysResults"),
              (std::vector<std::vector<std::string>>{{"35100.0"}, {"35101.0"}, {"35102.0"}}));
    // Each instrument's first tick of 5 February, in its tick encoding.
    const auto firstTicks =
        queryRows(out, "SELECT CommodityID, realprice, round(([DateTime] - 35100) * 1440) FROM TickData "
                       "WHERE [DateTime] < 35101 GROUP BY CommodityID HAVING [DateTime] = min([DateTime])");
    EXPECT_EQ(firstTicks, (std::vector<std::vector<std::string>>{{"1", "7.2", "540.0"},
                                                                 {"2", "40.13", "440.0"},
                                                                 {"3", "2.05", "525.0"},
                                                                 {"4", "35.34", "510.0"},
                                                                 {"5", "580.4", "570.0"},
                                                                 {"6", "98.16", "440.0"}}));
    EXPECT_EQ(queryRows(out, "SELECT News FROM OverviewNews WHERE CommodityID = 3"),
              (std::vector<std::vector<std::string>>{{"A year of Oil, \"quoted\".\nSecond line."}}));
    EXPECT_EQ(queryRows(out, "SELECT News FROM OverviewNews WHERE CommodityID = 0 AND [Date] = 24032"),
              (std::vector<std::vector<std::string>>{{disclaimerText()}}));
    EXPECT_EQ(
        queryRows(out, "SELECT NRDate, round(NRTime * 86400), NRTitle, NRStory FROM sortedticknewsreleases"),
        (std::vector<std::vector<std::string>>{
            {"35100.0", "30600.0", "Employment Report:", "Jobs rose, a lot."},
            {"35101.0", "51330.0", "Policy Decision:", "Rates unchanged."}}));

    // The imported file keeps every rule the game relies on, within the range it covers.
    CheckOptions options;
    options.dailyFrom = options.tickFrom = QDate(1996, 2, 1);
    options.dailyUntil = options.tickUntil = QDate(1996, 3, 1);
    options.minDaysPerMonth = 3;
    options.storyFirstYear = options.storyLastYear = 1996;
    const auto violations = checkPriceFile(out, options);
    EXPECT_TRUE(violations.empty()) << listed(violations);
}

TEST(CsvImport, BadRowsAreNamedByFileAndLineAndNothingIsWritten)
{
    struct Case {
        const char *file;
        std::string text;
        const char *error;
    };
    const std::string day = "1996-02-05,20.50,20.80,20.40,20.60,1,1\n";
    const Case cases[] = {
        {"daily/Oil.csv", kDailyHeader + day + "1996-02-30,20.50,20.80,20.40,20.60,1,1\n",
         "Oil.csv:3: date '1996-02-30' is not a date in the form yyyy-mm-dd"},
        {"daily/Oil.csv", kDailyHeader + day + "1996-02-06,20.50,20.30,20.40,20.60,1,1\n",
         "Oil.csv:3: the prices do not have Low <= Open, Close <= High"},
        {"daily/Oil.csv", kDailyHeader + day + "1996-02-06,20.50,20.80,20.40,abc,1,1\n",
         "Oil.csv:3: Close 'abc' is not a number"},
        {"daily/Oil.csv", kDailyHeader + day + day, "Oil.csv:3: date 1996-02-05 is already on line 2"},
        {"daily/Oil.csv", kDailyHeader + day + "1996-02-06,20.50,20.80\n",
         "Oil.csv:3: expected 7 fields (Date,Open,High,Low,Close,Volume,OpenInterest), found 3"},
        {"daily/Oil.csv", kDailyHeader + day + "1996-02-06,20.50,20.80,20.40,20.60,-5,1\n",
         "Oil.csv:3: Volume '-5' is not a whole number from 0 to 2147483647"},
        {"daily/Oil.csv", "Date,Open,High,Low,Close\n" + day,
         "Oil.csv:1: the first line must be the header Date,Open,High,Low,Close,Volume,OpenInterest"},
        {"daily/Oil.csv", kDailyHeader, "Oil.csv:2: the file has no rows"},
        {"daily/Gold.csv", kDailyHeader + std::string("1996-02-05,0.05,401,0.05,400,1,1\n"),
         "Gold.csv:2: Open 0.05 is at or below the price floor of 0.05"},
        {"daily/TBond.csv", kDailyHeader + std::string("1996-02-05,98.16,99,98,98.5,1,1\n"),
         "TBond.csv:2: Open 98.16 is not a whole number of 32nds"},
        {"daily/Soybean.csv", kDailyHeader + std::string("1996-02-05,580.5,582,579,581.3,1,1\n"),
         "Soybean.csv:2: Close 581.3 is not a whole number of eighths of a cent"},
        {"ticks/Oil.csv", "DateTime,Price\n1996-02-05 8:45,20.50\n",
         "Oil.csv:2: date and time '1996-02-05 8:45' is not in the form yyyy-mm-dd HH:MM"},
        {"ticks/Oil.csv", "DateTime,Price\n1996-02-05 08:45:15,20.50\n",
         "Oil.csv:2: date and time '1996-02-05 08:45:15' is not in the form yyyy-mm-dd HH:MM"},
        {"ticks/Oil.csv", "DateTime,Price\n1996-02-05 08:45,20.50\n1996-02-05 08:45,20.51\n",
         "Oil.csv:3: time 1996-02-05 08:45 is already on line 2"},
        {"ticks/TBond.csv", "DateTime,Price\n1996-02-05 07:20,98.16\n",
         "TBond.csv:2: Price 98.16 is not a whole number of 32nds"},
        {"news/OverviewNews.csv", "Date,Instrument,News\n1996-01-01,Copper,Text\n",
         "OverviewNews.csv:2: instrument 'Copper' is not one of Cattle, Gold, Oil, SP500, Soybean, TBond"},
        {"news/OverviewNews.csv", "Date,Instrument,News\n1996-01-01,Oil,One\n1996-01-01,oil,Two\n",
         "OverviewNews.csv:3: a story for oil on 1996-01-01 is already on line 2"},
        {"news/Releases.csv", "Date,Time,Title,Story\n1996-02-05,25:00,Title:,Story\n",
         "Releases.csv:2: time '25:00' is not in the form HH:MM or HH:MM:SS"},
        {"news/Releases.csv", "Date,Time,Title,Story\n1996-02-05,08:30,Title:,\n",
         "Releases.csv:2: the title and the story must not be empty"},
        {"news/Releases.csv", "Date,Time,Title,Story\n1996-02-05,08:30,Title:,\"Never closed\n",
         "Releases.csv:2: a quoted field is not closed"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.error);
        CsvFixture fixture;
        writeText(fixture.path(c.file), c.text);
        const std::string out = fixture.path("futures.mdb");
        writeText(out, "the previous file");
        const auto errors = importCsvToFile(fixture.sources(), out);
        // Messages start with the file's full path, then the line.
        const std::string folder = std::filesystem::path(c.file).parent_path().string();
        EXPECT_TRUE(hasText(errors, fixture.path(folder) + "/" + c.error))
            << (errors.empty() ? "no errors" : errors.front());
        EXPECT_EQ(readText(out), "the previous file");
        EXPECT_TRUE(partialFiles(out).empty());
        EXPECT_FALSE(std::filesystem::exists(out + ".lock"));
    }
}

TEST(CsvImport, PricesTheGameCannotReadBackExactlyAreRefused)
{
    struct Case {
        const char *name;
        const char *folder; // "daily" or "ticks"
        Instrument instrument;
        const char *value;
        const char *error;   // nullptr: the price is imported
        double stored = 0.0; // what an imported price is stored as
    };
    const Case cases[] = {
        {"the largest Single", "daily", Instrument::Oil, "3.4028234e38", nullptr, 3.4028234e38},
        {"beyond a Single", "daily", Instrument::Oil, "3.5e38",
         "Open 3.5e38 is beyond any price the game can hold (a 32-bit float)"},
        {"beyond a Single below zero", "daily", Instrument::Oil, "-3.5e38",
         "Open -3.5e38 is beyond any price the game can hold (a 32-bit float)"},
        {"beyond a double", "daily", Instrument::Oil, "1e400",
         "Open 1e400 is beyond any price the game can hold (a 32-bit float)"},
        {"an infinity", "daily", Instrument::Oil, "inf", "Open 'inf' is not a number"},
        {"not a number", "daily", Instrument::Oil, "nan", "Open 'nan' is not a number"},
        {"beyond a Single on a grid", "daily", Instrument::TBond, "3.5e38",
         "Open 3.5e38 is beyond any price the game can hold (a 32-bit float)"},

        {"a tick beyond the encoding's integers", "ticks", Instrument::Oil, "9.3e16",
         "Price 9.3e16 is too large for a tick the game reads exactly (as a 32-bit float)"},
        {"a tick far beyond them", "ticks", Instrument::Oil, "1e17",
         "Price 1e17 is too large for a tick the game reads exactly (as a 32-bit float)"},
        {"a tick beyond a Single", "ticks", Instrument::Oil, "3.5e38",
         "Price 3.5e38 is beyond any price the game can hold (a 32-bit float)"},
        {"a tick beyond a double", "ticks", Instrument::Oil, "1e400",
         "Price 1e400 is beyond any price the game can hold (a 32-bit float)"},
        {"a tick not a number", "ticks", Instrument::Oil, "NaN", "Price 'NaN' is not a number"},
        {"the largest tenth read exactly", "ticks", Instrument::Oil, "65536.14", nullptr, 6553.614},
        {"a tenth the game reads as another", "ticks", Instrument::Oil, "65536.15",
         "Price 65536.15 is too large for a tick the game reads exactly (as a 32-bit float): it would "
         "read as 65536.16"},
        {"the largest eighths read exactly", "ticks", Instrument::Soybean, "131072", nullptr, 131072.0},
        {"eighths the game reads as others", "ticks", Instrument::Soybean, "131072.125",
         "Price 131072.125 is too large for a tick the game reads exactly (as a 32-bit float): it "
         "would read as 131072"},
        {"the largest 32nds read exactly", "ticks", Instrument::TBond, "131072", nullptr, 131072.0},
        {"32nds the game reads as others", "ticks", Instrument::TBond, "131072.03125",
         "Price 131072.03125 is too large for a tick the game reads exactly (as a 32-bit float): it "
         "would read as 131072"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CsvFixture fixture;
        const std::string v = c.value;
        const bool daily = std::string(c.folder) == "daily";
        fixture.write(c.folder, c.instrument,
                      daily ? kDailyHeader + ("1996-02-05," + v + "," + v + "," + v + "," + v + ",1,1\n")
                            : "DateTime,Price\n1996-02-05 09:00," + v + "\n");
        const std::string out = fixture.path("futures.mdb");
        writeText(out, "the previous file");
        const auto errors = importCsvToFile(fixture.sources(), out);
        const std::string file =
            fixture.path(c.folder) + "/" + std::string(instrumentKey(c.instrument)) + ".csv";
        if (c.error) {
            EXPECT_TRUE(hasText(errors, file + ":2: " + c.error))
                << (errors.empty() ? "no errors" : errors.front());
            EXPECT_EQ(readText(out), "the previous file");
            continue;
        }
        ASSERT_TRUE(errors.empty()) << errors.front();
        const std::string id = std::to_string(commodityId(c.instrument));
        const auto rows = queryRows(out, daily ? "SELECT [Close] FROM DailyData WHERE CommodityID = " + id +
                                                     " AND [Date] = 35100"
                                               : "SELECT realprice FROM TickData WHERE CommodityID = " + id);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(std::stod(rows[0][0]), c.stored);
    }
}

TEST(CsvImport, EveryBadRowIsReportedAndMissingFilesAreNamed)
{
    CsvFixture fixture;
    writeText(fixture.path("daily/Oil.csv"),
              std::string(kDailyHeader) + "1996-02-05,x,1,1,1,,\n1996-02-06,1,1,1,y,,\n");
    std::filesystem::remove(fixture.path("daily/Cattle.csv"));
    std::filesystem::remove(fixture.path("news/OverviewNews.csv"));
    std::filesystem::remove(fixture.path("news/Releases.csv"));
    const std::string out = fixture.path("futures.mdb");
    const auto errors = importCsvToFile(fixture.sources(), out);
    EXPECT_TRUE(hasText(errors, "Oil.csv:2: Open 'x' is not a number"));
    EXPECT_TRUE(hasText(errors, "Oil.csv:3: Close 'y' is not a number"));
    EXPECT_TRUE(hasText(errors, fixture.path("daily/Cattle.csv") + ": cannot open the file"));
    EXPECT_TRUE(hasText(errors, fixture.path("news") + ": has neither OverviewNews.csv nor Releases.csv"));
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(CsvImport, AnOutputThatIsOneOfTheInputsIsRefused)
{
    struct Case {
        const char *name;
        std::string out;   // relative to the fixture
        std::string input; // the input it names
    };
    const Case cases[] = {
        {"daily file", "daily/Oil.csv", "daily/Oil.csv"},
        {"tick file", "ticks/Gold.csv", "ticks/Gold.csv"},
        {"news file", "news/Releases.csv", "news/Releases.csv"},
        {"another spelling", "ticks/../daily/./Cattle.csv", "daily/Cattle.csv"},
        {"a link to an input", "link.mdb", "daily/TBond.csv"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CsvFixture fixture;
        std::filesystem::create_symlink(fixture.path("daily/TBond.csv"), fixture.path("link.mdb"));
        const std::string before = readText(fixture.path(c.input));
        const auto errors = importCsvToFile(fixture.sources(), fixture.path(c.out));
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_NE(errors.front().find("is the input file " + fixture.path(c.input)), std::string::npos)
            << errors.front();
        EXPECT_EQ(readText(fixture.path(c.input)), before);
        EXPECT_TRUE(partialFiles(fixture.path(c.out)).empty());
    }
}

TEST(CsvImport, ABadFieldIsQuotedAsAShortPrintableExcerpt)
{
    struct Case {
        const char *name;
        std::string field;
        const char *quoted; // how the message starts to quote it
    };
    const Case cases[] = {
        // Huge, yet within the longest row a file may hold (kMaxCsvRecordBytes).
        {"a huge field", std::string((1 << 20) - 100, '7') + "x", "Close '7777777777"},
        {"a huge number", "0." + std::string((1 << 20) - 100, '0') + "1", "Close 0.0000000000"},
        {"a NUL byte",
         std::string("20.6\0"
                     "0",
                     6),
         "Close '20.6\\x000'"},
        {"control characters", "20\t.6\x1b", "Close '20\\x09.6\\x1b'"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CsvFixture fixture;
        writeText(fixture.path("daily/Oil.csv"),
                  std::string(kDailyHeader) + "1996-02-05,20.50,20.80,20.40," + c.field + ",1,1\n");
        const auto errors = importCsvToFile(fixture.sources(), fixture.path("futures.mdb"));
        ASSERT_EQ(errors.size(), 1u);
        const std::string &e = errors.front();
        EXPECT_NE(e.find(c.quoted), std::string::npos) << e.substr(0, 300);
        EXPECT_LT(e.size(), fixture.path("daily/Oil.csv").size() + 200) << e.substr(0, 300);
        EXPECT_EQ(e.find('\0'), std::string::npos);
        for (unsigned char ch : e)
            EXPECT_GE(ch, 0x20) << e.substr(0, 300);
    }
}

TEST(CsvImport, AStaleTemporaryFileIsCleared)
{
    for (const bool sound : {true, false}) {
        SCOPED_TRACE(sound ? "an import that writes" : "an import that fails");
        CsvFixture fixture;
        if (!sound)
            writeText(fixture.path("daily/Oil.csv"), std::string(kDailyHeader) + "1996-02-05,x,1,1,1,,\n");
        const std::string out = fixture.path("futures.mdb");
        writeText(out + ".partial-4242", "left by a killed import");
        EXPECT_EQ(importCsvToFile(fixture.sources(), out).empty(), sound);
        EXPECT_TRUE(partialFiles(out).empty());
        EXPECT_EQ(std::filesystem::exists(out), sound);
    }
}

TEST(PriceFileDeathTest, AWriteEndedBySignalRemovesItsTemporaryFile)
{
    QTemporaryDir dir;
    const std::string out = dir.filePath("futures.mdb").toStdString();
    writeText(out, "the previous file");
    PriceData data;
    data.daily = {{3, 35100, 1, 1, 20, 21, 19, 20.5}};
    for (const int sig : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(sig);
        EXPECT_EXIT(
            {
                removePartialFileOnSignal();
                std::string error;
                writePriceFile(out, data, error, [&] {
                    // Ended while the rows are in the temporary file, before they are committed.
                    if (partialFiles(out).size() != 1 || !std::filesystem::exists(out + ".lock"))
                        std::_Exit(3);
                    std::raise(sig);
                });
                std::_Exit(4);
            },
            ::testing::KilledBySignal(sig), "");
        EXPECT_TRUE(partialFiles(out).empty());
        EXPECT_FALSE(std::filesystem::exists(out + ".lock"));
        EXPECT_EQ(readText(out), "the previous file");
    }
}

TEST(PriceFile, AFailedWriteKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const std::string out = dir.filePath("futures.mdb").toStdString();
    writeText(out, "the previous file");
    PriceData data;
    data.daily = {{3, 35100, 1, 1, 20, 21, 19, 20.5}, {3, 35100, 1, 1, 20, 21, 19, 20.5}};
    std::string error;
    EXPECT_FALSE(writePriceFile(out, data, error));
    EXPECT_NE(error.find("UNIQUE constraint failed"), std::string::npos) << error;
    EXPECT_EQ(readText(out), "the previous file");
    EXPECT_TRUE(partialFiles(out).empty());

    data.daily.pop_back();
    ASSERT_TRUE(writePriceFile(out, data, error)) << error;
    EXPECT_EQ(queryRows(out, "SELECT Name, Value FROM DatabaseInfo ORDER BY Name"),
              (std::vector<std::vector<std::string>>{{"Password", "kxq"}, {"SchemaVersion", "1"}}));
}
