#include "platform/db/Database.h"
#include "support/FixtureDb.h"

#include "common/VbDate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using namespace tarvello;
using namespace tarvello::db;
using tarvello::test::FixtureDb;

namespace {

const QString kConnect = QStringLiteral("; database=futures.mdb;PWD=kxq");

Database openFixture(const FixtureDb &fixture, const QString &connect = kConnect)
{
    auto ws = Workspace::create(QStringLiteral("JetWorkspace"), QStringLiteral("admin"), QString());
    auto db = ws.value().openDatabase(fixture.path(), true, true, connect);
    EXPECT_TRUE(db.ok()) << db.description().toStdString();
    return db ? std::move(db.value()) : Database();
}

Recordset query(const Database &db, const QString &sql)
{
    auto rs = db.openRecordset(sql);
    EXPECT_TRUE(rs.ok()) << rs.description().toStdString();
    return rs ? rs.value() : Recordset();
}

} // namespace

TEST(Recordset, CountsTheRowsVisitedSoFar)
{
    FixtureDb fixture;
    for (int day = 1; day <= 4; ++day)
        fixture.addDailyClose(3, {1990, 1, day}, 20.0 + day);
    const Database db = openFixture(fixture);
    Recordset rs = query(db, QStringLiteral("SELECT * FROM DailyData"));

    enum class Move { None, Next, First, Last };
    struct Step {
        Move move;
        int count;
        bool eof;
        double close;
    };
    const Step steps[] = {
        {Move::None, 1, false, 21}, {Move::Next, 2, false, 22},  {Move::First, 2, false, 21},
        {Move::Last, 4, false, 24}, {Move::First, 4, false, 21}, {Move::Last, 4, false, 24},
        {Move::Next, 4, true, 0},
    };
    for (const Step &s : steps) {
        switch (s.move) {
        case Move::None:
            break;
        case Move::Next:
            EXPECT_TRUE(rs.moveNext().ok());
            break;
        case Move::First:
            EXPECT_TRUE(rs.moveFirst().ok());
            break;
        case Move::Last:
            EXPECT_TRUE(rs.moveLast().ok());
            break;
        }
        EXPECT_EQ(rs.recordCount(), s.count);
        EXPECT_EQ(rs.eof(), s.eof);
        EXPECT_EQ(rs.field(u"Close").toDouble(), s.close);
    }

    // Past the end: the move fails, nothing changes, reads give null.
    const Status past = rs.moveNext();
    EXPECT_FALSE(past.ok());
    EXPECT_EQ(past.description(), QStringLiteral("No current record."));
    EXPECT_TRUE(rs.eof());
    EXPECT_TRUE(rs.field(u"Close").isNull());
    EXPECT_EQ(rs.recordCount(), 4);

    rs.close();
    EXPECT_FALSE(rs.isOpen());
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_TRUE(rs.field(u"Close").isNull());
    rs.close();
}

TEST(Recordset, EmptySetMovesHarmlessly)
{
    FixtureDb fixture;
    const Database db = openFixture(fixture);
    Recordset rs = query(db, QStringLiteral("SELECT * FROM DailyData"));
    EXPECT_TRUE(rs.isOpen());
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_TRUE(rs.moveLast().ok());
    EXPECT_TRUE(rs.moveFirst().ok());
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_TRUE(rs.eof());
    EXPECT_FALSE(rs.moveNext().ok());
    EXPECT_TRUE(rs.field(u"Date").isNull());
    EXPECT_TRUE(rs.hasField(u"Date"));
}

TEST(Recordset, FieldsByNameInAnyCaseWithNulls)
{
    FixtureDb fixture;
    fixture.exec(
        QStringLiteral("INSERT INTO DailyData VALUES (5, 32874, NULL, 1200, 581.5, 582.25, 580, 581.75)"));
    fixture.addOverviewNews({1990, 1, 1}, 5, QStringLiteral("Beans"));
    const Database db = openFixture(fixture);

    Recordset rs = query(db, QStringLiteral("SELECT * FROM DailyData"));
    for (const char16_t *name : {u"CommodityID", u"commodityid", u"COMMODITYID"}) {
        EXPECT_EQ(rs.field(name), Value::integer(5));
    }
    EXPECT_EQ(rs.field(u"date"), Value::real(32874));
    EXPECT_EQ(rs.field(u"high").toDouble(), 582.25);
    EXPECT_TRUE(rs.field(u"OpenInterest").isNull());
    EXPECT_EQ(rs.field(u"OpenInterest").toInt(), 0);
    EXPECT_EQ(rs.field(u"DayVolume").toInt(), 1200);
    EXPECT_TRUE(rs.field(u"NoSuchField").isNull());
    EXPECT_FALSE(rs.hasField(u"NoSuchField"));

    // A bracketed column keeps its plain name.
    rs = query(db, QStringLiteral("SELECT DISTINCT [Date] FROM DailyData"));
    EXPECT_EQ(rs.fieldNames(), QStringList{QStringLiteral("Date")});

    rs = query(db, QStringLiteral("SELECT * FROM OverviewNews"));
    EXPECT_EQ(rs.field(u"news").toString(), QStringLiteral("Beans"));
}

TEST(Value, AccessorsAreSafe)
{
    struct Case {
        Value value;
        double d;
        bool dOk;
        int32_t i;
        bool iOk;
        const char *text;
    };
    const Case cases[] = {
        {Value(), 0, false, 0, false, ""},
        {Value::integer(42), 42, true, 42, true, "42"},
        {Value::real(2.5), 2.5, true, 2, true, "2.5"},
        {Value::real(3.5), 3.5, true, 4, true, "3.5"},
        {Value::real(-2.5), -2.5, true, -2, true, "-2.5"},
        {Value::real(1e12), 1e12, true, 2147483647, false, "1000000000000"},
        {Value::text(QStringLiteral(" 12.5 ")), 12.5, true, 12, true, " 12.5 "},
        {Value::text(QStringLiteral("Oil")), 0, false, 0, false, "Oil"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        bool ok = !c.dOk;
        EXPECT_EQ(c.value.toDouble(&ok), c.d);
        EXPECT_EQ(ok, c.dOk);
        ok = !c.iOk;
        EXPECT_EQ(c.value.toInt(&ok), c.i);
        EXPECT_EQ(ok, c.iOk);
        EXPECT_EQ(c.value.toString(), QString::fromLatin1(c.text));
    }
}

TEST(SqlFunctions, DateValueAndTimeValueInQueries)
{
    FixtureDb fixture;
    const Database db = openFixture(fixture);
    const double feb1 = vb::toSerial(1996, 2, 1);
    struct Case {
        const char *expression;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"DateValue('2/1/1996')", feb1},
        {"DATEVALUE('2/1/96')", feb1},
        {"datevalue('1996-02-01')", feb1},
        {"DateValue('1996/02/01')", feb1},
        {"DateValue('10/17/65')", vb::toSerial(1965, 10, 17)},
        {"DateValue('2/1/1996 9:00:00 AM')", feb1},
        {"DateValue(35096.75)", feb1},
        {"DateValue(35096)", feb1},
        {"DateValue('13/1/1996')", std::nullopt},
        {"DateValue('Smarch 1996')", std::nullopt},
        {"DateValue('')", std::nullopt},
        {"DateValue(NULL)", std::nullopt},
        {"timevalue('9:00:00 AM')", 0.375},
        {"TimeValue('11:01 am')", 661.0 / 1440},
        {"TIMEVALUE('12:00 am')", 0.0},
        {"timevalue('12:00:00 PM')", 0.5},
        {"timevalue('11:59 pm')", 1439.0 / 1440},
        {"timevalue('14:30')", 870.0 / 1440},
        {"timevalue('2/1/1996 2:00 PM')", 840.0 / 1440},
        {"timevalue('2/1/1996')", 0.0},
        {"timevalue(35096.25)", 0.25},
        {"timevalue('13:00 pm')", std::nullopt},
        {"timevalue('noon')", std::nullopt},
        {"timevalue(NULL)", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expression);
        const Recordset rs = query(db, QStringLiteral("SELECT %1 AS v").arg(QLatin1String(c.expression)));
        const Value v = rs.field(u"v");
        if (!c.expected) {
            EXPECT_TRUE(v.isNull());
            continue;
        }
        EXPECT_EQ(v.kind(), Value::Kind::Real);
        EXPECT_NEAR(v.toDouble(), *c.expected, 1e-12);
    }
}

TEST(Workspace, OpenFailuresCarryADescription)
{
    FixtureDb wrongPassword;
    wrongPassword.setInfo(QStringLiteral("Password"), QStringLiteral("other"));
    FixtureDb fixture;
    const QString notADatabase = fixture.directory() + QStringLiteral("/notes.mdb");
    {
        QFile f(notADatabase);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("This is a text file, long enough to have a header of one hundred bytes and a bit "
                           "more than that, so the engine reads it."));
    }
    const int before = Database::openConnections();

    struct Case {
        const char *label;
        QString path;
        QString connect;
        const char *description;
    };
    const Case cases[] = {
        {"missing file", fixture.directory() + QStringLiteral("/none.mdb"), kConnect,
         "Could not find the price database"},
        {"not a database", notADatabase, kConnect, "is not a price database."},
        {"a folder", fixture.directory(), kConnect, "is not a price database file."},
        {"wrong password", wrongPassword.path(), kConnect, "Not a valid password for the price database."},
        {"password case", fixture.path(), QStringLiteral(";PWD=KXQ"), "Not a valid password"},
        {"no password", fixture.path(), QStringLiteral("; database=futures.mdb"), "Not a valid password"},
    };
    auto ws = Workspace::create(QStringLiteral("JetWorkspace"), QStringLiteral("admin"), QString());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        auto db = ws.value().openDatabase(c.path, true, true, c.connect);
        ASSERT_FALSE(db.ok());
        EXPECT_TRUE(db.description().contains(QLatin1String(c.description)))
            << db.description().toStdString();
        EXPECT_EQ(Database::openConnections(), before);
    }

    ws.value().close();
    auto closed = ws.value().openDatabase(fixture.path(), true, true, kConnect);
    EXPECT_FALSE(closed.ok());
    EXPECT_EQ(closed.description(), QStringLiteral("The workspace is closed."));
}

TEST(Workspace, PasswordComesFromTheConnectString)
{
    struct Case {
        const char *connect;
        const char *password;
    };
    const Case cases[] = {
        {"; database=C:\\Games\\futures.mdb;PWD=kxq", "kxq"},
        {";pwd=kxq", "kxq"},
        {"PWD=kxq;database=x", "kxq"},
        {"; database=x", ""},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(connectPassword(QString::fromLatin1(c.connect)), QString::fromLatin1(c.password))
            << c.connect;

    // A file that records no password opens whatever the connect string carries.
    FixtureDb fixture;
    fixture.exec(QStringLiteral("DROP TABLE DatabaseInfo"));
    const Database db = openFixture(fixture, QStringLiteral(";PWD=anything"));
    EXPECT_TRUE(db.isOpen());
}

TEST(Database, QueryFailuresCarryADescription)
{
    FixtureDb fixture;
    fixture.addDailyClose(3, {1990, 1, 2}, 21.0);
    fixture.exec(QStringLiteral("DROP TABLE TickData"));
    Database db = openFixture(fixture);

    struct Case {
        const char *sql;
        const char *description;
    };
    const Case cases[] = {
        {"SELECT * FROM TickData WHERE [CommodityID] = 3", "no such table: TickData"},
        {"SELEKT * FROM DailyData", "syntax error"},
        {"", "the query is empty"},
        {"DELETE FROM DailyData", "the price database is only read"},
        {"SELECT 1; DELETE FROM DailyData", "only one statement"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.sql);
        auto rs = db.openRecordset(QString::fromLatin1(c.sql));
        ASSERT_FALSE(rs.ok());
        EXPECT_TRUE(rs.description().startsWith(QLatin1String("Could not read the price database")));
        EXPECT_TRUE(rs.description().contains(QLatin1String(c.description)))
            << rs.description().toStdString();
    }
    EXPECT_EQ(query(db, QStringLiteral("SELECT count(*) AS n FROM DailyData")).field(u"n").toInt(), 1);

    db.close();
    db.close();
    EXPECT_FALSE(db.isOpen());
    auto closed = db.openRecordset(QStringLiteral("SELECT 1"));
    EXPECT_FALSE(closed.ok());
    EXPECT_EQ(closed.description(), QStringLiteral("The price database is not open."));
}

TEST(Database, HandlesCloseWithTheirOwner)
{
    FixtureDb fixture;
    const int before = Database::openConnections();
    {
        Database a = openFixture(fixture);
        EXPECT_EQ(Database::openConnections(), before + 1);
        Database b = std::move(a);
        EXPECT_FALSE(a.isOpen());
        EXPECT_TRUE(b.isOpen());
        EXPECT_EQ(Database::openConnections(), before + 1);
        b = openFixture(fixture); // the handle it held is closed
        EXPECT_EQ(Database::openConnections(), before + 1);
    }
    EXPECT_EQ(Database::openConnections(), before);
}

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// The game writes nothing to disk, whatever journal the file was last written with: a file in WAL mode
// is read as it stands, without the "-wal" and "-shm" files SQLite would otherwise make beside it.
TEST(Workspace, AWalModeFileIsReadWithoutWritingBesideIt)
{
    FixtureDb fixture;
    fixture.addDailyClose(3, {1990, 1, 2}, 21.0);
    fixture.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    fixture.addDailyClose(3, {1990, 1, 3}, 22.0);
    fixture.close();
    ASSERT_FALSE(QFile::exists(fixture.path() + QStringLiteral("-wal")));

    // The same file in folders whose names a file URI must escape.
    for (const QString &folder :
         {QString(), QStringLiteral("my prices"), QStringLiteral("odd #1 %41 ?x=y;")}) {
        SCOPED_TRACE(folder.toStdString());
        const QString path =
            folder.isEmpty() ? fixture.path()
                             : QDir(fixture.directory()).filePath(folder + QStringLiteral("/futures.mdb"));
        if (!folder.isEmpty()) {
            ASSERT_TRUE(QDir(fixture.directory()).mkpath(folder));
            ASSERT_TRUE(QFile::copy(fixture.path(), path));
        }
        const QString wal = path + QStringLiteral("-wal"), shm = path + QStringLiteral("-shm");
        const QByteArray before = fileBytes(path);
        {
            auto ws = Workspace::create(QStringLiteral("JetWorkspace"), QStringLiteral("admin"), QString());
            auto db = ws.value().openDatabase(path, true, true, kConnect);
            ASSERT_TRUE(db.ok()) << db.description().toStdString();
            EXPECT_EQ(
                query(db.value(), QStringLiteral("SELECT count(*) AS n FROM DailyData")).field(u"n").toInt(),
                2);
            EXPECT_FALSE(QFile::exists(wal));
            EXPECT_FALSE(QFile::exists(shm));
        }
        EXPECT_FALSE(QFile::exists(wal));
        EXPECT_FALSE(QFile::exists(shm));
        EXPECT_EQ(fileBytes(path), before);
    }
}

// A WAL-mode file that another program holds with changes still in its "-wal" file cannot be read as it
// stands: the open is refused with a plain reason, and nothing beside the file is touched.
TEST(Workspace, AWalModeFileAnotherProgramIsChangingIsRefused)
{
    FixtureDb fixture;
    fixture.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    fixture.exec(QStringLiteral("PRAGMA wal_autocheckpoint = 0"));
    fixture.addDailyClose(3, {1990, 1, 2}, 21.0);
    const QString wal = fixture.path() + QStringLiteral("-wal");
    const QString shm = fixture.path() + QStringLiteral("-shm");
    ASSERT_GT(QFileInfo(wal).size(), 0);
    const QByteArray walBefore = fileBytes(wal), shmBefore = fileBytes(shm),
                     before = fileBytes(fixture.path());
    const int connections = Database::openConnections();

    auto ws = Workspace::create(QStringLiteral("JetWorkspace"), QStringLiteral("admin"), QString());
    auto db = ws.value().openDatabase(fixture.path(), true, true, kConnect);
    ASSERT_FALSE(db.ok());
    EXPECT_TRUE(db.description().contains(QLatin1String("another program")))
        << db.description().toStdString();
    EXPECT_TRUE(db.description().contains(QDir::toNativeSeparators(fixture.path())));
    EXPECT_EQ(Database::openConnections(), connections);
    EXPECT_EQ(fileBytes(wal), walBefore);
    EXPECT_EQ(fileBytes(shm), shmBefore);
    EXPECT_EQ(fileBytes(fixture.path()), before);
}

// Rows read one at a time come in the query's order with the same values as a recordset gives, and a
// failure while stepping ends the rows with the engine's reason instead of passing for their end.
TEST(RowStream, GivesTheRowsOneAtATime)
{
    FixtureDb fixture;
    fixture.addDaily(3, {1990, 1, 2}, 20.5, 21, 20, 20.75, 7, 9);
    fixture.exec(QStringLiteral("INSERT INTO DailyData VALUES (3, %1, NULL, NULL, 1, 2, 0.5, 1.5)")
                     .arg(vb::toSerial(1990, 1, 3)));
    const Database db = openFixture(fixture);

    auto stream = db.streamRows(QStringLiteral("SELECT * FROM DailyData WHERE CommodityID = 3"));
    ASSERT_TRUE(stream.ok()) << stream.description().toStdString();
    RowStream &rows = stream.value();
    EXPECT_EQ(rows.fieldNames().size(), 8);
    const qsizetype close = rows.fieldIndex(u"CLOSE"), interest = rows.fieldIndex(u"openinterest");
    EXPECT_EQ(rows.fieldIndex(u"Missing"), -1);
    EXPECT_TRUE(rows.fieldAt(close).isNull()); // no current row before the first move

    Recordset whole = query(db, QStringLiteral("SELECT * FROM DailyData WHERE CommodityID = 3"));
    int count = 0;
    for (; rows.next(); ++count, whole.moveNext()) {
        for (qsizetype i = 0; i < rows.fieldNames().size(); ++i)
            EXPECT_EQ(rows.fieldAt(i), whole.fieldAt(i)) << count << " " << i;
    }
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(rows.status().ok());
    EXPECT_FALSE(rows.next()); // the end stays the end
    EXPECT_TRUE(rows.fieldAt(interest).isNull());

    auto failing = db.streamRows(QStringLiteral("SELECT abs(-9223372036854775807 - 1) AS n"));
    ASSERT_TRUE(failing.ok());
    EXPECT_FALSE(failing.value().next());
    EXPECT_FALSE(failing.value().status().ok());
    EXPECT_TRUE(failing.value().status().description().contains(QLatin1String("integer overflow")))
        << failing.value().status().description().toStdString();

    for (const char *sql : {"SELECT * FROM Nowhere", "DELETE FROM DailyData", ""}) {
        auto refused = db.streamRows(QString::fromLatin1(sql));
        EXPECT_FALSE(refused.ok()) << sql;
        EXPECT_TRUE(refused.description().startsWith(QLatin1String("Could not read the price database")));
    }
    EXPECT_FALSE(Database().streamRows(QStringLiteral("SELECT 1")).ok());
}

// A number read straight from a row stream or a recordset is what the field's value gives.
TEST(RowStream, NumbersAreWhatTheValuesGive)
{
    FixtureDb fixture;
    const Database db = openFixture(fixture);
    const QString sql = QStringLiteral("SELECT 42 AS a, 2.5 AS b, ' 7.25 ' AS c, 'seven' AS d, NULL AS e, "
                                       "x'00' AS f, 1e308 * 10 AS g, -0.0 AS h");
    auto stream = db.streamRows(sql);
    ASSERT_TRUE(stream.ok());
    ASSERT_TRUE(stream.value().next());
    const Recordset rs = query(db, sql);
    for (qsizetype i = 0; i < rs.fieldNames().size(); ++i) {
        SCOPED_TRACE(rs.fieldNames()[i].toStdString());
        bool expectedOk = false, streamOk = !expectedOk, recordOk = !expectedOk;
        const double expected = rs.fieldAt(i).toDouble(&expectedOk);
        EXPECT_EQ(stream.value().number(i, &streamOk), expected);
        EXPECT_EQ(streamOk, expectedOk);
        EXPECT_EQ(rs.number(i, &recordOk), expected);
        EXPECT_EQ(recordOk, expectedOk);
    }
    bool ok = true;
    EXPECT_EQ(stream.value().number(99, &ok), 0.0);
    EXPECT_FALSE(ok);
}

TEST(Database, TellsWhetherAColumnIsDeclaredNotNull)
{
    FixtureDb fixture;
    fixture.exec(QStringLiteral("CREATE TABLE Loose (CommodityID, [Date] REAL)"));
    const Database db = openFixture(fixture);
    const struct {
        const char *table;
        const char *column;
        std::optional<bool> notNull;
    } cases[] = {
        {"DailyData", "Date", true},
        {"DailyData", "close", true},
        {"DailyData", "OpenInterest", false},
        {"TickData", "DateTime", true},
        {"Loose", "Date", false},
        {"Loose", "CommodityID", false},
        {"DailyData", "Nowhere", std::nullopt},
        {"Nowhere", "Date", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(db.columnNotNull(QString::fromLatin1(c.table), QString::fromLatin1(c.column)), c.notNull)
            << c.table << "." << c.column;
    EXPECT_EQ(Database().columnNotNull(QStringLiteral("DailyData"), QStringLiteral("Date")), std::nullopt);
}

// What each name stands for, from the schema as the file opened: the word AS in a table's statement
// (a cast, a column named so) does not make a computed column of it.
TEST(Database, TellsTablesOfStoredRowsFromTablesMadeWhenRead)
{
    FixtureDb fixture;
    fixture.exec(QStringLiteral(
        "CREATE TABLE Plain (x REAL CHECK (CAST(x AS REAL) >= 0), [as] TEXT);"
        "CREATE TABLE Computed (x REAL, twice REAL AS (x * 2) VIRTUAL, stored REAL AS (x * 3) STORED);"
        "CREATE TABLE StoredOnly (x REAL, thrice REAL GENERATED ALWAYS AS (x * 3) STORED);"
        "CREATE VIEW Made AS SELECT 1 AS x;"
        "CREATE VIRTUAL TABLE Words USING fts5(word)"));
    Database db = openFixture(fixture);

    struct Case {
        const char *name;
        Database::TableKind kind;
        const char *column;
    };
    const Case cases[] = {
        {"DailyData", Database::TableKind::Stored, ""},       {"dailydata", Database::TableKind::Stored, ""},
        {"Plain", Database::TableKind::Stored, ""},           {"StoredOnly", Database::TableKind::Stored, ""},
        {"Computed", Database::TableKind::Computed, "twice"}, {"Made", Database::TableKind::View, ""},
        {"Words", Database::TableKind::Virtual, ""},          {"Nowhere", Database::TableKind::Missing, ""},
    };
    for (const Case &c : cases) {
        QString column;
        EXPECT_EQ(db.tableKind(QString::fromLatin1(c.name), &column), c.kind) << c.name;
        EXPECT_EQ(column, QString::fromLatin1(c.column)) << c.name;
    }
    db.close();
    EXPECT_EQ(db.tableKind(u"DailyData"), Database::TableKind::Missing);
}
