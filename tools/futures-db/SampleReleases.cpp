#include "Sample.h"
#include "SampleText.h"

#include "common/VbDate.h"

#include <algorithm>

namespace tarvello::futuresdb {

namespace {

// A kind of economic or market release: its headline, the time of day it comes out, and the first
// sentences of its story (figures drawn at random; the stories are written for the game and describe
// no real month).
struct ReleaseKind {
    const char *title;
    int hour, minute;
    std::string (*lead)(SampleRandom &);
    std::vector<std::string> details;
};

std::string pct(SampleRandom &r, double lo, double hi)
{
    return format("%.1f", lo + (hi - lo) * r.uniform());
}

std::string versus(SampleRandom &r)
{
    return r.pickFrom({"slightly above", "slightly below", "in line with", "well above", "well below"});
}

const std::vector<ReleaseKind> &releaseKinds()
{
    static const std::vector<ReleaseKind> kinds = {
        {"Employment Report:",
         8,
         30,
         [](SampleRandom &r) {
             return format(
                 "Employers added %d,000 jobs last month, %s the forecasts gathered before the report. "
                 "The unemployment rate was %s%% and average hourly earnings rose %s%%.",
                 r.between(60, 320), versus(r).c_str(), pct(r, 4.8, 6.2).c_str(), pct(r, 0.1, 0.5).c_str());
         },
         {"Manufacturing payrolls were little changed, while services again accounted for most of the new "
          "jobs.",
          "The average workweek held steady, a sign that employers were not yet stretching their staff."}},
        {"Consumer Price Index:",
         8,
         30,
         [](SampleRandom &r) {
             return format(
                 "Consumer prices rose %s%% last month, %s expectations. Excluding food and energy, "
                 "prices rose %s%%.",
                 pct(r, 0.0, 0.5).c_str(), versus(r).c_str(), pct(r, 0.1, 0.4).c_str());
         },
         {"Energy prices were the most volatile part of the index, while housing costs rose steadily.",
          "Over the past twelve months consumer prices have risen at a pace the central bank regards as "
          "manageable."}},
        {"Producer Price Index:",
         8,
         30,
         [](SampleRandom &r) {
             return format("Prices paid to producers for finished goods changed by %s%% last month, %s "
                           "forecasts. The core rate, without food and energy, rose %s%%.",
                           pct(r, -0.3, 0.4).c_str(), versus(r).c_str(), pct(r, 0.0, 0.3).c_str());
         },
         {"Prices of intermediate materials were flat, suggesting little pressure building in the pipeline.",
          "Food prices at the farm gate were the largest single influence on the month's figure."}},
        {"Retail Sales:",
         8,
         30,
         [](SampleRandom &r) {
             return format(
                 "Retail sales rose %s%% last month, %s expectations. Excluding autos, sales were up "
                 "%s%%.",
                 pct(r, -0.2, 1.0).c_str(), versus(r).c_str(), pct(r, 0.0, 0.7).c_str());
         },
         {"Sales at general merchandise stores were strong, while spending on building materials slowed.",
          "The figures suggest consumers are still spending, though more carefully than earlier in the "
          "year."}},
        {"Weekly Jobless Claims:",
         8,
         30,
         [](SampleRandom &r) {
             const int change = r.between(-15, 15);
             return format("First-time claims for unemployment benefits came to %d,000 last week, %s %d,000 "
                           "from the week before.",
                           r.between(290, 380), change < 0 ? "down" : "up", change < 0 ? -change : change);
         },
         {"The four-week average, which smooths out weekly swings, was little changed.",
          "Claims have stayed in a narrow range for several weeks, pointing to a steady labour market."}},
        {"Durable Goods Orders:",
         8,
         30,
         [](SampleRandom &r) {
             return format("Orders for goods meant to last three years or more changed by %s%% last month. "
                           "Excluding transportation, orders rose %s%%.",
                           pct(r, -2.5, 3.0).c_str(), pct(r, 0.0, 1.5).c_str());
         },
         {"Aircraft orders, always lumpy, accounted for much of the swing in the headline figure.",
          "Orders for business equipment pointed to continued investment by companies."}},
        {"Housing Starts:",
         8,
         30,
         [](SampleRandom &r) {
             return format("Builders started homes at an annual rate of %s million units last month, %s "
                           "forecasts. Permits for future building were little changed.",
                           format("%.2f", 1.2 + 0.35 * r.uniform()).c_str(), versus(r).c_str());
         },
         {"Single-family starts were steady, while the volatile apartment sector fell back.",
          "Lower mortgage rates earlier in the year continue to support the housing market."}},
        {"Gross Domestic Product:",
         8,
         30,
         [](SampleRandom &r) {
             return format("The economy grew at an annual rate of %s%% in the last quarter, %s the estimate "
                           "expected by most forecasters.",
                           pct(r, 0.8, 4.5).c_str(), versus(r).c_str());
         },
         {"Consumer spending contributed most of the growth, and business inventories rose.",
          "The price index that accompanies the figures showed inflation remaining moderate."}},
        {"Trade Balance:",
         8,
         30,
         [](SampleRandom &r) {
             return format(
                 "The trade deficit came to $%s billion last month, %s the previous month's figure.",
                 format("%.1f", 7.0 + 6.0 * r.uniform()).c_str(),
                 r.pickFrom({"wider than", "narrower than", "close to"}));
         },
         {"Exports of capital goods were firm, while imports of consumer goods continued to grow.",
          "Farm exports were higher, helped by demand for grains and oilseeds."}},
        {"Industrial Production:",
         9,
         15,
         [](SampleRandom &r) {
             return format(
                 "Output at factories, mines and utilities changed by %s%% last month. Capacity use "
                 "stood at %s%%.",
                 pct(r, -0.4, 0.8).c_str(), pct(r, 81.0, 84.5).c_str());
         },
         {"Utility output swung with the weather, while factory output rose modestly.",
          "Capacity use remains below the level at which economists expect shortages to push up prices."}},
        {"Purchasing Managers' Survey:",
         10,
         0,
         [](SampleRandom &r) {
             return format("The purchasing managers' index came in at %s last month; a reading above 50 "
                           "indicates expansion in manufacturing.",
                           pct(r, 45.0, 57.0).c_str());
         },
         {"The prices-paid component was watched closely for signs of pressure on costs.",
          "New orders and delivery times both pointed to steady demand."}},
        {"Consumer Confidence:",
         10,
         0,
         [](SampleRandom &r) {
             return format(
                 "The index of consumer confidence stood at %s this month, %s the previous reading.",
                 pct(r, 85.0, 125.0).c_str(), r.pickFrom({"above", "below", "close to"}));
         },
         {"Households were more upbeat about jobs than about their income prospects.",
          "Plans to buy homes and cars within six months were little changed."}},
        {"New Home Sales:",
         10,
         0,
         [](SampleRandom &r) {
             return format(
                 "Sales of new single-family homes ran at an annual rate of %d,000 units last month, "
                 "%s forecasts.",
                 r.between(620, 820), versus(r).c_str());
         },
         {"The supply of homes for sale equalled about six months of sales at the current pace.",
          "The median price of a new home was little changed from a year earlier."}},
        {"Leading Indicators:",
         10,
         0,
         [](SampleRandom &r) {
             return format(
                 "The index of leading indicators changed by %s%% last month, suggesting %s growth in "
                 "the months ahead.",
                 pct(r, -0.3, 0.5).c_str(), r.pickFrom({"steady", "slower", "modest", "continued"}));
         },
         {"Stock prices and building permits were among the stronger components.",
          "The index has moved in a narrow range, consistent with an economy growing at a moderate pace."}},
        {"Factory Orders:",
         10,
         0,
         [](SampleRandom &r) {
             return format("New orders at factories changed by %s%% last month, %s expectations.",
                           pct(r, -1.5, 2.0).c_str(), versus(r).c_str());
         },
         {"Orders for non-durable goods were steady, and inventories rose slightly.",
          "The figures are the second look at the month's orders after the durable goods report."}},
        {"Government Short-Term Treasury Bill Auction Results:",
         13,
         0,
         [](SampleRandom &r) {
             return format("The government sold three- and six-month bills at average discount rates of %s%% "
                           "and %s%%. Bids came to %s times the amount offered.",
                           format("%.2f", 4.8 + 0.6 * r.uniform()).c_str(),
                           format("%.2f", 4.9 + 0.6 * r.uniform()).c_str(),
                           format("%.1f", 1.8 + 1.6 * r.uniform()).c_str());
         },
         {"Dealers said demand from money market funds was steady.",
          "The rates were close to those at last week's sale."}},
        {"Treasury Note Auction Results:",
         13,
         0,
         [](SampleRandom &r) {
             return format(
                 "The government sold notes at an average yield of %s%%, and bids came to %s times the "
                 "amount offered.",
                 format("%.2f", 5.4 + 1.4 * r.uniform()).c_str(),
                 format("%.1f", 1.9 + 1.2 * r.uniform()).c_str());
         },
         {"Indirect bids, which include foreign central banks, took a solid share of the issue.",
          "Dealers described the auction as orderly."}},
        {"Federal Open Market Committee Decision:",
         14,
         15,
         [](SampleRandom &r) {
             return std::string(
                 r.pickFrom({"The central bank left its target for overnight interest rates "
                             "unchanged at the end of its policy meeting.",
                             "The central bank raised its target for overnight interest rates by "
                             "a quarter point at the end of its policy meeting.",
                             "The central bank lowered its target for overnight interest rates by "
                             "a quarter point at the end of its policy meeting."}));
         },
         {"The statement said the committee would continue to watch for signs of inflation.",
          "Most dealers had expected the decision, and the market's reaction was brief."}},
        {"Cattle on Feed Report:",
         15,
         0,
         [](SampleRandom &r) {
             return format(
                 "Cattle and calves on feed for the slaughter market were %s%% of the number a year "
                 "earlier. Placements were %s%% of last year's.",
                 pct(r, 94.0, 106.0).c_str(), pct(r, 88.0, 112.0).c_str());
         },
         {"Marketings of fed cattle were close to expectations.",
          "Analysts said the placement figure was the surprise of the report."}},
        {"Crop Progress Report:",
         15,
         0,
         [](SampleRandom &r) {
             return format("Soybean condition ratings put %d%% of the crop in good to excellent shape, and "
                           "fieldwork was %s the five-year average pace.",
                           r.between(52, 74), r.pickFrom({"ahead of", "behind", "close to"}));
         },
         {"Dry conditions in parts of the western growing belt were noted by several analysts.",
          "Traders said the figures would matter most if the weather outlook changed."}},
        {"Grain Export Inspections:",
         15,
         0,
         [](SampleRandom &r) {
             return format("Inspections of soybeans for export came to %s million bushels last week, %s the "
                           "amount needed to meet the season's forecast.",
                           format("%.1f", 10.0 + 15.0 * r.uniform()).c_str(),
                           r.pickFrom({"above", "below", "close to"}));
         },
         {"Asian buyers took the largest share of the week's shipments.",
          "Shipments from the Gulf ports were steady despite river delays."}},
        {"Weekly Petroleum Inventories:",
         15,
         30,
         [](SampleRandom &r) {
             return format(
                 "Crude oil stocks changed by %s million barrels last week. Gasoline stocks changed by "
                 "%s million and distillates by %s million barrels.",
                 pct(r, -4.0, 4.0).c_str(), pct(r, -2.5, 2.5).c_str(), pct(r, -2.5, 2.5).c_str());
         },
         {"Refinery use was slightly higher than in the previous week.",
          "Imports of crude oil were close to their average of recent weeks."}},
        {"Money Supply:",
         16,
         30,
         [](SampleRandom &r) {
             const std::string change = pct(r, -6.0, 9.0);
             const bool fell = !change.empty() && change.front() == '-';
             return format("The broad measure of money supply %s by $%s billion in the latest week.",
                           fell ? "fell" : "rose", fell ? change.c_str() + 1 : change.c_str());
         },
         {"The figures have lost much of their influence on the market over the years.",
          "Growth in the broad measure remains within the central bank's range."}},
    };
    return kinds;
}

const std::vector<std::string> &reactions()
{
    static const std::vector<std::string> r = {
        "Bond prices {moved} in the first minutes after the figures.",
        "Stock index futures {moved} as traders weighed what the numbers mean for interest rates.",
        "Gold {moved}, with dealers reporting {flow} from investors.",
        "The dollar {moved} against the major currencies.",
        "Grain traders paid little attention to the figures and kept their eyes on the weather outlook.",
        "Crude oil futures {moved} in quiet trade.",
        "Several traders said the figures were {surprise} and that many positions had been squared "
        "beforehand.",
        "Floor brokers reported {volume} volume in the minutes after the release.",
        "Economists cautioned that a single month's figures are often revised and that the trend matters "
        "more "
        "than any one report.",
        "Some analysts said the report made a change in interest rates at the next policy meeting {likely}.",
        "Dealers said the market would now turn to the next round of figures later in the week.",
        "Commercial hedgers were said to be active on both sides of the market.",
        "Short-term traders were quick to take profits once the first move had run its course.",
        "One analyst called the numbers {quote}, adding that it was too early to draw firm conclusions.",
        "Traders noted that the figures matched the tone of recent surveys of business conditions.",
    };
    return r;
}

std::string reaction(const std::string &sentence, SampleRandom &r)
{
    return fillIn(sentence, {{"moved", r.pickFrom({"rose", "fell", "swung in both directions", "edged higher",
                                                   "edged lower", "barely moved"})},
                             {"flow", r.pickFrom({"modest buying", "light selling", "little interest"})},
                             {"surprise", r.pickFrom({"no great surprise", "a surprise", "mixed"})},
                             {"volume", r.pickFrom({"heavy", "light", "average"})},
                             {"likely", r.pickFrom({"more likely", "less likely"})},
                             {"quote", r.pickFrom({"\"reassuring\"", "\"a mixed bag\"", "\"hard to read\"",
                                                   "\"stronger than it looks\""})}});
}

// Stories come in three sizes, so that every layout of the news window is used: about 40% short (under
// 325 characters), 40% medium (325 to 699) and 20% long (700 or more).
std::string releaseStory(const ReleaseKind &kind, SampleRandom &random)
{
    const double size = random.uniform();
    const std::size_t minimum = size < 0.4 ? 0 : size < 0.8 ? 325 : 700;
    const std::size_t maximum = size < 0.4 ? 324 : size < 0.8 ? 699 : 1600;

    std::vector<std::string> sentences = kind.details;
    for (const std::string &s : pickSome(reactions(), static_cast<int>(reactions().size()), random))
        sentences.push_back(reaction(s, random));
    std::string story = kind.lead(random);
    for (const std::string &s : sentences) {
        if (story.size() >= minimum && random.chance(minimum == 0 ? 0.5 : 0.35))
            break;
        const std::string separator = story.size() > 400 && random.chance(0.3) ? "\n\n" : " ";
        if (story.size() + separator.size() + s.size() <= maximum)
            story += separator + s;
    }
    return story;
}

const ReleaseKind *kindNamed(const char *title)
{
    for (const ReleaseKind &k : releaseKinds())
        if (std::string_view(k.title) == title)
            return &k;
    return nullptr;
}

// The releases fixed by the calendar: the weekly bill auction on Mondays, jobless claims on Thursdays,
// the employment report on the first Friday of a month, the policy decision on the third Tuesday of
// eight months a year.
std::vector<const ReleaseKind *> scheduledReleases(QDate d)
{
    std::vector<const ReleaseKind *> kinds;
    if (d.dayOfWeek() == Qt::Monday)
        kinds.push_back(kindNamed("Government Short-Term Treasury Bill Auction Results:"));
    if (d.dayOfWeek() == Qt::Thursday)
        kinds.push_back(kindNamed("Weekly Jobless Claims:"));
    if (d.dayOfWeek() == Qt::Friday && d.day() <= 7)
        kinds.push_back(kindNamed("Employment Report:"));
    static const int kPolicyMonths[] = {2, 3, 5, 7, 8, 9, 11, 12};
    if (d.dayOfWeek() == Qt::Tuesday && d.day() >= 15 && d.day() <= 21 &&
        std::find(std::begin(kPolicyMonths), std::end(kPolicyMonths), d.month()) != std::end(kPolicyMonths))
        kinds.push_back(kindNamed("Federal Open Market Committee Decision:"));
    return kinds;
}

bool scheduledKind(const ReleaseKind &k)
{
    static const char *const kScheduled[] = {
        "Government Short-Term Treasury Bill Auction Results:", "Weekly Jobless Claims:",
        "Employment Report:", "Federal Open Market Committee Decision:"};
    return std::find_if(std::begin(kScheduled), std::end(kScheduled), [&](const char *t) {
               return std::string_view(t) == k.title;
           }) != std::end(kScheduled);
}

} // namespace

void addSampleReleases(const SampleOptions &options, PriceData &data)
{
    constexpr int kMostPerDay = 3;
    for (int day : data.tickDays) {
        SampleRandom random(options.seed, {uint64_t(day), 11});
        std::vector<const ReleaseKind *> today = scheduledReleases(vb::fromSerial(day));
        // 0 to 3 a day, about 1.2 on average: a three-month game sees well under the 500 the news list holds.
        const double draw = random.uniform();
        const std::size_t wanted = draw < 0.3 ? 0 : draw < 0.65 ? 1 : draw < 0.9 ? 2 : 3;
        while (today.size() < std::min<std::size_t>(wanted, kMostPerDay)) {
            const ReleaseKind &k = releaseKinds()[random.below(static_cast<int>(releaseKinds().size()))];
            if (!scheduledKind(k) && std::find(today.begin(), today.end(), &k) == today.end())
                today.push_back(&k);
        }
        if (today.size() > kMostPerDay)
            today.resize(kMostPerDay);
        for (const ReleaseKind *k : today)
            data.releases.push_back(
                {day, (k->hour * 60 + k->minute) * 60, k->title, releaseStory(*k, random)});
    }
}

} // namespace tarvello::futuresdb
