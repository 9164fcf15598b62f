#include "CsvFixture.h"
#include "FuturesDbTestSupport.h"
#include "ProgramRun.h"

#include "futures-db/Csv.h"
#include "futures-db/CsvImport.h"
#include "futures-db/PriceCheck.h"
#include "futures-db/PriceFile.h"
#include "futures-db/Sample.h"
#include "futures-db/TradingTimes.h"

#include "common/Instrument.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
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
        {"news/Releases.csv",
         "Date,Time,Title,Story\n1996-02-05,08:30,Title:,One\n1996-02-05,08:30,Title:,Two\n",
         "Releases.csv:3: the same release is already on line 2"},
        {"ticks/Oil.csv",
         "DateTime,Price\n1996-02-05 08:45,20.50\n1996-02-05 08:46,20.50\n1996-02-05 08:45,20.51\n",
         "Oil.csv:4: time 1996-02-05 08:45 is already on line 2"},
        {"daily/Oil.csv", kDailyHeader + day + std::string(2 << 20, '9') + "\n",
         "Oil.csv:3: the row is longer than 1 MiB"},
        {"daily/Oil.csv", kDailyHeader + day + "1996-02-06,0x1p4,20.80,20.40,20.60,1,1\n",
         "Oil.csv:3: Open '0x1p4' is not a number"},
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
        writeText(out + ".partial-" + std::to_string(gonePid()), "left by a killed import");
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

TEST(Csv, ARowBeyondTheLongestOrBrokenIsReportedAndReadingGoesOn)
{
    const std::string longRow(kMaxCsvRecordBytes + 1, 'x');
    struct Case {
        const char *name;
        std::string text;
        const char *problem;
        std::vector<CsvRecord> after; // the records read after the problem
    };
    const Case cases[] = {
        {"a row beyond the longest",
         "a\n" + longRow + "\nb,c\n",
         "f.csv:2: the row is longer than 1 MiB",
         {{3, {"b", "c"}}}},
        {"a quoted field beyond the longest",
         "a\n\"" + longRow + "\nb\"\nc\n",
         "f.csv:2: the row is longer than 1 MiB",
         {{3, {"b\""}}, {4, {"c"}}}},
        {"a row of the longest is read",
         "a\n" + std::string(kMaxCsvRecordBytes, 'y') + "\nb\n",
         nullptr,
         {{2, {std::string(kMaxCsvRecordBytes, 'y')}}, {3, {"b"}}}},
        {"text after a closing quote",
         "a\n\"x\"y,1\nb\n",
         "f.csv:2: text after the closing quote of a field",
         {{3, {"b"}}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::size_t at = 0;
        CsvReader reader(
            [&](char *to, std::size_t size) -> long {
                const std::size_t n = std::min(size, c.text.size() - at);
                std::memcpy(to, c.text.data() + at, n);
                at += n;
                return static_cast<long>(n);
            },
            "f.csv");
        CsvRecord record;
        std::string problem;
        ASSERT_EQ(reader.next(record, problem), CsvReader::Next::Record);
        EXPECT_EQ(record.fields, std::vector<std::string>{"a"});
        if (c.problem) {
            ASSERT_EQ(reader.next(record, problem), CsvReader::Next::Problem);
            EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << problem;
        }
        for (const CsvRecord &expected : c.after) {
            ASSERT_EQ(reader.next(record, problem), CsvReader::Next::Record) << problem;
            EXPECT_EQ(record.line, expected.line);
            EXPECT_EQ(record.fields, expected.fields);
        }
        EXPECT_EQ(reader.next(record, problem), CsvReader::Next::End);
    }
}

TEST(Csv, OnlyARegularFileIsRead)
{
    QTemporaryDir dir;
    const std::string fifo = dir.filePath("fifo.csv").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // A writer holds the FIFO open, so that a reader that opened it would find no end rather than block.
    const int writer = open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    const std::string folder = dir.filePath("folder.csv").toStdString();
    std::filesystem::create_directory(folder);
    const std::string device = dir.filePath("zero.csv").toStdString();
    std::filesystem::create_symlink("/dev/zero", device);
    const std::string file = dir.filePath("file.csv").toStdString();
    writeText(file, "a,b\n");
    struct Case {
        std::string path;
        std::string problem; // empty: read
    };
    const Case cases[] = {
        {fifo, fifo + " is a FIFO (a named pipe), which the import does not read"},
        {folder, folder + " is a folder, not a CSV file"},
        {device, device + " (a link to /dev/zero) is a device, which the import does not read"},
        {file, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(inputFileProblem(c.path).rfind(c.problem, 0), 0u) << inputFileProblem(c.path);
        EXPECT_EQ(inputFileProblem(c.path).empty(), c.problem.empty());
        CsvReader reader(c.path);
        CsvRecord record;
        std::string problem;
        if (c.problem.empty()) {
            ASSERT_EQ(reader.next(record, problem), CsvReader::Next::Record) << problem;
            EXPECT_EQ(record.fields, (std::vector<std::string>{"a", "b"}));
        } else {
            ASSERT_EQ(reader.next(record, problem), CsvReader::Next::Problem);
            EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << problem;
        }
        EXPECT_EQ(reader.next(record, problem), CsvReader::Next::End);
    }
    close(writer);
}

TEST(CsvImport, OnlyPlainDecimalsArePrices)
{
    struct Case {
        const char *text;
        double close; // 0: refused as no number
    };
    const Case cases[] = {
        {"20.60", 20.6}, {"+20.60", 20.6}, {"2.06e1", 20.6}, {"2060E-2", 20.6}, {"20.", 20.0}, {"0x1p4", 0},
        {"0X14", 0},     {"inf", 0},       {"Infinity", 0},  {"nan(1)", 0},     {"1e", 0},     {"1.2.3", 0},
        {"20.6f", 0},    {"- 20", 0},      {".", 0},         {"e5", 0},         {"20 .6", 0},  {"1e+", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        CsvFixture fixture;
        fixture.write("daily", Instrument::Oil,
                      std::string(kDailyHeader) + "1996-02-05,0.10,90,0.10," + c.text + ",1,1\n");
        const std::string out = fixture.path("futures.mdb");
        const auto errors = importCsvToFile(fixture.sources(), out);
        if (c.close == 0) {
            EXPECT_EQ(errors, std::vector<std::string>{fixture.path("daily/Oil.csv") + ":2: Close '" +
                                                       c.text + "' is not a number"});
            continue;
        }
        ASSERT_TRUE(errors.empty()) << errors.front();
        const auto rows = queryRows(out, "SELECT [Close] FROM DailyData WHERE CommodityID = 3");
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(std::stod(rows[0][0]), c.close);
    }
}

TEST(CsvImport, ErrorsAreListedAsTheCheckListsViolations)
{
    CsvFixture fixture;
    std::string rows = kDailyHeader;
    for (int day = 1; day <= 1000; ++day) {
        char date[16];
        std::snprintf(date, sizeof date, "1990-%02d-%02d", 1 + (day - 1) / 28 % 12, 1 + (day - 1) % 28);
        // Every row a bad price; every tenth a bad volume as well.
        rows += std::string(date) + ",x,1,1,1," + (day % 10 == 0 ? "-1" : "") + ",\n";
    }
    fixture.write("daily", Instrument::Oil, rows);
    ImportSummary summary;
    const auto errors = importCsvToFile(fixture.sources(), fixture.path("futures.mdb"), &summary);
    const std::string file = fixture.path("daily/Oil.csv");
    // Twenty of each kind in the order they were met, then how many more of each.
    ASSERT_EQ(errors.size(), 2u * kViolationsListedPerRule + 2);
    EXPECT_EQ(errors[0], file + ":2: Open 'x' is not a number");
    EXPECT_TRUE(hasText(errors, file + ":11: Volume '-1' is not a whole number"));
    EXPECT_TRUE(hasText(errors, file + ":201: Volume '-1' is not a whole number"));
    EXPECT_FALSE(hasText(errors, file + ":211: "));
    EXPECT_EQ(errors[errors.size() - 2], "... and 980 more number errors");
    EXPECT_EQ(errors.back(), "... and 80 more count errors");
    EXPECT_EQ(summary.errors, 1100);
    EXPECT_FALSE(std::filesystem::exists(fixture.path("futures.mdb")));
}

TEST(CsvImport, AnInputThatIsNoRegularFileIsRefusedByNameBeforeTheLock)
{
    CsvFixture fixture;
    const std::string oil = fixture.path("daily/Oil.csv"), gold = fixture.path("ticks/Gold.csv"),
                      releases = fixture.path("news/Releases.csv");
    std::filesystem::remove(oil);
    std::filesystem::create_directory(oil);
    std::filesystem::remove(gold);
    std::filesystem::create_symlink("/dev/zero", gold);
    std::filesystem::remove(releases);
    std::filesystem::create_symlink(fixture.path("daily"), releases);
    const std::string tbond = fixture.path("ticks/TBond.csv");
    std::filesystem::remove(tbond);
    ASSERT_EQ(mkfifo(tbond.c_str(), 0600), 0);
    // A writer holds the FIFO open, so that an import that opened it would find no end rather than block.
    const int writer = open(tbond.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    const std::string out = fixture.path("futures.mdb");
    writeText(out, "the previous file");
    // Another run holds the output: the inputs are refused before the lock is even tried.
    const OutputLock other(out);
    ASSERT_TRUE(other.held());
    ImportSummary summary;
    const auto errors = importCsvToFile(fixture.sources(), out, &summary);
    close(writer);
    ASSERT_EQ(errors.size(), 4u) << errors.front();
    EXPECT_EQ(errors[0].rfind(oil + " is a folder, not a CSV file", 0), 0u) << errors[0];
    EXPECT_EQ(errors[1].rfind(gold + " (a link to /dev/zero) is a device", 0), 0u) << errors[1];
    EXPECT_EQ(errors[2].rfind(tbond + " is a FIFO (a named pipe)", 0), 0u) << errors[2];
    EXPECT_EQ(errors[3].rfind(releases + " (a link to " + fixture.path("daily") + ") is a folder", 0), 0u)
        << errors[3];
    EXPECT_EQ(summary.errors, 4);
    EXPECT_EQ(readText(out), "the previous file");
    EXPECT_TRUE(partialFiles(out).empty());
}

TEST(CsvImport, FilesBesideTheInputsAreNamedAsNotImported)
{
    CsvFixture fixture;
    writeText(fixture.path("daily/Copper.csv"), "Date,Open,High,Low,Close,Volume,OpenInterest\n");
    writeText(fixture.path("news/notes.txt"), "to do");
    std::filesystem::create_directory(fixture.path("ticks/old"));
    ImportSummary summary;
    const auto errors = importCsvToFile(fixture.sources(), fixture.path("futures.mdb"), &summary);
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(summary.written.daily, 18u);
    const std::string dailyNames = "Cattle.csv, Gold.csv, Oil.csv, SP500.csv, Soybean.csv, TBond.csv";
    std::vector<std::string> expected = {
        fixture.path("daily/Copper.csv") + " is not imported: the import reads only " + dailyNames +
            " from " + fixture.path("daily"),
        fixture.path("news/notes.txt") +
            " is not imported: the import reads only OverviewNews.csv, Releases.csv from " +
            fixture.path("news"),
        fixture.path("ticks/old") + " is not imported: the import reads only " + dailyNames + " from " +
            fixture.path("ticks"),
    };
    auto warnings = summary.warnings;
    std::sort(warnings.begin(), warnings.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(warnings, expected);

    // One folder for the daily and the news files: each of those files is imported.
    ImportSummary shared;
    ImportSources sources = fixture.sources();
    std::filesystem::rename(fixture.path("news/OverviewNews.csv"), fixture.path("daily/OverviewNews.csv"));
    sources.newsDir = sources.dailyDir;
    EXPECT_TRUE(importCsvToFile(sources, fixture.path("futures.mdb"), &shared).empty());
    EXPECT_EQ(shared.warnings.size(), 2u); // Copper.csv and the tick folder's "old"
    EXPECT_TRUE(hasText(shared.warnings, "Copper.csv is not imported"));
}
