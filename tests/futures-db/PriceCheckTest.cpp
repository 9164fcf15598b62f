#include "FuturesDbTestSupport.h"

#include "futures-db/PriceCheck.h"
#include "futures-db/PriceFile.h"
#include "futures-db/Sample.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>

using namespace tarvello::futuresdb;
using namespace futuresdbtest;

namespace {

// Day serials used below: 1996-01-01 = 35065, 1996-02-05 (a Monday) = 35100, 1996-02-10 (a Saturday)
// = 35105, 1996-03-01 = 35125.

// A small sound price file (ticks January to March 1996, stories for 1996) and the options that fit it.
class PriceCheckTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        SampleOptions sample;
        sample.dailyFirst = QDate(1995, 12, 1);
        sample.dailyLast = sample.tickLast = QDate(1996, 3, 31);
        sample.tickFirst = QDate(1996, 1, 1);
        sample.storyFirstYear = sample.storyLastYear = 1996;
        std::string error;
        ASSERT_TRUE(writePriceFile(basePath(), buildSample(sample), error)) << error;
    }
    static void TearDownTestSuite() { s_dir.reset(); }

    static std::string basePath() { return s_dir->filePath("base.mdb").toStdString(); }

    static CheckOptions options()
    {
        CheckOptions o;
        o.dailyFrom = o.tickFrom = QDate(1996, 1, 1);
        o.dailyUntil = o.tickUntil = QDate(1996, 4, 1);
        o.storyFirstYear = o.storyLastYear = 1996;
        return o;
    }

    // A broken copy of the base file, and the rule and message the check must name it by.
    struct BrokenCase {
        const char *name;
        std::string sql;
        const char *rule;
        const char *message;
    };

    template <std::size_t N> static void expectEachNamed(const BrokenCase (&cases)[N])
    {
        for (const BrokenCase &c : cases) {
            SCOPED_TRACE(c.name);
            const auto violations = checkPriceFile(broken(c.name, c.sql), options());
            EXPECT_TRUE(hasViolation(violations, c.rule, c.message))
                << "wanted " << c.rule << ": " << c.message << "\ngot:\n"
                << listed(violations);
        }
    }

    // The base file with some SQL run on it.
    static std::string broken(const std::string &name, const std::string &sql)
    {
        const std::string path = s_dir->filePath(QString::fromStdString(name + ".mdb")).toStdString();
        std::filesystem::copy_file(basePath(), path, std::filesystem::copy_options::overwrite_existing);
        execSql(path, sql);
        return path;
    }

    static inline std::unique_ptr<QTemporaryDir> s_dir;
};

// Remakes a table as a plain copy: no primary key and no NOT NULL, as a careless writer might.
std::string withoutKey(const std::string &table)
{
    return "CREATE TABLE t AS SELECT * FROM " + table + "; DROP TABLE " + table +
           "; ALTER TABLE t RENAME TO " + table + ";";
}

} // namespace

TEST_F(PriceCheckTest, ASoundFilePasses)
{
    const auto violations = checkPriceFile(basePath(), options());
    EXPECT_TRUE(violations.empty()) << listed(violations);
}

TEST_F(PriceCheckTest, EachBrokenRuleIsNamed)
{
    const BrokenCase cases[] = {
        {"missing-table", "DROP TABLE sortedticknewsreleases", "schema",
         "table sortedticknewsreleases is missing"},
        {"missing-column", "ALTER TABLE OverviewNews RENAME COLUMN News TO Story", "schema",
         "table OverviewNews has no column News"},
        {"no-key", withoutKey("TickTradeDaysResults"), "schema",
         "table TickTradeDaysResults has the primary key () instead of (Date)"},
        // Tables whose rows are made only when read, which the game refuses: the check names them and
        // reads none of their rows (a view over an endless query would hold it for ever).
        {"calendar-view",
         "DROP TABLE TickTradeDaysResults; CREATE VIEW TickTradeDaysResults AS WITH RECURSIVE n(x) AS "
         "(SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 300000) SELECT 35100.0 + x AS [Date] FROM n;",
         "schema", "table TickTradeDaysResults is a view, whose rows are made only when read"},
        {"computed-price",
         "CREATE TABLE t (CommodityID INTEGER NOT NULL, [DateTime] REAL NOT NULL, p REAL, realprice REAL AS "
         "(p * 2), PRIMARY KEY (CommodityID, [DateTime])) WITHOUT ROWID; INSERT INTO t SELECT CommodityID, "
         "[DateTime], realprice FROM TickData; DROP TABLE TickData; ALTER TABLE t RENAME TO TickData;",
         "schema", "the column realprice of table TickData is computed only when read"},
        {"day-twice", withoutKey("TickTradeDaysResults") + "INSERT INTO TickTradeDaysResults VALUES (35100);",
         "duplicate-key", "TickTradeDaysResults has 1996-02-05 more than once"},
        {"daily-twice",
         withoutKey("DailyData") +
             "INSERT INTO DailyData SELECT * FROM DailyData WHERE CommodityID = 3 AND [Date] = 35100;",
         "duplicate-key", "more than one DailyData row (Oil, 1996-02-05)"},
        {"password", "UPDATE DatabaseInfo SET Value = 'abc' WHERE Name = 'Password'", "database-info",
         "DatabaseInfo Password is 'abc' instead of 'kxq'"},
        {"no-password", "DELETE FROM DatabaseInfo WHERE Name = 'Password'", "database-info",
         "DatabaseInfo has no Password row"},
        {"version", "UPDATE DatabaseInfo SET Value = '2' WHERE Name = 'SchemaVersion'", "database-info",
         "DatabaseInfo SchemaVersion is '2' instead of '1'"},
        {"daily-gap", "DELETE FROM DailyData WHERE [Date] >= 35096 AND [Date] < 35125", "coverage",
         "DailyData has 0 trading days in 1996-02; every month from 1996-01 to 1996-03 needs at least 15"},
        {"tick-gap", "DELETE FROM TickTradeDaysResults WHERE [Date] >= 35125", "coverage",
         "TickTradeDaysResults has 0 trading days in 1996-03"},
        {"daily-id", "INSERT INTO DailyData VALUES (7, 35100, 0, 0, 20, 20, 20, 20)", "instrument-id",
         "CommodityID 7 in DailyData row (7, 1996-02-05) is not one of 1..6"},
        {"story-id", "INSERT INTO OverviewNews VALUES (35065, 9, 'Text')", "instrument-id",
         "CommodityID 9 in OverviewNews row (9, 1996-01-01) is not one of 0..6"},
        {"daily-row-missing", "DELETE FROM DailyData WHERE CommodityID = 2 AND [Date] = 35100",
         "missing-instrument-day", "DailyData has no Gold row on 1996-02-05, a day of the daily calendar"},
        {"ticks-missing",
         "DELETE FROM TickData WHERE CommodityID = 4 AND [DateTime] >= 35100 AND [DateTime] < 35101",
         "missing-instrument-day", "TickData has no SP500 ticks on 1996-02-05, a tick trading day"},
        {"seven-day-calendar",
         "WITH RECURSIVE d(x) AS (SELECT 35125 UNION ALL SELECT x + 1 FROM d WHERE x < 35216) "
         "INSERT OR IGNORE INTO TickTradeDaysResults SELECT x FROM d",
         "tick-window-length",
         "TickTradeDaysResults has 92 trading days in the three months from 1996-03-01; a tick game holds at "
         "most 91"},
        {"tick-off-calendar", "DELETE FROM TickTradeDaysResults WHERE [Date] = 35100", "tick-off-calendar",
         "TickData row (Cattle, 1996-02-05 09:00) falls on a day missing from TickTradeDaysResults"},
        {"empty-window",
         "DELETE FROM TickData WHERE CommodityID = 5 AND [DateTime] > 35100 + 780 / 1440.0 AND [DateTime] < "
         "35101",
         "trading-window", "TickData has no Soybean tick in the 12:45-13:15 window on 1996-02-05"},
        {"times-ten",
         "UPDATE TickData SET realprice = realprice * 10 WHERE CommodityID = 3 AND [DateTime] >= 35100 AND "
         "[DateTime] < 35101",
         "encoding", "far from the day's close"},
        {"times-ten-summary",
         "UPDATE TickData SET realprice = realprice * 10 WHERE CommodityID = 3 AND [DateTime] >= 35100 AND "
         "[DateTime] < 35101",
         "encoding", "more encoding violations"},
        {"ninth-eighth",
         "UPDATE TickData SET realprice = 580.9 WHERE CommodityID = 5 AND [DateTime] = 35100 + 570 / 1440.0",
         "encoding",
         "realprice 580.9 in TickData row (Soybean, 1996-02-05 09:30) is not Soybean cents and eighths"},
        {"thirty-second-32",
         "UPDATE TickData SET realprice = 98.32 WHERE CommodityID = 6 AND [DateTime] = 35100 + 440 / 1440.0",
         "encoding",
         "realprice 98.32 in TickData row (TBond, 1996-02-05 07:20) is not T-Bond points and two digits"},
        {"daily-32nds",
         "UPDATE DailyData SET [Open] = 98.16, High = 98.16, Low = 98.16, [Close] = 98.16 WHERE CommodityID "
         "= 6 "
         "AND [Date] = 35100",
         "encoding",
         "Close 98.16 in DailyData row (TBond, 1996-02-05) is not T-Bond points as a decimal number"},
        {"seconds",
         "UPDATE TickData SET [DateTime] = [DateTime] + 20 / 86400.0 WHERE CommodityID = 1 AND [DateTime] = "
         "35100 + 540 / 1440.0",
         "encoding", "DateTime in TickData row (Cattle, 1996-02-05 09:00:20) is not a whole minute"},
        {"text-price", "UPDATE DailyData SET [Open] = 'abc' WHERE CommodityID = 3 AND [Date] = 35100",
         "encoding", "Open 'abc' is not a number in DailyData row (Oil, 1996-02-05)"},
        {"daily-floor",
         "UPDATE DailyData SET [Open] = 0.04, Low = 0.04 WHERE CommodityID = 3 AND [Date] = 35100",
         "price-floor", "Open 0.04 in DailyData row (Oil, 1996-02-05) is at or below the price floor"},
        {"soybean-dollars", "UPDATE DailyData SET Low = 5 WHERE CommodityID = 5 AND [Date] = 35100",
         "price-floor", "Low 5 in DailyData row (Soybean, 1996-02-05) is at or below the price floor"},
        {"tick-floor",
         "UPDATE TickData SET realprice = 0.004 WHERE CommodityID = 3 AND [DateTime] = 35100 + 525 / 1440.0",
         "price-floor",
         "realprice 0.004 in TickData row (Oil, 1996-02-05 08:45) is at or below the price floor"},
        {"high-below-low", "UPDATE DailyData SET High = Low - 1 WHERE CommodityID = 1 AND [Date] = 35100",
         "high-low", "DailyData row (Cattle, 1996-02-05) does not have Low <= Open, Close <= High"},
        {"null-news",
         withoutKey("OverviewNews") + "UPDATE OverviewNews SET News = NULL WHERE CommodityID = 3;",
         "null-value", "News is null in OverviewNews row (Oil, 1996-01-01)"},
        {"null-title",
         withoutKey("sortedticknewsreleases") +
             "UPDATE sortedticknewsreleases SET NRTitle = NULL WHERE rowid = 1;",
         "null-value", "NRTitle is null in sortedticknewsreleases row"},
        {"null-price",
         withoutKey("TickData") + "UPDATE TickData SET realprice = NULL WHERE CommodityID = 2 AND [DateTime] "
                                  "= 35100 + 440 / 1440.0;",
         "null-value", "realprice is null in TickData row (Gold, 1996-02-05 07:20)"},
        {"no-disclaimer", "DELETE FROM OverviewNews WHERE CommodityID = 0", "disclaimer",
         "OverviewNews has no disclaimer text (dated 1965-10-17, CommodityID 0)"},
        {"no-story", "DELETE FROM OverviewNews WHERE CommodityID = 3 AND [Date] = 35065", "story",
         "OverviewNews has no background story for Oil dated 1996-01-01"},
        {"weekend-release",
         "INSERT INTO sortedticknewsreleases VALUES (35105, 0.5, 'Weekend Report:', 'Nothing.')", "release",
         "sortedticknewsreleases row \"Weekend Report:\" on 1996-02-10 12:00 falls on a day missing"},
        {"too-many-releases",
         "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 501) "
         "INSERT INTO sortedticknewsreleases SELECT 35100, 0.5, 'Report ' || x || ':', 'Text.' FROM n",
         "release", "releases in the three months from 1996-01-01; a tick game holds at most 500"},
        {"release-time-with-date", "UPDATE sortedticknewsreleases SET NRTime = NRDate + NRTime", "encoding",
         "is not a time of day alone"},
        {"empty-story", "UPDATE sortedticknewsreleases SET NRStory = ''", "release",
         "has an empty title or story"},
    };
    expectEachNamed(cases);
}

// The data the game refuses to play, with a notice, when its load meets it: the check names each with
// its rule, so that a file can be put right before any game reads it.
TEST_F(PriceCheckTest, DataTheGameRefusesIsNamed)
{
    const std::string oilFeb5 = " WHERE CommodityID = 3 AND [Date] = 35100";
    const std::string oilTick = " WHERE CommodityID = 3 AND [DateTime] = 35100 + 525 / 1440.0";
    const BrokenCase cases[] = {
        // Prices beyond a 32-bit float: the game would show "Infinity" and turn its figures into NaN.
        {"daily-beyond-single", "UPDATE DailyData SET High = 1e300" + oilFeb5, "price-range",
         "High 1e+300 in DailyData row (Oil, 1996-02-05) is beyond any price the game can hold"},
        {"daily-negative-beyond-single", "UPDATE DailyData SET Low = -1e300" + oilFeb5, "price-range",
         "Low -1e+300 in DailyData row (Oil, 1996-02-05) is beyond any price the game can hold"},
        {"tick-beyond-single", "UPDATE TickData SET realprice = 1e300" + oilTick, "price-range",
         "realprice 1e+300 in TickData row (Oil, 1996-02-05 08:45) is beyond any price the game can hold"},
        {"tick-reads-beyond-single", "UPDATE TickData SET realprice = 3.4e38" + oilTick, "price-range",
         "realprice 3.4e+38 in TickData row (Oil, 1996-02-05 08:45) reads as 3.4e+39, beyond any price the "
         "game can hold"},
        // Two rows for one instrument and day, or one instrument and moment, with different prices.
        {"daily-twice-other-price",
         withoutKey("DailyData") +
             "INSERT INTO DailyData SELECT CommodityID, [Date], OpenInterest, DayVolume, "
             "[Open] * 2, High * 2, Low * 2, [Close] * 2 FROM DailyData" +
             oilFeb5 + ";",
         "duplicate-key", "more than one DailyData row (Oil, 1996-02-05)"},
        {"tick-twice-other-price",
         withoutKey("TickData") +
             "INSERT INTO TickData SELECT CommodityID, [DateTime], realprice * 2 FROM "
             "TickData" +
             oilTick + ";",
         "duplicate-key", "more than one TickData row (Oil, 1996-02-05 08:45)"},
        // An instrument whose rows carry a NULL or unknown CommodityID has no rows of its own.
        {"daily-null-id",
         withoutKey("DailyData") + "UPDATE DailyData SET CommodityID = NULL WHERE CommodityID = 3;",
         "null-value", "CommodityID is null in DailyData row (null, 1995-12-01)"},
        {"daily-null-id-days",
         withoutKey("DailyData") + "UPDATE DailyData SET CommodityID = NULL WHERE CommodityID = 3;",
         "missing-instrument-day", "DailyData has no Oil row on 1995-12-01"},
        {"daily-unknown-id", "UPDATE DailyData SET CommodityID = 9 WHERE CommodityID = 3", "instrument-id",
         "CommodityID 9 in DailyData row (9, 1995-12-01) is not one of 1..6"},
        {"daily-unknown-id-days", "UPDATE DailyData SET CommodityID = 9 WHERE CommodityID = 3",
         "missing-instrument-day", "DailyData has no Oil row on 1995-12-01"},
        {"tick-unknown-id", "UPDATE TickData SET CommodityID = 7 WHERE CommodityID = 2",
         "missing-instrument-day", "TickData has no Gold ticks on 1996-01-02, a tick trading day"},
        // A tick trading day without ticks for any instrument (one instrument: ticks-missing above).
        {"tick-day-without-ticks", "DELETE FROM TickData WHERE [DateTime] >= 35100 AND [DateTime] < 35101",
         "missing-instrument-day", "TickData has no Cattle ticks on 1996-02-05, a tick trading day"},
        // Rows with a NULL or text date fall out of the game's queries.
        {"daily-null-date", withoutKey("DailyData") + "UPDATE DailyData SET [Date] = NULL" + oilFeb5 + ";",
         "null-value", "Date is null in DailyData row (Oil, null)"},
        {"daily-text-date", "UPDATE DailyData SET [Date] = '1/5/1996'" + oilFeb5, "encoding",
         "Date '1/5/1996' is not a number in DailyData row (Oil, 1/5/1996)"},
        {"daily-text-date-day", "UPDATE DailyData SET [Date] = '1/5/1996'" + oilFeb5,
         "missing-instrument-day", "DailyData has no Oil row on 1996-02-05"},
        {"tick-text-date", "UPDATE TickData SET [DateTime] = 'morning'" + oilTick, "encoding",
         "DateTime 'morning' is not a number in TickData row (Oil, morning)"},
        {"calendar-null-date",
         withoutKey("TickTradeDaysResults") + "INSERT INTO TickTradeDaysResults VALUES (NULL);", "null-value",
         "Date is null in TickTradeDaysResults"},
        // A Tick game whose news releases cannot be read (the table missing: missing-table above).
        {"releases-unreadable", "ALTER TABLE sortedticknewsreleases RENAME COLUMN NRTime TO NRMoment",
         "schema", "table sortedticknewsreleases has no column NRTime"},
        // A Daily period with no rows at all.
        {"daily-empty-period", "DELETE FROM DailyData WHERE [Date] < 35096", "coverage",
         "DailyData has 0 trading days in 1996-01"},
    };
    expectEachNamed(cases);
}

TEST_F(PriceCheckTest, AFileThatIsNoPriceDatabase)
{
    const std::string text = s_dir->filePath("notes.mdb").toStdString();
    writeText(text, "these are not the prices you are looking for");
    const std::string missing = s_dir->filePath("missing.mdb").toStdString();
    for (const std::string &path : {text, missing}) {
        SCOPED_TRACE(path);
        const auto violations = checkPriceFile(path);
        EXPECT_TRUE(hasViolation(violations, "file", "cannot read " + path + " as a price database"))
            << listed(violations);
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(PriceCheckTest, APathThatIsNoRegularFileIsRefusedAtOnce)
{
    // A writer holds the FIFO open, so that even a check that opened it would not wait for one.
    const std::string fifo = s_dir->filePath("prices.fifo").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int writer = open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    for (const std::string &path : {fifo, s_dir->path().toStdString(), std::string("/dev/null")}) {
        SCOPED_TRACE(path);
        const auto violations = checkPriceFile(path);
        ASSERT_EQ(violations.size(), 1u) << listed(violations);
        EXPECT_TRUE(hasViolation(violations, "file", path + " is not a regular file")) << listed(violations);
    }
    close(writer);
}

// A file in WAL journal mode is checked as it stands, with nothing made or written beside it, and named:
// the game reads such a file only while no changes wait in its "-wal" file.
TEST_F(PriceCheckTest, AWalModeFileIsNamedAndNothingIsWrittenBesideIt)
{
    const std::string path = broken("wal-mode", "PRAGMA journal_mode = WAL");
    namespace fs = std::filesystem;
    ASSERT_FALSE(fs::exists(path + "-wal"));
    auto violations = checkPriceFile(path, options());
    ASSERT_EQ(violations.size(), 1u) << listed(violations);
    EXPECT_TRUE(hasViolation(violations, "journal-mode", path + " is in WAL journal mode"))
        << listed(violations);
    EXPECT_FALSE(fs::exists(path + "-wal"));
    EXPECT_FALSE(fs::exists(path + "-shm"));

    // Changes of another program waiting in the "-wal" file: the file is not read at all.
    std::FILE *wal = std::fopen((path + "-wal").c_str(), "wb");
    ASSERT_NE(wal, nullptr);
    std::fputs("pending", wal);
    std::fclose(wal);
    violations = checkPriceFile(path, options());
    ASSERT_EQ(violations.size(), 1u) << listed(violations);
    EXPECT_TRUE(hasViolation(violations, "journal-mode", "changes waiting in " + path + "-wal"))
        << listed(violations);
    EXPECT_FALSE(fs::exists(path + "-shm"));
    fs::remove(path + "-wal");
}

TEST_F(PriceCheckTest, ABadValueIsQuotedAsAShortPrintableExcerpt)
{
    struct Case {
        const char *name;
        std::string value; // SQL
        const char *quoted;
    };
    const Case cases[] = {
        {"a huge text", "replace(hex(zeroblob(500000)), '0', 'x')", "Open 'xxxxxxxxxx"},
        {"a NUL byte", "'20.6' || char(0) || '0'", "Open '20.6\\x000'"},
        {"a line break", "'20.6' || char(10) || 'x'", "Open '20.6\\x0ax'"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto violations =
            checkPriceFile(broken(c.name, "UPDATE DailyData SET [Open] = " + c.value +
                                              " WHERE CommodityID = 3 AND [Date] = 35100"),
                           options());
        ASSERT_TRUE(hasViolation(violations, "encoding", c.quoted)) << listed(violations).substr(0, 2000);
        for (const Violation &v : violations) {
            EXPECT_LT(v.message.size(), 300u) << v.message.substr(0, 300);
            for (unsigned char ch : v.message)
                EXPECT_GE(ch, 0x20) << v.message.substr(0, 300);
        }
    }
}

// A daily price many times above or below the close of each day beside it is a slip (1e30 typed for a
// price, a price in other units); a lasting move of the market is not one.
TEST_F(PriceCheckTest, ADailyPriceFarFromTheDaysBesideItIsNamed)
{
    const std::string oilFeb5 = " WHERE CommodityID = 3 AND [Date] = 35100";
    struct Case {
        const char *name;
        std::string sql;
        const char *message; // nullptr: no price-jump violation
    };
    const Case cases[] = {
        {"an absurd day",
         "UPDATE DailyData SET [Open] = 1e30, High = 1e30, Low = 1e30, [Close] = 1e30" + oilFeb5,
         "Open 1e+30 of Oil on 1996-02-05 is more than 4 times the close of each day beside it ("},
        {"one absurd close", "UPDATE DailyData SET High = 1e30, [Close] = 1e30" + oilFeb5,
         "High 1e+30 of Oil on 1996-02-05 is more than 4 times the close of each day beside it"},
        {"a price in cents", "UPDATE DailyData SET [Open] = [Open] / 100, Low = Low / 100" + oilFeb5,
         "of Oil on 1996-02-05 is less than 1/4 of the close of each day beside it"},
        {"the first day",
         "UPDATE DailyData SET [Open] = 1e20, High = 1e20, Low = 1e20, [Close] = 1e20 "
         "WHERE CommodityID = 2 AND [Date] = (SELECT min([Date]) FROM DailyData)",
         "Open 1e+20 of Gold on 1995-12-01 is more than 4 times the close of each day beside it"},
        {"a lasting move",
         "UPDATE DailyData SET [Open] = [Open] * 5, High = High * 5, Low = Low * 5, "
         "[Close] = [Close] * 5 WHERE CommodityID = 3 AND [Date] >= 35100",
         nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto violations = checkPriceFile(broken(c.name, c.sql), options());
        if (c.message)
            EXPECT_TRUE(hasViolation(violations, "price-jump", c.message)) << listed(violations);
        else
            EXPECT_FALSE(hasViolation(violations, "price-jump", "")) << listed(violations);
    }
}
