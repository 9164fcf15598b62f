#include "data/GameDataLoadNews.h"

#include "common/Formats.h"
#include "common/VbDate.h"
#include "data/PriceDatabase.h"
#include "data/PriceFields.h"
#include "news/BackgroundYear.h"
#include "state/GameState.h"

#include <cmath>

namespace tarvello {

namespace {

bool isNumber(const db::Value &value)
{
    return value.kind() == db::Value::Kind::Integer || value.kind() == db::Value::Kind::Real;
}

QString releaseText(const QString &title)
{
    return QStringLiteral("a news release in sortedticknewsreleases, \"%1\",").arg(title);
}

const QString kMendTickGames = QStringLiteral(" No Tick game can be played until the file is mended.");

// A release dated by a text (or, where the schema allows it, by nothing) is never equal to any day, so
// it would never be shown. Its date cannot tell which period it belongs to, so every Tick game is
// refused. The table's key starts with the date, and a text sorts after every number: the look reads
// only such rows.
db::Status checkReleaseDates(const db::Database &db)
{
    QString sql = QStringLiteral(
        "SELECT NRTitle, quote(NRDate) AS found FROM sortedticknewsreleases WHERE NRDate >= ''");
    if (!db.columnNotNull(QStringLiteral("sortedticknewsreleases"), QStringLiteral("NRDate")).value_or(false))
        sql += QStringLiteral(
            " UNION ALL SELECT NRTitle, 'NULL' FROM sortedticknewsreleases WHERE NRDate IS NULL");
    auto found = db.openRecordset(sql + QStringLiteral(" LIMIT 1"));
    if (!found)
        return queryFailure(found.description());
    if (found.value().eof())
        return db::Status::success();
    return db::Status::failure(
        QStringLiteral("The price database has %1 whose NRDate is not a day serial (%2).")
            .arg(releaseText(found.value().field(u"NRTitle").toString()),
                 found.value().field(u"found").toString()) +
        kMendTickGames);
}

QString valueFound(const db::Value &value)
{
    switch (value.kind()) {
    case db::Value::Kind::Null:
        return QStringLiteral("NULL");
    case db::Value::Kind::Text:
        return QLatin1Char('\'') + value.toString() + QLatin1Char('\'');
    default:
        return vb::str(value.toDouble());
    }
}

} // namespace

void LoadOverviewStories(GameState &state)
{
    std::vector<OverviewStory> &stories = state.news.stories;
    stories.clear();
    auto rows = state.priceDatabase.FuturesDb.openRecordset(
        OverviewStoriesQuery(StoryDays(state.settings.startDate)));
    if (!rows)
        return;
    db::Recordset &rs = rows.value();
    const qsizetype date = rs.fieldIndex(u"Date"), id = rs.fieldIndex(u"CommodityID"),
                    news = rs.fieldIndex(u"News");
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        // Only a whole number matches a CommodityID the game asks for.
        const db::Value owner = rs.fieldAt(id);
        if (owner.kind() != db::Value::Kind::Integer)
            continue;
        stories.push_back({rs.fieldAt(date).toDouble(), owner.toInt(), rs.fieldAt(news).toString()});
    }
}

db::Status LoadNewsReleases(GameState &state, double start, double end)
{
    std::vector<NewsRelease> &releases = state.news.releases;
    releases.clear();
    const db::Database &db = state.priceDatabase.FuturesDb;
    auto rows = db.openRecordset(PeriodNewsReleasesQuery(start, end));
    if (!rows) {
        return db::Status::failure(QStringLiteral("The news releases of a Tick game cannot be read. ") +
                                   rows.description());
    }
    db::Recordset &rs = rows.value();
    const qsizetype date = rs.fieldIndex(u"NRDate"), time = rs.fieldIndex(u"NRTime"),
                    title = rs.fieldIndex(u"NRTitle"), story = rs.fieldIndex(u"NRStory");
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        // The query's range lets only numbers through as dates.
        const double day = rs.fieldAt(date).toDouble();
        const QString name = rs.fieldAt(title).toString();
        const db::Value when = rs.fieldAt(time);
        if (day != std::floor(day)) {
            releases.clear();
            return db::Status::failure(
                QStringLiteral("The price database has %1 dated %2: its NRDate is not a whole day, so the "
                               "release would never be shown.")
                    .arg(releaseText(name), momentText(day)));
        }
        const double at = when.toDouble();
        if (!isNumber(when) || at < 0.0 || at >= 1.0) {
            releases.clear();
            return db::Status::failure(
                QStringLiteral("The price database has %1 on %2, whose NRTime is not a time of day (%3).")
                    .arg(releaseText(name), dayText(day), valueFound(when)));
        }
        releases.push_back({day, at, name, rs.fieldAt(story).toString()});
    }
    rs.close();
    if (db::Status dates = checkReleaseDates(db); !dates) {
        releases.clear();
        return dates;
    }
    return db::Status::success();
}

} // namespace tarvello
