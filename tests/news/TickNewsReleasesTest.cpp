#include "support/MainWindowFixture.h"

#include "common/VbDate.h"
#include "data/GameDataLoadNews.h"
#include "data/PriceDatabase.h"
#include "news/NewsReleases.h"
#include "news/ui/NewsDisplay.h"
#include "news/ui/NewsServices.h"
#include "support/FixtureDb.h"
#include "windows/NewsWindow.h"

namespace tarvello::test {
namespace {

const QDate kDay(1996, 3, 5);
const QDate kOtherDay(1996, 3, 6);

class TickNewsReleases : public MainWindowTest {
protected:
    TickNewsReleases()
    {
        w();
        state.settings.dataType = DataKind::Tick;
        state.market.TickDays.resize(2);
        state.market.TickDays[0].Date = vb::toSerial(kDay);
        state.market.TickDays[1].Date = vb::toSerial(kOtherDay);
        // The player reads each release and clicks the window away.
        host.setDefaultAnswer([](forms::Form &form) { form.click(); });
    }

    // The releases of both days, read as the game's load reads them; a table it cannot read leaves none.
    void readReleases()
    {
        ASSERT_TRUE(OpenPriceDatabase(state.priceDatabase, db.path()).ok());
        (void)LoadNewsReleases(state, vb::toSerial(kDay), vb::toSerial(kOtherDay) + 1);
    }

    // Runs the news of the period at `tradeTime` on the first day and returns the captions shown.
    QStringList releasesAt(const QString &tradeTime, int16_t period = 2)
    {
        state.clock.tradeDay = period;
        w().lblTradeTime->setCaption(tradeTime);
        const size_t before = host.shows().size();
        ShowTickNewsReleases(app);
        QStringList captions;
        for (size_t i = before; i < host.shows().size(); ++i)
            captions << host.shows()[i].caption;
        return captions;
    }

    FixtureDb db;
};

TEST_F(TickNewsReleases, EachTradingTimeShowsTheReleasesOfItsPartOfTheDay)
{
    const struct {
        QTime time;
        const char *title;
    } releases[] = {
        {QTime(0, 0), "Midnight:"},  {QTime(8, 30), "Jobs:"},     {QTime(8, 59, 59), "Early:"},
        {QTime(9, 0), "AtNine:"},    {QTime(11, 0, 30), "Late:"}, {QTime(11, 1), "AtElevenOne:"},
        {QTime(13, 59), "Auction:"}, {QTime(14, 0), "Fed:"},      {QTime(16, 30), "Crops:"},
        {QTime(23, 59), "TooLate:"},
    };
    for (const auto &r : releases)
        db.addNewsRelease(kDay, r.time, QString::fromLatin1(r.title), QStringLiteral("Story."));
    db.addNewsRelease(kOtherDay, QTime(8, 30), QStringLiteral("Tomorrow:"), QStringLiteral("Story."));
    readReleases();

    const struct {
        const char *tradeTime;
        QStringList shown;
    } cases[] = {
        {"9:00 am", {"Midnight:", "Jobs:", "Early:"}},
        {"10:00 am", {"AtNine:", "Late:"}},
        {"11:00 am", {}},
        {"12:00 pm", {"AtElevenOne:", "Auction:"}},
        {"1:00 pm", {}},
        {"2:00 pm", {"Fed:", "Crops:"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(releasesAt(QString::fromLatin1(c.tradeTime)), c.shown) << c.tradeTime;
    EXPECT_EQ(state.news.newsItems.size(), 9u);
}

TEST_F(TickNewsReleases, ReleasesAreListedInTheOrderShownWithTheTradingTimeOfThePeriod)
{
    db.addNewsRelease(kDay, QTime(9, 30), QStringLiteral("First:"), QStringLiteral("One."));
    db.addNewsRelease(kDay, QTime(10, 0), QStringLiteral("Second:"), QStringLiteral("Two."));
    db.addNewsRelease(kDay, QTime(10, 45), QStringLiteral("Third:"), QStringLiteral("Three."));
    readReleases();

    EXPECT_EQ(releasesAt(QStringLiteral("10:00 am")),
              QStringList({QStringLiteral("First:"), QStringLiteral("Second:"), QStringLiteral("Third:")}));

    const auto &items = state.news.newsItems;
    ASSERT_EQ(items.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(items[i].ItemNumber, i + 1);
        EXPECT_EQ(items[i].ReleaseDate, vb::toSerial(kDay));
        EXPECT_EQ(vb::shortTime(items[i].ReleaseTime), "10:00"); // the period's time, not the release's
    }
    EXPECT_EQ(items[2].Title, "Third:");
    EXPECT_EQ(items[2].Story, "Three.");
    // Each release had its own modal show, owned by the main window.
    EXPECT_EQ(host.shows()[0].form, "frmNewsDisplay");
    EXPECT_EQ(host.shows()[0].owner, "Halvern");
    EXPECT_EQ(host.shows()[1].text(QStringLiteral("txtNewsDisplay")), "Two.");
}

TEST_F(TickNewsReleases, TheStoryLengthPicksTheWindowHeightAndTheTextArea)
{
    const struct {
        int length;
        int height;
        bool inLabel;
    } cases[] = {{324, 1400, true}, {325, 2500, true}, {699, 2500, true}, {700, 5000, false}};
    int minute = 0;
    for (const auto &c : cases)
        db.addNewsRelease(kDay, QTime(1, minute++), QString::number(c.length),
                          QString(c.length, QLatin1Char('x')));
    readReleases();

    ASSERT_EQ(releasesAt(QStringLiteral("9:00 am")).size(), 4);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const ModalShow &shown = host.shows()[i];
        EXPECT_EQ(shown.rect.height, cases[i].height) << cases[i].length;
        EXPECT_EQ(shown.control(QStringLiteral("Labelnews")).visible, cases[i].inLabel) << cases[i].length;
        EXPECT_EQ(shown.control(QStringLiteral("txtNewsDisplay")).visible, !cases[i].inLabel);
        if (cases[i].inLabel) {
            EXPECT_EQ(shown.text(QStringLiteral("Labelnews")).size(), cases[i].length);
        }
    }
    // Afterwards the window is back as its other users expect it.
    const frmNewsDisplay &news = forms.get<frmNewsDisplay>();
    EXPECT_EQ(news.twipHeight(), 5000);
    EXPECT_FALSE(news.Labelnews->visible());
    EXPECT_TRUE(news.txtNewsDisplay->visible());
    EXPECT_EQ(news.caption(), "700"); // the last release stays in it
}

TEST_F(TickNewsReleases, DailyGamesAndDaysWithoutNewsShowNothing)
{
    db.addNewsRelease(kDay, QTime(8, 30), QStringLiteral("Jobs:"), QStringLiteral("Story."));
    readReleases();

    state.settings.dataType = DataKind::Daily;
    EXPECT_TRUE(releasesAt(QStringLiteral("9:00 am")).isEmpty());
    state.settings.dataType = DataKind::Tick;
    EXPECT_TRUE(releasesAt(QStringLiteral("9:00 am"), 7).isEmpty());  // the second day has none
    EXPECT_TRUE(releasesAt(QStringLiteral("9:00 am"), 13).isEmpty()); // a day with no record
    EXPECT_TRUE(state.news.newsItems.empty());
}

TEST_F(TickNewsReleases, AReleaseWithoutTitleOrStoryShowsEmptyTexts)
{
    // Our own database refuses such rows; one from elsewhere may hold them.
    db.exec(QStringLiteral("DROP TABLE sortedticknewsreleases"));
    db.exec(QStringLiteral(
        "CREATE TABLE sortedticknewsreleases (NRDate REAL, NRTime REAL, NRTitle TEXT, NRStory TEXT)"));
    db.exec(QStringLiteral("INSERT INTO sortedticknewsreleases (NRDate, NRTime, NRTitle, NRStory) VALUES "
                           "(%1, %2, NULL, NULL)")
                .arg(vb::toSerial(kDay))
                .arg(FixtureDb::timeFraction(QTime(8, 30))));
    readReleases();

    ASSERT_EQ(releasesAt(QStringLiteral("9:00 am")), QStringList{QString()});
    ASSERT_EQ(state.news.newsItems.size(), 1u);
    EXPECT_TRUE(state.news.newsItems[0].Title.isEmpty());
    EXPECT_TRUE(state.news.newsItems[0].Story.isEmpty());
}

TEST_F(TickNewsReleases, ANewsTableThatCannotBeReadStopsNothing)
{
    db.exec(QStringLiteral("DROP TABLE sortedticknewsreleases"));
    readReleases();

    EXPECT_TRUE(releasesAt(QStringLiteral("9:00 am")).isEmpty());
    EXPECT_TRUE(state.news.newsItems.empty());
    EXPECT_FALSE(programEnd.ended());
}

TEST_F(TickNewsReleases, TheLastPeriodDoesNotShowTheLastTradingTimeAgain)
{
    db.addNewsRelease(kDay, QTime(14, 5), QStringLiteral("Fed:"), QStringLiteral("Story."));
    readReleases();

    EXPECT_EQ(releasesAt(QStringLiteral("2:00 pm"), 6), QStringList{QStringLiteral("Fed:")});
    // The final period comes back to the same day and trading time.
    EXPECT_TRUE(releasesAt(QStringLiteral("2:00 pm"), 6).isEmpty());
    EXPECT_EQ(state.news.newsItems.size(), 1u);
}

TEST_F(TickNewsReleases, TheListGrowsPastFiveHundredReleases)
{
    // Five hundred releases are listed already; the next one still goes in, at the end.
    constexpr int kListed = 500;
    db.addNewsRelease(kDay, QTime(8, 30), QStringLiteral("Jobs:"), QStringLiteral("Story."));
    readReleases();
    for (int i = 0; i < kListed; ++i)
        RecordNewsItem(state.news.newsItems, 0.0, 0.0, QStringLiteral("Old:"), QString());

    EXPECT_EQ(releasesAt(QStringLiteral("9:00 am")).size(), 1);
    ASSERT_EQ(state.news.newsItems.size(), static_cast<size_t>(kListed + 1));
    EXPECT_EQ(state.news.newsItems.back().ItemNumber, kListed + 1);
    EXPECT_EQ(state.news.newsItems.back().Title, "Jobs:");
}

} // namespace
} // namespace tarvello::test
