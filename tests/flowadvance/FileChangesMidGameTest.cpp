// A game plays from what "&Begin" read: whatever another program does to the price file afterwards (a
// lock, emptying it, copying another price file over it) changes no release, story or price, and
// gives no notice.
#include "AdvanceFixture.h"

#include "news/ui/NewsReports.h"

#include <QFile>

namespace tarvello::test {
namespace {

// Three releases on each trading day, one for each news window of the day, and the background story
// of every instrument for the year before the game (1996), each text marked with its file.
void addNews(FixtureDb &db, const QString &file)
{
    const std::vector<QDate> days = weekdays(QDate(1997, 7, 1), 3); // the tick days of the games
    for (size_t n = 0; n < days.size(); ++n) {
        for (const auto &[time, title] : {std::pair{QTime(8, 30), "Jobs"}, std::pair{QTime(10, 0), "Claims"},
                                          std::pair{QTime(14, 30), "Fed"}}) {
            db.addNewsRelease(days[n], time,
                              QStringLiteral("%1 %2 %3").arg(file, QLatin1String(title)).arg(n + 1),
                              QStringLiteral("Story."));
        }
    }
    for (int id = 1; id <= 6; ++id)
        db.addOverviewNews(QDate(1996, 1, 1), id, QStringLiteral("%1 background %2").arg(file).arg(id));
}

// What another program does to the file after period 4.
enum class Change { Nothing, ExclusiveLock, Emptied, OtherFileCopiedOver };

class FileChangesMidGame : public AdvanceTest, public ::testing::WithParamInterface<Change> {
protected:
    // Applies the change to the game's file; `other` is a price file of its own.
    void change(FixtureDb &file, const FixtureDb &other)
    {
        switch (GetParam()) {
        case Change::Nothing:
            break;
        case Change::ExclusiveLock:
            file.exec(QStringLiteral("BEGIN EXCLUSIVE"));
            break;
        case Change::Emptied:
            ASSERT_TRUE(QFile::resize(file.path(), 0));
            break;
        case Change::OtherFileCopiedOver: {
            QFile from(other.path()), to(file.path());
            ASSERT_TRUE(from.open(QIODevice::ReadOnly));
            ASSERT_TRUE(to.open(QIODevice::WriteOnly)); // the same file, its contents replaced
            to.write(from.readAll());
            break;
        }
        }
    }
};

TEST_P(FileChangesMidGame, TheGameShowsWhatItWouldHaveShown)
{
    FixtureDb other; // other releases, other stories, other prices
    addTickDays(other, tickDays(3));
    addNews(other, QStringLiteral("Other"));
    other.exec(QStringLiteral("UPDATE TickData SET realprice = realprice * 2"));
    other.close();

    addNews(fixture, QStringLiteral("First"));
    addTickDays(fixture, tickDays(3));
    answerSummaries(QStringLiteral("btnEnd"));
    beginNewGame({Tick, Month});
    ASSERT_TRUE(state.clock.gameDataLoaded);
    for (int period = 1; period <= 4; ++period)
        forward();

    change(fixture, other);
    w().mnuNews[2]->click(); // the background story
    EXPECT_EQ(state.settings.gameYear, 1996);
    const QString story =
        BackgroundCaption(state) + QStringLiteral(": First background %1").arg(state.chart.selectedCommodity);
    for (int period = 5; period <= 18; ++period) {
        SCOPED_TRACE(period);
        forward();
        EXPECT_EQ(state.book(Instrument::Oil).price, fixturePrice(3, (period - 1) / 6));
    }
    EXPECT_TRUE(w().btnChangePeriod->enabled());
    if (GetParam() == Change::ExclusiveLock)
        fixture.exec(QStringLiteral("ROLLBACK"));

    QStringList wanted;
    for (int day = 1; day <= 3; ++day)
        for (const char *title : {"Jobs", "Claims", "Fed"})
            wanted << QStringLiteral("First %1 %2: Story.").arg(QLatin1String(title)).arg(day);
    wanted.insert(2, story); // the releases of day 1 up to 10:00, then the story asked for
    QStringList shown;
    for (const ModalShow &show : showsOf(QStringLiteral("frmNewsDisplay")))
        shown << show.caption + QStringLiteral(": ") + show.text(QStringLiteral("txtNewsDisplay"));
    EXPECT_EQ(shown, wanted);
    for (const Notice &notice : notices())
        EXPECT_NE(notice.title, QStringLiteral("Tarvello")) << notice.message.toStdString();
    EXPECT_FALSE(programEnd.ended());
}

std::string changeName(const ::testing::TestParamInfo<Change> &info)
{
    static const char *const kNames[] = {"Nothing", "ExclusiveLock", "Emptied", "OtherFileCopiedOver"};
    return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(AfterBegin, FileChangesMidGame,
                         ::testing::Values(Change::Nothing, Change::ExclusiveLock, Change::Emptied,
                                           Change::OtherFileCopiedOver),
                         changeName);

} // namespace
} // namespace tarvello::test
