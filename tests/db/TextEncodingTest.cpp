#include "data/PriceDatabase.h"
#include "support/EncodedCopy.h"
#include "support/FixtureDb.h"

#include "common/VbDate.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTime>

#include <gtest/gtest.h>

using namespace tarvello;
using tarvello::test::FixtureDb;

namespace {

// Texts in several scripts: right-to-left letters, accents, and characters beyond 16 bits (emoji).
const QString kStory =
    QStringLiteral("Oil \u05E9\u05DE\u05DF \u0646\u0641\u0637 caf\u00E9 \U0001F6E2\uFE0F up 3%.");
const QString kTitle = QStringLiteral("OPEC \u0623\u0648\u0628\u0643 \U0001F4C8:");
const QString kDisclaimer = QStringLiteral("A game \u2014 \u05DE\u05E9\u05D7\u05E7 \U0001F3B2.");

// The same small price database stored in each text encoding SQLite offers: the game reads every text
// the same from each (the password, stories, the disclaimer, news releases), both from a recordset
// taken whole and from rows read one at a time.
TEST(TextEncoding, EveryEncodingReadsTheSameTexts)
{
    FixtureDb fixture;
    const QDate day(1996, 2, 5);
    fixture.addOverviewNews(DisclaimerDate(), 0, kDisclaimer);
    fixture.addOverviewNews(vb::toSerial(1996, 1, 1), 3, kStory);
    fixture.addNewsRelease(day, QTime(8, 30), kTitle, kStory);
    fixture.close();

    QTemporaryDir copies;
    for (const char *encoding : {"UTF-8", "UTF-16le", "UTF-16be"}) {
        SCOPED_TRACE(encoding);
        const QString dir = copies.filePath(QString::fromLatin1(encoding));
        ASSERT_TRUE(QDir().mkpath(dir));
        const QString path = QDir(dir).filePath(QStringLiteral("futures.mdb"));
        ASSERT_TRUE(test::copyInEncoding(fixture.path(), path, encoding));

        PriceDatabaseState state;
        const db::Status opened = OpenPriceDatabase(state, path); // the password is accepted
        ASSERT_TRUE(opened.ok()) << opened.description().toStdString();
        auto pragma = state.FuturesDb.openRecordset(QStringLiteral("PRAGMA encoding"));
        ASSERT_TRUE(pragma.ok());
        EXPECT_EQ(pragma.value().field(u"encoding").toString(), QString::fromLatin1(encoding));

        EXPECT_EQ(GetOverviewNews(state, DisclaimerDate(), 0), kDisclaimer);
        EXPECT_EQ(GetOverviewNews(state, vb::toSerial(1996, 1, 1), 3), kStory);

        const QString releases = NewsReleasesQuery(vb::toSerial(day), 0.0, QStringLiteral("9:00 am"));
        auto whole = state.FuturesDb.openRecordset(releases);
        ASSERT_TRUE(whole.ok()) << whole.description().toStdString();
        ASSERT_FALSE(whole.value().eof());
        EXPECT_EQ(whole.value().field(u"NRTitle").toString(), kTitle);
        EXPECT_EQ(whole.value().field(u"NRStory").toString(), kStory);

        auto stream = state.FuturesDb.streamRows(releases);
        ASSERT_TRUE(stream.ok()) << stream.description().toStdString();
        ASSERT_TRUE(stream.value().next());
        EXPECT_EQ(stream.value().fieldAt(stream.value().fieldIndex(u"NRTitle")).toString(), kTitle);
        EXPECT_EQ(stream.value().fieldAt(stream.value().fieldIndex(u"NRStory")).toString(), kStory);
        stream.value().close();
        CloseDatabase(state);
    }
}

} // namespace
