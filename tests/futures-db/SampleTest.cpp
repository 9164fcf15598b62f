#include "FuturesDbTestSupport.h"

#include "futures-db/ExchangeCalendar.h"
#include "futures-db/PriceEncoding.h"
#include "futures-db/PriceFile.h"
#include "futures-db/Sample.h"
#include "futures-db/TradingTimes.h"

#include "common/VbDate.h"

#include <QTemporaryDir>

#include <algorithm>
#include <map>
#include <set>

using namespace tarvello;
using namespace tarvello::futuresdb;
using namespace futuresdbtest;

namespace {

// The full sample, built once: the tests below read it in memory.
const PriceData &fullSample()
{
    static const PriceData data = buildSample();
    return data;
}

int serial(int y, int m, int d)
{
    return static_cast<int>(vb::toSerial(y, m, d));
}

} // namespace

TEST(Sample, DailyBarsAtEachMarketsLevelOnEveryTradingDay)
{
    const PriceData &data = fullSample();
    const std::vector<int> days = tradingDays(QDate(1983, 1, 1), QDate(1998, 3, 31));
    ASSERT_EQ(data.daily.size(), days.size() * kInstrumentCount);

    struct Range {
        Instrument instrument;
        double low, high;
    };
    const Range ranges[] = {{Instrument::Oil, 12, 38},    {Instrument::Gold, 270, 510},
                            {Instrument::TBond, 65, 128}, {Instrument::SP500, 130, 1060},
                            {Instrument::Cattle, 50, 85}, {Instrument::Soybean, 430, 830}};
    std::map<int, std::set<int>> datesOf;
    for (const DailyRow &r : data.daily) {
        const Instrument i = static_cast<Instrument>(r.commodityId);
        const Range &range = ranges[std::find_if(std::begin(ranges), std::end(ranges),
                                                 [&](const Range &x) { return x.instrument == i; }) -
                                    std::begin(ranges)];
        SCOPED_TRACE(std::string(instrumentKey(i)) + " " + vb::shortDate(r.date).toStdString());
        ASSERT_LE(r.low, std::min(r.open, r.close));
        ASSERT_GE(r.high, std::max(r.open, r.close));
        ASSERT_GE(r.low, range.low);
        ASSERT_LE(r.high, range.high);
        for (double v : {r.open, r.high, r.low, r.close})
            ASSERT_TRUE(onGrid(v, sampleGrid(i)));
        ASSERT_GT(r.dayVolume, 0);
        ASSERT_GT(r.openInterest, 0);
        datesOf[r.commodityId].insert(r.date);
    }
    for (Instrument i : kAllInstruments)
        EXPECT_EQ(datesOf[commodityId(i)], std::set<int>(days.begin(), days.end())) << instrumentKey(i);

    // The stock index rises through the period, as the game's players would expect.
    auto meanClose = [&](Instrument i, int year) {
        double sum = 0;
        int n = 0;
        for (const DailyRow &r : data.daily)
            if (r.commodityId == commodityId(i) && vb::fromSerial(r.date).year() == year)
                sum += r.close, ++n;
        return sum / n;
    };
    EXPECT_GT(meanClose(Instrument::SP500, 1997), 3 * meanClose(Instrument::SP500, 1984));
}

TEST(Sample, TicksFillEveryTradingTimeWindowInsideTheDaysBar)
{
    const PriceData &data = fullSample();
    const std::vector<int> tickDays = tradingDays(QDate(1996, 1, 1), QDate(1998, 3, 31));
    ASSERT_EQ(data.tickDays, tickDays);

    std::map<std::pair<int, int>, const DailyRow *> bars;
    for (const DailyRow &r : data.daily)
        bars[{r.commodityId, r.date}] = &r;
    std::map<std::pair<int, int>, std::vector<const TickRow *>> dayTicks;
    for (const TickRow &t : data.ticks)
        dayTicks[{t.commodityId, t.date}].push_back(&t);
    ASSERT_EQ(dayTicks.size(), tickDays.size() * kInstrumentCount);

    for (const auto &[key, ticks] : dayTicks) {
        const Instrument i = static_cast<Instrument>(key.first);
        SCOPED_TRACE(std::string(instrumentKey(i)) + " " + vb::shortDate(key.second).toStdString());
        const DailyRow &bar = *bars.at(key);
        int perSlot[kSlotsPerDay + 1] = {};
        for (const TickRow *t : ticks) {
            const double price = *decodeTick(i, t->realprice); // a tenth times ten: allow for the rounding
            ASSERT_GE(price, bar.low - 1e-9);
            ASSERT_LE(price, bar.high + 1e-9);
            const int slot = slotOfMinute(i, t->minute);
            // No tick on a window's closing minute: the game's two matching steps treat it differently.
            for (int s = 1; s <= kSlotsPerDay; ++s)
                ASSERT_NE(t->minute, referenceMinute(i, s) + kSlotWindowMinutes);
            if (slot > 0 && t->minute > referenceMinute(i, slot))
                ++perSlot[slot];
        }
        // The first tick of a load is used whatever its time: it sits on the first reference time.
        EXPECT_EQ(ticks.front()->minute, referenceMinute(i, 1));
        EXPECT_EQ(slotOfMinute(i, ticks.back()->minute), kSlotsPerDay);
        EXPECT_DOUBLE_EQ(*decodeTick(i, ticks.front()->realprice), bar.open);
        EXPECT_DOUBLE_EQ(*decodeTick(i, ticks.back()->realprice), bar.close);
        for (int s = 1; s <= kSlotsPerDay; ++s)
            EXPECT_GE(perSlot[s], 2) << "slot " << s;
    }
}

TEST(Sample, ReleasesAreSparseShownAndOfEveryLength)
{
    const PriceData &data = fullSample();
    const std::set<int> tickDays(data.tickDays.begin(), data.tickDays.end());
    std::map<int, int> perDay;
    std::map<std::pair<int, int>, int> perWindow; // (day, period the game shows it at)
    std::set<std::tuple<int, int, std::string>> keys;
    int shortStories = 0, mediumStories = 0, longStories = 0;
    bool billAuction = false;
    for (const ReleaseRow &r : data.releases) {
        SCOPED_TRACE(r.title + " " + vb::shortDate(r.date).toStdString());
        EXPECT_TRUE(tickDays.count(r.date));
        EXPECT_TRUE(keys.insert({r.date, r.second, r.title}).second);
        EXPECT_EQ(r.title.back(), ':');
        // The four periods that show releases cover [00:00, 23:59).
        ASSERT_LT(r.second, 23 * 3600 + 59 * 60);
        const int period = r.second < 9 * 3600         ? 9
                           : r.second < 11 * 3600 + 60 ? 10
                           : r.second < 14 * 3600      ? 12
                                                       : 14;
        ++perWindow[{r.date, period}];
        ++perDay[r.date];
        (r.story.size() < 325 ? shortStories : r.story.size() < 700 ? mediumStories : longStories)++;
        billAuction |= r.title == "Government Short-Term Treasury Bill Auction Results:";
    }
    for (const auto &[day, n] : perDay)
        EXPECT_LE(n, 3);
    EXPECT_LT(perDay.size(), tickDays.size()); // some days have none
    EXPECT_TRUE(billAuction);
    EXPECT_TRUE(std::any_of(perWindow.begin(), perWindow.end(), [](const auto &w) { return w.second >= 2; }));
    for (int period : {9, 10, 12, 14})
        EXPECT_TRUE(std::any_of(perWindow.begin(), perWindow.end(), [&](const auto &w) {
            return w.first.second == period;
        })) << period;
    const double n = static_cast<double>(data.releases.size());
    EXPECT_GT(shortStories / n, 0.3);
    EXPECT_GT(mediumStories / n, 0.3);
    EXPECT_GT(longStories / n, 0.12);
}

TEST(Sample, OneBackgroundStoryPerInstrumentAndYearAndTheDisclaimer)
{
    const PriceData &data = fullSample();
    std::set<std::pair<int, int>> keys;
    std::set<std::string> texts;
    for (const StoryRow &s : data.stories) {
        EXPECT_TRUE(keys.insert({s.date, s.commodityId}).second);
        texts.insert(s.news);
        if (s.commodityId == 0)
            continue;
        const QDate d = vb::fromSerial(s.date);
        EXPECT_EQ(d.month(), 1);
        EXPECT_EQ(d.day(), 1);
        EXPECT_GE(d.year(), 1983);
        EXPECT_LE(d.year(), 1997);
        EXPECT_GE(s.news.size(), 600u);
        // A story looks back on the year before its own, never ahead at its own year's prices.
        EXPECT_EQ(s.news.find("During " + std::to_string(d.year()) + " "), std::string::npos);
    }
    EXPECT_EQ(keys.size(), 15u * kInstrumentCount + 1);
    EXPECT_EQ(texts.size(), keys.size());
    ASSERT_TRUE(keys.count({serial(1965, 10, 17), 0}));
    const std::string disclaimer = disclaimerText();
    EXPECT_NE(disclaimer.find("simulation game"), std::string::npos);
    EXPECT_NE(disclaimer.find("simulated"), std::string::npos);
    EXPECT_NE(disclaimer.find("investment advice"), std::string::npos);
}

TEST(Sample, SameSeedSameFileAndAShortSamplePassesTheCheck)
{
    SampleOptions options;
    options.dailyFirst = QDate(1995, 11, 1);
    options.dailyLast = QDate(1996, 2, 29);
    options.tickFirst = QDate(1996, 1, 1);
    options.tickLast = QDate(1996, 2, 29);
    options.storyFirstYear = options.storyLastYear = 1996;
    const PriceData a = buildSample(options), b = buildSample(options);
    ASSERT_EQ(a.ticks.size(), b.ticks.size());
    for (std::size_t i = 0; i < a.ticks.size(); ++i)
        ASSERT_EQ(a.ticks[i].realprice, b.ticks[i].realprice);
    ASSERT_EQ(a.releases.size(), b.releases.size());
    EXPECT_EQ(a.releases.back().story, b.releases.back().story);
    options.seed += 1;
    EXPECT_NE(buildSample(options).daily.back().close, a.daily.back().close);

    QTemporaryDir dir;
    const std::string path = dir.filePath("futures.mdb").toStdString();
    std::string error;
    ASSERT_TRUE(writePriceFile(path, a, error)) << error;
    CheckOptions check;
    check.dailyFrom = QDate(1995, 11, 1);
    check.dailyUntil = check.tickUntil = QDate(1996, 3, 1);
    check.tickFrom = QDate(1996, 1, 1);
    check.storyFirstYear = check.storyLastYear = 1996;
    const auto violations = checkPriceFile(path, check);
    EXPECT_TRUE(violations.empty()) << listed(violations);
}
