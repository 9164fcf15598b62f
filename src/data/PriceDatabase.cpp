#include "data/PriceDatabase.h"

#include "common/VbDate.h"
#include "data/PriceSchema.h"

#include <QDir>
#include <QStringList>

namespace tarvello {

namespace {
const QString kWorkspaceName = QStringLiteral("JetWorkspace");

QString dateText(double date)
{
    return vb::shortDate(date);
}

// The tables the game reads. Each must hold stored values: a view, a virtual table or a column computed
// when read makes its values as they are read, with no bound on how many or how long (a view over a
// recursive query can yield rows without end), and the game would stop answering while it read them.
const char *const kPriceTables[] = {
    "DailyData",   "TickData", "TickTradeDaysResults", "OverviewNews", "sortedticknewsreleases",
    "DatabaseInfo"};

// `made` says what of `table` is made only when read.
QString computedRowsRefusal(const QString &path, const QString &table, const QString &made)
{
    return QStringLiteral("The price database \"%1\" cannot be used: %2, and nothing bounds how long that "
                          "takes. Please put a price database made by futures-db in its place, or make %3 "
                          "an ordinary table.")
        .arg(QDir::toNativeSeparators(path), made, table);
}

// A price table that is present but does not hold stored rows is refused before any of it is read,
// from the schema alone; a missing table is left to the queries that need it.
db::Status checkStoredTables(const db::Database &database, const QString &path)
{
    using Kind = db::Database::TableKind;
    for (const char *name : kPriceTables) {
        const QString table = QLatin1String(name);
        QString column;
        QString made;
        switch (database.tableKind(table, &column)) {
        case Kind::View:
            made = QStringLiteral("its table %1 is a view, whose rows are made only when read").arg(table);
            break;
        case Kind::Virtual:
            made = QStringLiteral("its table %1 is a virtual table, whose rows are made only when read")
                       .arg(table);
            break;
        case Kind::Computed:
            made =
                QStringLiteral("the column %1 of its table %2 is computed only when read").arg(column, table);
            break;
        case Kind::Missing:
        case Kind::Stored:
            break;
        }
        if (!made.isEmpty())
            return db::Status::failure(computedRowsRefusal(path, table, made));
    }
    return db::Status::success();
}
} // namespace

void InitDatabaseGlobals(PriceDatabaseState &state, const QString &programDirectory,
                         int32_t &SelectedCommodity, double &StartDate)
{
    state.DbOpen = false;
    state.DbPath = QDir(programDirectory).filePath(QString::fromLatin1(kPriceFileName));
    state.DbUser = QStringLiteral("admin");
    state.WorkspacePassword.clear();
    SelectedCommodity = commodityId(Instrument::Oil);
    StartDate = vb::toSerial(QDate(1990, 12, 15));
    for (Instrument i : kAllInstruments)
        state.CommodityNames[slotOf(i)] = QString::fromLatin1(instrumentKey(i));
}

db::Status OpenPriceDatabase(PriceDatabaseState &state, const QString &path)
{
    // A game load opens the database again; the handle of the start-up or of the last game is closed
    // first so that only one is ever held.
    CloseDatabase(state);

    auto workspace = db::Workspace::create(kWorkspaceName, state.DbUser, state.WorkspacePassword);
    if (!workspace)
        return workspace.status();
    state.FuturesWorkspace = workspace.value();

    const QString connect =
        QStringLiteral("; database=") + path + QStringLiteral(";PWD=") + QString::fromLatin1(kPricePassword);
    auto database = state.FuturesWorkspace.openDatabase(path, true, true, connect);
    if (!database) {
        state.DbOpenFailed = 1;
        state.FuturesWorkspace.close();
        return database.status();
    }
    if (const db::Status stored = checkStoredTables(database.value(), path); !stored) {
        state.DbOpenFailed = 1;
        state.FuturesWorkspace.close();
        return stored;
    }
    state.FuturesDb = std::move(database.value());
    state.DbOpen = true;
    return db::Status::success();
}

bool CloseDatabase(PriceDatabaseState &state)
{
    state.DbOpen = false;
    state.FuturesDb.close();
    state.FuturesWorkspace.close();
    return true;
}

QString GetOverviewNews(const PriceDatabaseState &state, double date, int32_t commodityId)
{
    auto news = ReadOverviewNews(state, date, commodityId);
    return news ? news.value() : QString();
}

db::Result<QString> ReadOverviewNews(const PriceDatabaseState &state, double date, int32_t commodityId)
{
    QString news;
    auto rs = state.FuturesDb.openRecordset(OverviewNewsQuery(date, commodityId));
    if (!rs)
        return rs.status();
    // The count is read before any move: it is 1 whenever a row matches, and the first row is taken.
    if (rs.value().recordCount() == 1)
        news = rs.value().field(u"News").toString();
    rs.value().close();
    return news;
}

double DisclaimerDate()
{
    return vb::toSerial(1965, 10, 17);
}

QString TickCalendarQuery(double startDate, double endDate)
{
    return QStringLiteral("SELECT * FROM ") + QStringLiteral("TickTradeDaysResults") +
           QStringLiteral(" WHERE") + QStringLiteral(" DateValue([Date]) >= DateValue('") +
           dateText(startDate) + QStringLiteral("')") +
           QStringLiteral(" AND DateValue([Date]) < DateValue('") + dateText(endDate) + QStringLiteral("')") +
           QStringLiteral("ORDER BY DateValue([Date])");
}

QString DailyCalendarQuery(double startDate, double endDate)
{
    return QStringLiteral("SELECT DISTINCT [Date] FROM ") + QStringLiteral("DailyData") +
           QStringLiteral(" WHERE") + QStringLiteral(" [Date] >= DateValue('") + dateText(startDate) +
           QStringLiteral("')") + QStringLiteral(" AND [Date] < DateValue('") + dateText(endDate) +
           QStringLiteral("')") + QStringLiteral("ORDER BY [Date]");
}

QString DailyRowsQuery(int32_t commodityId, double startDate, double endDate)
{
    return QStringLiteral("SELECT * FROM ") + QStringLiteral("DailyData") +
           QStringLiteral(" WHERE [CommodityID] = ") + QString::number(commodityId) +
           QStringLiteral(" And [Date] >= DateValue('") + dateText(startDate) + QStringLiteral("')") +
           QStringLiteral(" AND [Date] < DateValue('") + dateText(endDate) + QStringLiteral("')");
}

QString TickRowsQuery(int32_t commodityId, double startDate, double endDate)
{
    return QStringLiteral("SELECT * FROM ") + QStringLiteral("TickData") +
           QStringLiteral(" WHERE [CommodityID] = ") + QString::number(commodityId) +
           QStringLiteral(" And [DateTime] >= DateValue('") + dateText(startDate) + QStringLiteral("')") +
           QStringLiteral(" AND [DateTime] < DateValue('") + dateText(endDate) + QStringLiteral("')");
}

QString OverviewNewsQuery(double date, int32_t commodityId)
{
    return QStringLiteral("SELECT * FROM ") + QStringLiteral("OverviewNews") + QStringLiteral(" WHERE") +
           QStringLiteral(" [Date] = DateValue('") + dateText(date) + QStringLiteral("')") +
           QStringLiteral(" AND [CommodityID] = ") + QString::number(commodityId);
}

QString NewsReleasesQuery(double day, double windowStart, const QString &windowEnd)
{
    return QStringLiteral("SELECT * FROM ") + QStringLiteral("sortedticknewsreleases") +
           QStringLiteral(" WHERE [NRDate] = DateValue('") + dateText(day) + QStringLiteral("')") +
           QStringLiteral(" AND [NRTime] >= timevalue('") + vb::longTime(windowStart) + QStringLiteral("')") +
           QStringLiteral(" And [NRTime] < timevalue('") + windowEnd + QStringLiteral("')");
}

QString PeriodNewsReleasesQuery(double startDate, double endDate)
{
    return QStringLiteral("SELECT NRDate, NRTime, NRTitle, NRStory FROM sortedticknewsreleases") +
           QStringLiteral(" WHERE [NRDate] >= DateValue('") + dateText(startDate) + QStringLiteral("')") +
           QStringLiteral(" AND [NRDate] < DateValue('") + dateText(endDate) + QStringLiteral("')");
}

QString OverviewStoriesQuery(const std::vector<double> &days)
{
    QStringList wanted;
    for (double day : days)
        wanted << QStringLiteral("DateValue('") + dateText(day) + QStringLiteral("')");
    return QStringLiteral("SELECT [Date], CommodityID, News FROM OverviewNews WHERE [Date] IN (") +
           wanted.join(QStringLiteral(", ")) + QStringLiteral(")");
}

} // namespace tarvello
