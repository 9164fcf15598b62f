#include "support/FixtureDb.h"

#include "common/VbDate.h"
#include "data/PriceSchema.h"

#include <QDir>
#include <QFile>
#include <QVariant>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace tarvello::test {

Day::Day(QDate date) : serial(vb::toSerial(date)) {}
Day::Day(int year, int month, int day) : serial(vb::toSerial(year, month, day)) {}

FixtureDb::FixtureDb()
{
    if (!dir_.isValid()) {
        ADD_FAILURE() << "fixture: no temporary folder";
        return;
    }
    if (sqlite3_open_v2(QFile::encodeName(path()).constData(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "fixture: cannot create " << path().toStdString();
        return;
    }
    // A throw-away file: no need to wait for the disk after every row.
    exec(QStringLiteral("PRAGMA synchronous = OFF"));
    exec(QString::fromLatin1(kPriceSchemaSql));
    setInfo(QStringLiteral("Password"), QString::fromLatin1(kPricePassword));
    setInfo(QStringLiteral("SchemaVersion"), QString::fromLatin1(kSchemaVersion));
}

FixtureDb::~FixtureDb()
{
    close();
}

void FixtureDb::close()
{
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

QString FixtureDb::path() const
{
    return QDir(dir_.path()).filePath(QString::fromLatin1(kPriceFileName));
}

double FixtureDb::timeFraction(QTime time)
{
    return (time.hour() * 3600 + time.minute() * 60 + time.second()) / 86400.0;
}

void FixtureDb::exec(const QString &sql)
{
    char *message = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        ADD_FAILURE() << "fixture: " << (message ? message : sqlite3_errmsg(db_)) << " in "
                      << sql.toStdString();
    }
    sqlite3_free(message);
}

void FixtureDb::insert(const char *sql, std::initializer_list<QVariant> values)
{
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "fixture: " << sqlite3_errmsg(db_) << " in " << sql;
        return;
    }
    int i = 1;
    for (const QVariant &v : values) {
        switch (v.typeId()) {
        case QMetaType::Double:
            sqlite3_bind_double(stmt, i, v.toDouble());
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
            sqlite3_bind_int64(stmt, i, v.toLongLong());
            break;
        case QMetaType::QString: {
            const QByteArray text = v.toString().toUtf8();
            sqlite3_bind_text(stmt, i, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            break;
        }
        default:
            sqlite3_bind_null(stmt, i);
            break;
        }
        ++i;
    }
    if (sqlite3_step(stmt) != SQLITE_DONE)
        ADD_FAILURE() << "fixture: " << sqlite3_errmsg(db_) << " in " << sql;
    sqlite3_finalize(stmt);
}

void FixtureDb::addDaily(int commodityId, Day date, double open, double high, double low, double close,
                         int64_t openInterest, int64_t dayVolume)
{
    insert("INSERT INTO DailyData (CommodityID, [Date], OpenInterest, DayVolume, [Open], High, Low, [Close]) "
           "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
           {commodityId, date.serial, qint64(openInterest), qint64(dayVolume), open, high, low, close});
}

void FixtureDb::addDailyClose(int commodityId, Day date, double close)
{
    addDaily(commodityId, date, close, close, close, close);
}

void FixtureDb::addCalendarDay(Day date)
{
    insert("INSERT INTO TickTradeDaysResults ([Date]) VALUES (?)", {date.serial});
}

void FixtureDb::addTick(int commodityId, Day date, QTime time, double realPrice)
{
    addTick(commodityId, date.serial + timeFraction(time), realPrice);
}

void FixtureDb::addTick(int commodityId, double dateTime, double realPrice)
{
    insert("INSERT INTO TickData (CommodityID, [DateTime], realprice) VALUES (?, ?, ?)",
           {commodityId, dateTime, realPrice});
}

void FixtureDb::addOverviewNews(Day date, int commodityId, const QString &news)
{
    insert("INSERT INTO OverviewNews ([Date], CommodityID, News) VALUES (?, ?, ?)",
           {date.serial, commodityId, news});
}

void FixtureDb::addNewsRelease(Day date, QTime time, const QString &title, const QString &story)
{
    insert("INSERT INTO sortedticknewsreleases (NRDate, NRTime, NRTitle, NRStory) VALUES (?, ?, ?, ?)",
           {date.serial, timeFraction(time), title, story});
}

void FixtureDb::setInfo(const QString &name, const QString &value)
{
    insert("INSERT OR REPLACE INTO DatabaseInfo (Name, Value) VALUES (?, ?)", {name, value});
}

} // namespace tarvello::test
