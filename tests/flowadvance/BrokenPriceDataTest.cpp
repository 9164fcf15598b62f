// Price databases the game cannot play right: each gives a notice that names what is wrong, and the
// game is left idle as after a period without data. Databases the game copes with play as usual.
#include "AdvanceFixture.h"

#include "common/VbDate.h"

#include <functional>

namespace tarvello::test {
namespace {

using vb::toSerial;

QString serial(int year, int month, int day)
{
    return QString::number(toSerial(year, month, day), 'g', 17);
}

// The table rebuilt without its key and NOT NULL constraints, as a database made by another tool may
// be: copies and NULLs can go in. `order` sorts the rows as they are stored (and come back).
void dropKey(FixtureDb &db, const QString &table, const QString &order = QString())
{
    db.exec(QStringLiteral("CREATE TABLE Loose AS SELECT * FROM %1 %2").arg(table, order));
    db.exec(QStringLiteral("DROP TABLE %1").arg(table));
    db.exec(QStringLiteral("ALTER TABLE Loose RENAME TO %1").arg(table));
}

// The fixture's rows of one day (from a day serial, to the next).
QString onDay(const char *column, int year, int month, int day)
{
    return QStringLiteral("[%1] >= %2 AND [%1] < %3")
        .arg(QLatin1String(column), serial(year, month, day), serial(year, month, day + 1));
}

// A day serial with a time of day, as the fixture stores a release's time.
QString timeOfDay(int hour, int minute)
{
    return QString::number(FixtureDb::timeFraction(QTime(hour, minute)), 'g', 17);
}

// Sets a price column of the rows of one instrument and day to `value` (an SQL literal); a NULL
// needs the table without its NOT NULL constraints. The day is written when the damage is done.
std::function<void(FixtureDb &)> setPrice(const char *table, const char *column, int id, QDate date,
                                          const char *value)
{
    return [=](FixtureDb &db) {
        const QString day = onDay(QLatin1String(table) == QLatin1String("TickData") ? "DateTime" : "Date",
                                  date.year(), date.month(), date.day());
        if (QLatin1String(value) == QLatin1String("NULL"))
            dropKey(db, QLatin1String(table));
        db.exec(QStringLiteral("UPDATE %1 SET [%2] = %3 WHERE CommodityID = %4 AND %5")
                    .arg(QLatin1String(table), QLatin1String(column), QLatin1String(value))
                    .arg(id)
                    .arg(day));
    };
}

struct Breakage {
    const char *what;
    DataKind kind;
    std::function<void(FixtureDb &)> apply;
    std::vector<const char *> named; // what the notice names: the table, the instrument, the day
};

// The Daily games play January 1991 (rows from the 24th), the Tick games July 1997 (1 to 3 July).
const Breakage kBreakages[] = {
    {"a daily price beyond a Single",
     DataKind::Daily,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("UPDATE DailyData SET [Close] = 1e300 WHERE CommodityID = 3 AND ") +
                 onDay("Date", 1991, 1, 25));
     },
     {"DailyData", "Oil (CommodityID 3)", "1/25/1991", "Close", "1E+300"}},
    {"a daily low beyond a Single, below zero",
     DataKind::Daily,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("UPDATE DailyData SET Low = -1e39 WHERE CommodityID = 6 AND ") +
                 onDay("Date", 1991, 1, 28));
     },
     {"DailyData", "T-Bond (CommodityID 6)", "1/28/1991", "Low"}},
    {"an open interest beyond a Long",
     DataKind::Daily,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("UPDATE DailyData SET OpenInterest = 1e12 WHERE CommodityID = 2 AND ") +
                 onDay("Date", 1991, 1, 24));
     },
     {"DailyData", "Gold (CommodityID 2)", "1/24/1991", "OpenInterest"}},
    {"a tick price beyond a Single",
     DataKind::Tick,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("UPDATE TickData SET realprice = 1e300 WHERE CommodityID = 2 AND ") +
                 onDay("DateTime", 1997, 7, 2));
     },
     {"TickData", "Gold (CommodityID 2)", "7/2/1997 9:05:00 AM", "realprice"}},
    {"two daily rows of one instrument and day",
     DataKind::Daily,
     [](FixtureDb &db) {
         dropKey(db, QStringLiteral("DailyData"));
         db.exec(QStringLiteral("INSERT INTO DailyData VALUES (3, %1, 0, 0, 42.38, 42.38, 42.38, 42.38)")
                     .arg(serial(1991, 1, 28)));
     },
     {"two DailyData rows", "Oil (CommodityID 3)", "1/28/1991"}},
    {"two daily rows of one day at different times",
     DataKind::Daily,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("INSERT INTO DailyData VALUES (1, %1 + 0.5, 0, 0, 71, 71, 71, 71)")
                     .arg(serial(1991, 1, 29)));
     },
     {"two DailyData rows", "Cattle (CommodityID 1)", "1/29/1991"}},
    {"two ticks of one moment with different prices",
     DataKind::Tick,
     [](FixtureDb &db) {
         dropKey(db, QStringLiteral("TickData"));
         db.exec(QStringLiteral(
                     "INSERT INTO TickData SELECT CommodityID, [DateTime], realprice * 2 FROM TickData "
                     "WHERE CommodityID = 3 AND ") +
                 onDay("DateTime", 1997, 7, 2));
     },
     {"two TickData rows", "Oil (CommodityID 3)", "7/2/1997 9:05:00 AM"}},
    {"two ticks of one moment, the rows out of time order",
     DataKind::Tick,
     [](FixtureDb &db) {
         dropKey(db, QStringLiteral("TickData"), QStringLiteral("ORDER BY [DateTime] DESC"));
         db.exec(QStringLiteral(
                     "INSERT INTO TickData SELECT CommodityID, [DateTime], realprice + 1 FROM TickData "
                     "WHERE CommodityID = 5 AND ") +
                 onDay("DateTime", 1997, 7, 3));
     },
     {"two TickData rows", "Soybean (CommodityID 5)", "7/3/1997 9:05:00 AM"}},
    {"an instrument's daily rows under an unknown CommodityID",
     DataKind::Daily,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("UPDATE DailyData SET CommodityID = 9 WHERE CommodityID = 2"));
     },
     {"DailyData", "no Gold (CommodityID 2) row", "1/24/1991", "no known CommodityID (9"}},
    {"an instrument's daily rows under a NULL CommodityID",
     DataKind::Daily,
     [](FixtureDb &db) {
         dropKey(db, QStringLiteral("DailyData"));
         db.exec(QStringLiteral("UPDATE DailyData SET CommodityID = NULL WHERE CommodityID = 4"));
     },
     {"DailyData", "no SP500 (CommodityID 4) row", "1/24/1991", "no known CommodityID (NULL"}},
    {"an instrument whose daily rows start late",
     DataKind::Daily,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("DELETE FROM DailyData WHERE CommodityID = 5 AND [Date] < %1")
                     .arg(serial(1991, 1, 29)));
     },
     {"DailyData", "no Soybean (CommodityID 5) row", "1/24/1991", "first trading day"}},
    {"an instrument's ticks under an unknown CommodityID",
     DataKind::Tick,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("UPDATE TickData SET CommodityID = 7 WHERE CommodityID = 2"));
     },
     {"TickData", "no Gold (CommodityID 2) tick", "7/1/1997", "no known CommodityID (7"}},
    {"a tick day without any tick",
     DataKind::Tick,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("DELETE FROM TickData WHERE ") + onDay("DateTime", 1997, 7, 2));
     },
     {"TickData", "tick", "7/2/1997", "TickTradeDaysResults"}},
    {"a tick day without one instrument's ticks",
     DataKind::Tick,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("DELETE FROM TickData WHERE CommodityID = 4 AND ") +
                 onDay("DateTime", 1997, 7, 3));
     },
     {"TickData", "no SP500 (CommodityID 4) tick", "7/3/1997"}},
    {"a tick day after the last ticks",
     DataKind::Tick,
     [](FixtureDb &db) {
         db.addCalendarDay({1997, 7, 7});
     },
     {"TickData", "tick", "7/7/1997"}},
    {"daily rows with a NULL date",
     DataKind::Daily,
     [](FixtureDb &db) {
         dropKey(db, QStringLiteral("DailyData"));
         db.exec(QStringLiteral("UPDATE DailyData SET [Date] = NULL WHERE CommodityID = 3 AND ") +
                 onDay("Date", 1991, 1, 25));
     },
     {"DailyData", "Oil (CommodityID 3)", "Date", "NULL", "dated 1/24/1991",
      "No Daily game can be played until the file is mended."}},
    {"daily rows with a text date",
     DataKind::Daily,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("UPDATE DailyData SET [Date] = '1991-01-25' WHERE CommodityID = 1 AND ") +
                 onDay("Date", 1991, 1, 25));
     },
     {"DailyData", "Cattle (CommodityID 1)", "Date", "'1991-01-25'",
      "No Daily game can be played until the file is mended."}},
    {"a tick day with a text date",
     DataKind::Tick,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("INSERT INTO TickTradeDaysResults VALUES ('7/4/1997 holiday')"));
     },
     {"TickTradeDaysResults", "Date"}},
    {"a tick day with a NULL date",
     DataKind::Tick,
     [](FixtureDb &db) {
         dropKey(db, QStringLiteral("TickTradeDaysResults"));
         db.exec(QStringLiteral("UPDATE TickTradeDaysResults SET [Date] = NULL WHERE ") +
                 onDay("Date", 1997, 7, 2));
     },
     {"TickTradeDaysResults", "Date"}},
    {"ticks with a text date",
     DataKind::Tick,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("UPDATE TickData SET [DateTime] = 'July 2' WHERE CommodityID = 6 AND ") +
                 onDay("DateTime", 1997, 7, 2));
     },
     {"TickData", "T-Bond (CommodityID 6)", "DateTime", "'July 2'",
      "No Tick game can be played until the file is mended."}},
    {"no news releases table",
     DataKind::Tick,
     [](FixtureDb &db) { db.exec(QStringLiteral("DROP TABLE sortedticknewsreleases")); },
     {"news releases", "sortedticknewsreleases"}},
    {"a news releases table without its stories",
     DataKind::Tick,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("DROP TABLE sortedticknewsreleases"));
         db.exec(
             QStringLiteral("CREATE TABLE sortedticknewsreleases (NRDate REAL, NRTime REAL, NRTitle TEXT)"));
     },
     {"news releases", "NRStory"}},
    {"an instrument's daily rows from a later day under an unknown CommodityID",
     DataKind::Daily,
     [](FixtureDb &db) {
         db.exec(
             QStringLiteral("UPDATE DailyData SET CommodityID = 99 WHERE CommodityID = 3 AND [Date] >= %1")
                 .arg(serial(1991, 1, 28)));
     },
     {"DailyData", "on 1/28/1991", "belongs to no instrument (CommodityID 99)"}},
    {"an instrument's daily rows from a later day under a NULL CommodityID",
     DataKind::Daily,
     [](FixtureDb &db) {
         dropKey(db, QStringLiteral("DailyData"));
         db.exec(
             QStringLiteral("UPDATE DailyData SET CommodityID = NULL WHERE CommodityID = 3 AND [Date] >= %1")
                 .arg(serial(1991, 1, 28)));
     },
     {"DailyData", "on 1/28/1991", "belongs to no instrument (CommodityID NULL)"}},
    {"an instrument's daily rows from a later day under a CommodityID between two instruments",
     DataKind::Daily,
     [](FixtureDb &db) {
         db.exec(
             QStringLiteral("UPDATE DailyData SET CommodityID = 3.5 WHERE CommodityID = 3 AND [Date] >= %1")
                 .arg(serial(1991, 1, 28)));
     },
     {"DailyData", "on 1/28/1991", "belongs to no instrument (CommodityID 3.5)"}},
    {"a tick of a later day under an unknown CommodityID",
     DataKind::Tick,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("INSERT INTO TickData VALUES (8, %1 + %2, 50)")
                     .arg(serial(1997, 7, 2), timeOfDay(9, 5)));
     },
     {"TickData", "at 7/2/1997 9:05:00 AM", "belongs to no instrument (CommodityID 8)"}},
    {"a daily row dated at noon",
     DataKind::Daily,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("UPDATE DailyData SET [Date] = [Date] + 0.5 WHERE CommodityID = 3 AND ") +
                 onDay("Date", 1991, 1, 25));
     },
     {"DailyData", "Oil (CommodityID 3)", "1/25/1991 12:00:00 PM", "not a whole day"}},
    {"a tick day dated at noon",
     DataKind::Tick,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("UPDATE TickTradeDaysResults SET [Date] = [Date] + 0.5 WHERE ") +
                 onDay("Date", 1997, 7, 2));
     },
     {"TickTradeDaysResults", "7/2/1997 12:00:00 PM", "not a whole day"}},
    {"a tick day listed twice",
     DataKind::Tick,
     [](FixtureDb &db) {
         dropKey(db, QStringLiteral("TickTradeDaysResults"));
         db.addCalendarDay({1997, 7, 2});
     },
     {"TickTradeDaysResults", "lists 7/2/1997 twice"}},
    {"a release with a text time",
     DataKind::Tick,
     [](FixtureDb &db) {
         db.exec(
             QStringLiteral("INSERT INTO sortedticknewsreleases VALUES (%1, '10:00:00', 'Jobs', 'Story.')")
                 .arg(serial(1997, 7, 2)));
     },
     {"sortedticknewsreleases", "\"Jobs\"", "on 7/2/1997", "NRTime", "'10:00:00'"}},
    {"a release with a text date",
     DataKind::Tick,
     [](FixtureDb &db) {
         db.exec(
             QStringLiteral("INSERT INTO sortedticknewsreleases VALUES ('1997-07-02', %1, 'Jobs', 'Story.')")
                 .arg(timeOfDay(10, 0)));
     },
     {"sortedticknewsreleases", "\"Jobs\"", "NRDate", "'1997-07-02'",
      "No Tick game can be played until the file is mended."}},
    {"a release dated at noon",
     DataKind::Tick,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("INSERT INTO sortedticknewsreleases VALUES (%1 + 0.5, %2, 'Jobs', 'Story.')")
                     .arg(serial(1997, 7, 2), timeOfDay(10, 0)));
     },
     {"sortedticknewsreleases", "\"Jobs\"", "7/2/1997 12:00:00 PM", "NRDate", "not a whole day"}},
    {"a NULL daily close",
     DataKind::Daily,
     setPrice("DailyData", "Close", 3, QDate(1991, 1, 25), "NULL"),
     {"DailyData", "Oil (CommodityID 3)", "on 1/25/1991", "Close"}},
    {"a text daily close",
     DataKind::Daily,
     setPrice("DailyData", "Close", 3, QDate(1991, 1, 25), "'n/a'"),
     {"DailyData", "Oil (CommodityID 3)", "on 1/25/1991", "Close"}},
    {"a blob daily open",
     DataKind::Daily,
     setPrice("DailyData", "Open", 2, QDate(1991, 1, 28), "X'00'"),
     {"DailyData", "Gold (CommodityID 2)", "on 1/28/1991", "Open"}},
    {"an infinite daily high",
     DataKind::Daily,
     setPrice("DailyData", "High", 1, QDate(1991, 1, 29), "9e999"),
     {"DailyData", "Cattle (CommodityID 1)", "on 1/29/1991", "High"}},
    {"a NULL tick price",
     DataKind::Tick,
     setPrice("TickData", "realprice", 2, QDate(1997, 7, 2), "NULL"),
     {"TickData", "Gold (CommodityID 2)", "at 7/2/1997 9:05:00 AM", "realprice"}},
    {"a text tick price",
     DataKind::Tick,
     setPrice("TickData", "realprice", 4, QDate(1997, 7, 3), "'abc'"),
     {"TickData", "SP500 (CommodityID 4)", "at 7/3/1997 9:05:00 AM", "realprice"}},
    {"a blob tick price",
     DataKind::Tick,
     setPrice("TickData", "realprice", 1, QDate(1997, 7, 2), "X'01'"),
     {"TickData", "Cattle (CommodityID 1)", "at 7/2/1997 9:05:00 AM", "realprice"}},
    {"an infinite tick price",
     DataKind::Tick,
     setPrice("TickData", "realprice", 3, QDate(1997, 7, 2), "-9e999"),
     {"TickData", "Oil (CommodityID 3)", "at 7/2/1997 9:05:00 AM", "realprice"}},
    {"no daily row in the game's month",
     DataKind::Daily,
     [](FixtureDb &db) {
         db.exec(QStringLiteral("DELETE FROM DailyData WHERE [Date] < %1").arg(serial(1991, 2, 1)));
     },
     {"no trading day from 1/1/1991 to 2/1/1991", "Please choose another period."}},
};

class BrokenPriceData : public AdvanceTest {
protected:
    void addGoodData(FixtureDb &db)
    {
        addDailyCloses(db, dailyDays());
        addTickDays(db, tickDays(3));
    }

    void beginGame(DataKind kind)
    {
        if (kind == DataKind::Daily)
            beginNewGame({Daily, Month});
        else
            beginNewGame({Tick, Month});
    }
};

TEST_F(BrokenPriceData, IsNamedInANoticeAndNoGameIsPlayed)
{
    for (const Breakage &b : kBreakages) {
        SCOPED_TRACE(b.what);
        FixtureDb broken;
        addGoodData(broken);
        b.apply(broken);
        pointAt(state, broken);
        const size_t before = host.shows().size();
        beginGame(b.kind);

        ASSERT_GT(host.shows().size(), before);
        const ModalShow &notice = host.shows().back();
        EXPECT_EQ(notice.form, QStringLiteral("frmPlayerNotification"));
        EXPECT_EQ(notice.caption, QStringLiteral("Tarvello"));
        const QString text = notice.text(QStringLiteral("Label1"));
        for (const char *named : b.named)
            EXPECT_TRUE(text.contains(QLatin1String(named))) << named << " not in: " << text.toStdString();
        EXPECT_FALSE(programEnd.ended());
        EXPECT_FALSE(state.clock.gameDataLoaded);
        EXPECT_FALSE(w().btnChangePeriod->enabled());
        EXPECT_FALSE(w().btnTrade->enabled());
        EXPECT_EQ(w().mnuNewGame->caption(), QStringLiteral("&Start"));
        for (forms::MenuItem *item : settingsItems())
            EXPECT_TRUE(item->enabled()) << item->objectName().toStdString();
        EXPECT_EQ(state.market.GameCalendar.Count, 0);
        CloseDatabase(state.priceDatabase);
    }
}

// What the game copes with plays as usual: a day one instrument lacks repeats its last close, a price of
// 0 or below is floored to 0.05, copies that agree change nothing, a day whose ticks all lie outside the
// trading times holds its quote, and a Novice game needs Oil alone.
TEST_F(BrokenPriceData, WhatTheGameCopesWithIsPlayed)
{
    const struct {
        const char *what;
        DataKind kind;
        std::function<void(FixtureDb &)> apply;
        std::vector<GameOption> extra;
    } cases[] = {
        {"a later day missing for one instrument",
         DataKind::Daily,
         [](FixtureDb &db) {
             db.exec(QStringLiteral("DELETE FROM DailyData WHERE CommodityID = 2 AND ") +
                     onDay("Date", 1991, 1, 28));
         },
         {}},
        {"a price of 0 and one below",
         DataKind::Daily,
         [](FixtureDb &db) {
             db.exec(QStringLiteral("UPDATE DailyData SET [Close] = 0 WHERE CommodityID = 3 AND ") +
                     onDay("Date", 1991, 1, 25));
             db.exec(QStringLiteral("UPDATE DailyData SET [Close] = -4 WHERE CommodityID = 1 AND ") +
                     onDay("Date", 1991, 1, 25));
         },
         {}},
        {"a tick price of 0",
         DataKind::Tick,
         [](FixtureDb &db) {
             db.exec(QStringLiteral("UPDATE TickData SET realprice = 0 WHERE CommodityID = 3 AND ") +
                     onDay("DateTime", 1997, 7, 2));
         },
         {}},
        {"a tick copied with its price",
         DataKind::Tick,
         [](FixtureDb &db) {
             dropKey(db, QStringLiteral("TickData"));
             db.exec(QStringLiteral("INSERT INTO TickData SELECT * FROM TickData WHERE CommodityID = 3"));
         },
         {}},
        {"a tick day whose Oil ticks all lie outside the trading times",
         DataKind::Tick,
         [](FixtureDb &db) {
             db.exec(QStringLiteral("UPDATE TickData SET [DateTime] = %1 + %2 WHERE CommodityID = 3 AND ")
                         .arg(serial(1997, 7, 2), timeOfDay(3, 0)) +
                     onDay("DateTime", 1997, 7, 2));
         },
         {}},
        {"an empty news releases table",
         DataKind::Tick,
         [](FixtureDb &db) { db.exec(QStringLiteral("DELETE FROM sortedticknewsreleases")); },
         {}},
        {"a Novice Daily game over Oil alone",
         DataKind::Daily,
         [](FixtureDb &db) { db.exec(QStringLiteral("DELETE FROM DailyData WHERE CommodityID <> 3")); },
         {Novice}},
        {"a Novice Tick game over Oil alone",
         DataKind::Tick,
         [](FixtureDb &db) { db.exec(QStringLiteral("DELETE FROM TickData WHERE CommodityID <> 3")); },
         {Novice}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        FixtureDb db;
        addGoodData(db);
        c.apply(db);
        pointAt(state, db);
        std::vector<GameOption> clicks = c.extra;
        clicks.push_back(c.kind == DataKind::Daily ? Daily : Tick);
        clicks.push_back(Month);
        const size_t noticesBefore = notices().size();
        beginNewGame(clicks);
        EXPECT_TRUE(state.clock.gameDataLoaded);
        EXPECT_EQ(notices().size(), noticesBefore);
        answerSummaries(QStringLiteral("btnPlayAgain"));
        EXPECT_GT(forwardToTheEnd(), 1);
        EXPECT_FALSE(programEnd.ended());
        EXPECT_TRUE(state.clock.gameDataLoaded); // played again
        CloseDatabase(state.priceDatabase);
    }
}

// The tick records of a load whose data failed its checks are not kept for the next game: mended, the
// same period loads its ticks again from the database.
TEST_F(BrokenPriceData, AMendedDatabaseIsReadAgain)
{
    addGoodData(fixture);
    fixture.exec(QStringLiteral("DELETE FROM TickData WHERE CommodityID = 4 AND ") +
                 onDay("DateTime", 1997, 7, 3));
    beginGame(DataKind::Tick);
    ASSERT_FALSE(state.clock.gameDataLoaded);

    fixture.addTick(4, {1997, 7, 3}, QTime(9, 5), fixtureTickQuote(4, 2));
    beginGame(DataKind::Tick);
    EXPECT_TRUE(state.clock.gameDataLoaded);
    EXPECT_TRUE(state.market.TickDays.at(2).Blocks[4].HasTicks);
}

} // namespace
} // namespace tarvello::test
