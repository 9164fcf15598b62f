#include "data/PriceDatabase.h"
#include "support/FixtureDb.h"

#include "common/VbDate.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarvello;
using tarvello::test::FixtureDb;

namespace {

double d(int y, int m, int day)
{
    return vb::toSerial(y, m, day);
}

double at(int y, int m, int day, int hour, int minute)
{
    return d(y, m, day) + (hour * 60 + minute) / 1440.0;
}

// The values of one field over every row, in the order the query returns them.
std::vector<double> column(const PriceDatabaseState &state, const QString &sql, QStringView field)
{
    auto rs = state.FuturesDb.openRecordset(sql);
    EXPECT_TRUE(rs.ok()) << rs.description().toStdString();
    std::vector<double> values;
    if (!rs)
        return values;
    for (; !rs.value().eof(); rs.value().moveNext())
        values.push_back(rs.value().field(field).toDouble());
    return values;
}

PriceDatabaseState openState(const FixtureDb &fixture)
{
    PriceDatabaseState state;
    int32_t selected = 0;
    double start = 0;
    InitDatabaseGlobals(state, fixture.directory(), selected, start);
    const db::Status opened = OpenPriceDatabase(state, state.DbPath);
    EXPECT_TRUE(opened.ok()) << opened.description().toStdString();
    return state;
}

} // namespace

TEST(PriceQueries, TextsAreExact)
{
    struct Case {
        QString built;
        const char *expected;
    };
    const Case cases[] = {
        {TickCalendarQuery(d(1996, 2, 1), d(1996, 3, 1)),
         "SELECT * FROM TickTradeDaysResults WHERE DateValue([Date]) >= DateValue('2/1/1996') AND "
         "DateValue([Date]) < DateValue('3/1/1996')ORDER BY DateValue([Date])"},
        {DailyCalendarQuery(d(1990, 1, 1), d(1991, 1, 1)),
         "SELECT DISTINCT [Date] FROM DailyData WHERE [Date] >= DateValue('1/1/1990') AND "
         "[Date] < DateValue('1/1/1991')ORDER BY [Date]"},
        {DailyRowsQuery(3, d(1990, 12, 15), d(1991, 12, 15)),
         "SELECT * FROM DailyData WHERE [CommodityID] = 3 And [Date] >= DateValue('12/15/1990') AND "
         "[Date] < DateValue('12/15/1991')"},
        {TickRowsQuery(6, d(1996, 10, 1), d(1997, 1, 1)),
         "SELECT * FROM TickData WHERE [CommodityID] = 6 And [DateTime] >= DateValue('10/1/1996') AND "
         "[DateTime] < DateValue('1/1/1997')"},
        {OverviewNewsQuery(d(1965, 10, 17), 0),
         "SELECT * FROM OverviewNews WHERE [Date] = DateValue('10/17/1965') AND [CommodityID] = 0"},
        {OverviewNewsQuery(d(1989, 1, 1) + 0.5, 4),
         "SELECT * FROM OverviewNews WHERE [Date] = DateValue('1/1/1989') AND [CommodityID] = 4"},
        {NewsReleasesQuery(d(1996, 2, 1), 9.0 / 24, QStringLiteral("11:01 am")),
         "SELECT * FROM sortedticknewsreleases WHERE [NRDate] = DateValue('2/1/1996') AND "
         "[NRTime] >= timevalue('9:00:00 AM') And [NRTime] < timevalue('11:01 am')"},
        {NewsReleasesQuery(d(1996, 2, 1), 0.0, QStringLiteral("9:00 am")),
         "SELECT * FROM sortedticknewsreleases WHERE [NRDate] = DateValue('2/1/1996') AND "
         "[NRTime] >= timevalue('12:00:00 AM') And [NRTime] < timevalue('9:00 am')"},
        {NewsReleasesQuery(d(1997, 12, 31), 14.0 / 24, QStringLiteral("11:59 pm")),
         "SELECT * FROM sortedticknewsreleases WHERE [NRDate] = DateValue('12/31/1997') AND "
         "[NRTime] >= timevalue('2:00:00 PM') And [NRTime] < timevalue('11:59 pm')"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.built, QString::fromLatin1(c.expected));
}

TEST(PriceQueries, RowsComeBackInDateOrderWithoutOrderBy)
{
    FixtureDb fixture;
    // Written out of order, with neighbours of other instruments and days just outside the year.
    for (int day : {17, 3, 31, 2, 9}) {
        fixture.addDailyClose(3, {1990, 1, day}, 20.0 + day);
        fixture.addDailyClose(2, {1990, 1, day}, 400.0 + day);
    }
    fixture.addDailyClose(3, {1990, 12, 31}, 25.0);
    fixture.addDailyClose(3, {1991, 1, 1}, 26.0);
    fixture.addDailyClose(3, {1989, 12, 29}, 19.0);
    fixture.addDailyClose(1, {1990, 6, 1}, 75.0); // a day only one instrument has
    for (auto [day, h, m] :
         {std::tuple{2, 13, 45}, {1, 9, 0}, {2, 8, 45}, {29, 14, 10}, {1, 8, 45}, {1, 12, 5}})
        fixture.addTick(3, at(1996, 2, day, h, m), 2.0 + day / 100.0);
    fixture.addTick(3, at(1996, 3, 1, 8, 45), 3.0);
    fixture.addTick(3, at(1996, 1, 31, 13, 45), 1.0);
    fixture.addTick(4, at(1996, 2, 1, 9, 0), 35.0);
    for (int day : {5, 1, 29, 2})
        fixture.addCalendarDay({1996, 2, day});
    fixture.addCalendarDay({1996, 3, 1});
    fixture.addCalendarDay({1996, 1, 31});
    const PriceDatabaseState state = openState(fixture);

    const double y1990 = d(1990, 1, 1), y1991 = d(1991, 1, 1);
    EXPECT_EQ(column(state, DailyRowsQuery(3, y1990, y1991), u"Date"),
              (std::vector<double>{d(1990, 1, 2), d(1990, 1, 3), d(1990, 1, 9), d(1990, 1, 17),
                                   d(1990, 1, 31), d(1990, 12, 31)}));
    EXPECT_EQ(column(state, DailyRowsQuery(3, y1990, y1991), u"Close"),
              (std::vector<double>{22, 23, 29, 37, 51, 25}));
    EXPECT_EQ(column(state, DailyCalendarQuery(y1990, y1991), u"Date"),
              (std::vector<double>{d(1990, 1, 2), d(1990, 1, 3), d(1990, 1, 9), d(1990, 1, 17),
                                   d(1990, 1, 31), d(1990, 6, 1), d(1990, 12, 31)}));

    const double feb = d(1996, 2, 1), mar = d(1996, 3, 1);
    EXPECT_EQ(column(state, TickRowsQuery(3, feb, mar), u"DateTime"),
              (std::vector<double>{at(1996, 2, 1, 8, 45), at(1996, 2, 1, 9, 0), at(1996, 2, 1, 12, 5),
                                   at(1996, 2, 2, 8, 45), at(1996, 2, 2, 13, 45), at(1996, 2, 29, 14, 10)}));
    EXPECT_EQ(column(state, TickCalendarQuery(feb, mar), u"Date"),
              (std::vector<double>{d(1996, 2, 1), d(1996, 2, 2), d(1996, 2, 5), d(1996, 2, 29)}));
}

TEST(PriceQueries, NewsReleasesOfOneWindow)
{
    FixtureDb fixture;
    const QDate day(1996, 2, 1);
    fixture.addNewsRelease(day, QTime(8, 30), QStringLiteral("Early"), QStringLiteral("a"));
    fixture.addNewsRelease(day, QTime(9, 0), QStringLiteral("Nine"), QStringLiteral("b"));
    fixture.addNewsRelease(day, QTime(11, 0, 30), QStringLiteral("Late morning"), QStringLiteral("c"));
    fixture.addNewsRelease(day, QTime(11, 1), QStringLiteral("Noon"), QStringLiteral("d"));
    fixture.addNewsRelease(day.addDays(1), QTime(10, 0), QStringLiteral("Next day"), QStringLiteral("e"));
    const PriceDatabaseState state = openState(fixture);

    auto rs =
        state.FuturesDb.openRecordset(NewsReleasesQuery(d(1996, 2, 1), 9.0 / 24, QStringLiteral("11:01 am")));
    ASSERT_TRUE(rs.ok()) << rs.description().toStdString();
    QStringList titles;
    for (; !rs.value().eof(); rs.value().moveNext())
        titles << rs.value().field(u"NRTitle").toString();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Nine"), QStringLiteral("Late morning")}));
}

TEST(PriceDatabase, InitSetsTheStartUpDefaults)
{
    PriceDatabaseState state;
    state.DbOpen = true;
    int32_t selected = 0;
    double start = 0;
    InitDatabaseGlobals(state, QStringLiteral("/opt/tarvello"), selected, start);
    EXPECT_FALSE(state.DbOpen);
    EXPECT_EQ(state.DbPath, QStringLiteral("/opt/tarvello/futures.mdb"));
    EXPECT_EQ(state.DbUser, QStringLiteral("admin"));
    EXPECT_TRUE(state.WorkspacePassword.isEmpty());
    EXPECT_EQ(selected, 3);
    EXPECT_EQ(start, d(1990, 12, 15));
    const std::array<QString, 6> names = {QStringLiteral("Cattle"),  QStringLiteral("Gold"),
                                          QStringLiteral("Oil"),     QStringLiteral("SP500"),
                                          QStringLiteral("Soybean"), QStringLiteral("TBond")};
    EXPECT_EQ(state.CommodityNames, names);
}

TEST(PriceDatabase, OverviewNewsLookUp)
{
    FixtureDb fixture;
    fixture.addOverviewNews({1965, 10, 17}, 0, QStringLiteral("Prices are for play only."));
    fixture.addOverviewNews({1989, 1, 1}, 3, QStringLiteral("Oil in 1989."));
    fixture.addOverviewNews({1989, 1, 1}, 2, QStringLiteral("Gold in 1989."));
    PriceDatabaseState state = openState(fixture);

    struct Case {
        double date;
        int32_t id;
        const char *news;
    };
    const Case cases[] = {
        {d(1965, 10, 17), 0, "Prices are for play only."},
        {d(1989, 1, 1), 3, "Oil in 1989."},
        {d(1989, 1, 1) + 0.75, 2, "Gold in 1989."},
        {d(1989, 1, 1), 4, ""},
        {d(1990, 1, 1), 3, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GetOverviewNews(state, c.date, c.id), QString::fromUtf8(c.news)) << c.id;

    CloseDatabase(state);
    EXPECT_EQ(GetOverviewNews(state, d(1965, 10, 17), 0), QString());

    FixtureDb noTable;
    noTable.exec(QStringLiteral("DROP TABLE OverviewNews"));
    PriceDatabaseState broken = openState(noTable);
    EXPECT_EQ(GetOverviewNews(broken, d(1965, 10, 17), 0), QString());
}

TEST(PriceDatabase, OneHandleAtATime)
{
    FixtureDb fixture;
    const int before = db::Database::openConnections();
    PriceDatabaseState state;
    int32_t selected = 0;
    double start = 0;
    InitDatabaseGlobals(state, fixture.directory(), selected, start);

    // Start-up, then two game loads: still one handle, and the database answers.
    for (int open = 0; open < 3; ++open) {
        ASSERT_TRUE(OpenPriceDatabase(state, state.DbPath).ok());
        EXPECT_TRUE(state.DbOpen);
        EXPECT_TRUE(state.FuturesWorkspace.isOpen());
        EXPECT_EQ(db::Database::openConnections(), before + 1);
    }
    EXPECT_TRUE(state.FuturesDb.openRecordset(QStringLiteral("SELECT * FROM DailyData")).ok());

    // Exit closes the start-up handle too; closing again is harmless.
    EXPECT_TRUE(CloseDatabase(state));
    EXPECT_FALSE(state.DbOpen);
    EXPECT_FALSE(state.FuturesDb.isOpen());
    EXPECT_FALSE(state.FuturesWorkspace.isOpen());
    EXPECT_EQ(db::Database::openConnections(), before);
    EXPECT_TRUE(CloseDatabase(state));
    EXPECT_EQ(db::Database::openConnections(), before);
}

TEST(PriceDatabase, FailedOpenLeavesNothingOpen)
{
    FixtureDb fixture;
    FixtureDb wrongPassword;
    wrongPassword.setInfo(QStringLiteral("Password"), QStringLiteral("secret"));
    const int before = db::Database::openConnections();

    struct Case {
        const char *label;
        QString path;
        const char *description;
    };
    const Case cases[] = {
        {"missing", fixture.directory() + QStringLiteral("/gone/futures.mdb"),
         "Could not find the price database"},
        {"wrong password", wrongPassword.path(), "Not a valid password"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        PriceDatabaseState state = openState(fixture); // a handle from an earlier open
        const db::Status opened = OpenPriceDatabase(state, c.path);
        EXPECT_FALSE(opened.ok());
        EXPECT_TRUE(opened.description().contains(QLatin1String(c.description)))
            << opened.description().toStdString();
        EXPECT_EQ(state.DbOpenFailed, 1);
        EXPECT_FALSE(state.DbOpen);
        EXPECT_FALSE(state.FuturesDb.isOpen());
        EXPECT_FALSE(state.FuturesWorkspace.isOpen());
        EXPECT_EQ(db::Database::openConnections(), before);
    }
}
