#include "FuturesDbTestSupport.h"

#include "futures-db/PriceCheck.h"
#include "futures-db/PriceFile.h"
#include "futures-db/Sample.h"
#include "support/EncodedCopy.h"

#include <QTemporaryDir>

using namespace tarvello::futuresdb;
using namespace futuresdbtest;

namespace {

// The check reads a file's texts as the game does, through SQLite's conversion: a sound file stored in
// UTF-16 passes as its UTF-8 original does (the game plays it alike), and a broken text is named the
// same in either.
TEST(TextEncodingCheck, AgreesWithTheGameWhateverTheEncoding)
{
    QTemporaryDir dir;
    SampleOptions sample;
    sample.dailyFirst = QDate(1995, 12, 1);
    sample.dailyLast = sample.tickLast = QDate(1996, 2, 29);
    sample.tickFirst = QDate(1996, 1, 1);
    sample.storyFirstYear = sample.storyLastYear = 1996;
    CheckOptions options;
    options.dailyFrom = options.tickFrom = QDate(1996, 1, 1);
    options.dailyUntil = options.tickUntil = QDate(1996, 3, 1);
    options.storyFirstYear = options.storyLastYear = 1996;
    const std::string original = dir.filePath(QStringLiteral("original.mdb")).toStdString();
    std::string error;
    ASSERT_TRUE(writePriceFile(original, buildSample(sample), error)) << error;

    for (const char *encoding : {"UTF-16le", "UTF-16be"}) {
        SCOPED_TRACE(encoding);
        const QString copy = dir.filePath(QString::fromLatin1(encoding) + QStringLiteral(".mdb"));
        ASSERT_TRUE(tarvello::test::copyInEncoding(QString::fromStdString(original), copy, encoding));
        const auto sound = checkPriceFile(copy.toStdString(), options);
        EXPECT_TRUE(sound.empty()) << listed(sound);

        execSql(copy.toStdString(), "UPDATE DatabaseInfo SET Value = 'other' WHERE Name = 'Password'");
        EXPECT_TRUE(hasViolation(checkPriceFile(copy.toStdString(), options), "database-info",
                                 "DatabaseInfo Password is 'other' instead of 'kxq'"));
    }
}

} // namespace
