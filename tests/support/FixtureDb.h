#pragma once

#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <QTime>
#include <QVariant>

#include <cstdint>
#include <initializer_list>

struct sqlite3;

namespace tarvello::test {

// A day for the fixture calls: a QDate, a day serial, or year, month and day.
struct Day {
    Day(double serial) : serial(serial) {}
    Day(int serial) : serial(serial) {}
    Day(QDate date);
    Day(int year, int month, int day);
    double serial;
};

// A tiny price database in a temporary folder, written by the test itself: the game's full schema,
// the DatabaseInfo rows (the game's password, schema version 1) and whatever rows the test adds. The
// file is "futures.mdb" in directory(), so the game can be pointed at that folder as its program
// directory. The folder and the file go when the object goes. Failures are reported to GoogleTest.
class FixtureDb {
public:
    FixtureDb();
    ~FixtureDb();
    FixtureDb(const FixtureDb &) = delete;
    FixtureDb &operator=(const FixtureDb &) = delete;

    QString directory() const { return dir_.path(); }
    QString path() const;

    // DailyData. Prices in the units the game loads (Soybean in cents, T-Bond in decimal points).
    void addDaily(int commodityId, Day date, double open, double high, double low, double close,
                  int64_t openInterest = 0, int64_t dayVolume = 0);
    // A row whose open, high, low and close are all `close`.
    void addDailyClose(int commodityId, Day date, double close);
    // TickTradeDaysResults: one trading day of the tick calendar.
    void addCalendarDay(Day date);
    // TickData: a tick at a day and a time of day, or at a full date-time serial.
    void addTick(int commodityId, Day date, QTime time, double realPrice);
    void addTick(int commodityId, double dateTime, double realPrice);
    // OverviewNews: a background text (CommodityID 0: the disclaimer).
    void addOverviewNews(Day date, int commodityId, const QString &news);
    // sortedticknewsreleases: one release.
    void addNewsRelease(Day date, QTime time, const QString &title, const QString &story);
    // DatabaseInfo: change or add a row (Password, SchemaVersion).
    void setInfo(const QString &name, const QString &value);
    // Any other statement, for fixtures that break the rules (a dropped table, a NULL).
    void exec(const QString &sql);
    // Lets go of the fixture's own connection, as a program that wrote the file and ended would; the
    // rows stay in the file. Nothing may be added afterwards.
    void close();

    // The fraction of the day the database stores for a time.
    static double timeFraction(QTime time);

private:
    void insert(const char *sql, std::initializer_list<QVariant> values);

    QTemporaryDir dir_;
    sqlite3 *db_ = nullptr;
};

} // namespace tarvello::test
