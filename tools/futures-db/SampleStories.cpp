#include "Sample.h"
#include "SampleText.h"

#include "common/VbDate.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace tarvello::futuresdb {

namespace {

// The story dated 1 January of a year is the background at the start of that year: how the year before
// went and what traders watch next. The game shows it both as the background of the year before a
// game and as the news history of a game starting that day, so it never tells how its own year ends.

struct YearSummary {
    double firstOpen = 0, lastClose = 0, high = 0, low = 0;
    bool any = false;
};

struct MarketText {
    const char *name; // how the first sentence names the market
    std::vector<std::string> themes;
    std::vector<std::string> watch;
};

const MarketText &marketText(Instrument instrument)
{
    static const MarketText kCattle{
        "Live cattle futures",
        {"Feedlot placements and the pace of slaughter set the tone for much of the trade, with packers "
         "bidding cautiously whenever their margins thinned.",
         "Grain prices matter to cattle feeders: cheap corn encourages heavier placements, while a poor "
         "harvest "
         "pushes young animals onto the market early.",
         "Retail beef demand faces steady competition from poultry and pork, and the trade watches grocery "
         "features and restaurant traffic closely.",
         "The herd cycle, several years long from keeping heifers back to finishing steers, gives the market "
         "slow swings that outlast any single report.",
         "Seasonal patterns are familiar to the pit: prices often firm ahead of the spring grilling season "
         "and "
         "soften when summer supplies peak.",
         "Weather on the plains, from blizzards in the feedlots to drought on summer pasture, can move the "
         "market within days."},
        {"the monthly cattle-on-feed figures", "feed grain prices through the planting season",
         "beef demand against competing meats", "the size of the spring calf crop",
         "packer margins and the weekly slaughter pace"}};
    static const MarketText kGold{
        "Gold futures",
        {"Gold trades as much on fear and on inflation expectations as on jewellery and industrial demand.",
         "A strong dollar usually weighs on the metal, and currency markets are watched as closely as the "
         "metal "
         "itself.",
         "Official sales from government reserves, and even rumours of them, have been a recurring weight on "
         "prices.",
         "Mine forward selling caps rallies, as producers lock in prices whenever the market lifts.",
         "Jewellery buying in Asia and the Middle East gives the market a seasonal floor in the autumn.",
         "Real interest rates are the metal's rival: when a safe bond pays well above inflation, holding "
         "gold "
         "costs more."},
        {"inflation figures and what they mean for interest rates", "the dollar against the major currencies",
         "any sign of sales from official reserves", "physical demand in the autumn buying season",
         "political tension abroad and the brief flights to safety it brings"}};
    static const MarketText kOil{
        "Crude oil futures",
        {"Production quotas agreed among the major exporting nations, and how faithfully they are kept, "
         "remain "
         "the market's central question.",
         "Weekly inventory figures for crude oil, gasoline and heating oil drive much of the short-term "
         "trading.",
         "Refinery outages and the switch between summer gasoline and winter heating fuel create seasonal "
         "swings.",
         "Winter weather in the northern hemisphere can lift heating oil demand and pull crude along with "
         "it.",
         "Supply disruptions in producing regions bring sudden spikes that often fade once shipments resume.",
         "Growing output from fields outside the exporters' group has steadily added to world supply."},
        {"the exporters' next quota meeting", "weekly inventories as the heating season progresses",
         "economic growth and fuel demand in Asia", "refinery runs ahead of the driving season",
         "output from new fields outside the exporters' group"}};
    static const MarketText kSP500{
        "SP500 stock index futures",
        {"Corporate earnings set the market's direction, and each reporting season brings sharp moves in "
         "single "
         "sectors.",
         "Interest rates weigh on stock valuations; a rise in long-term yields tends to cool equity buyers.",
         "Mergers and share buybacks have supported prices as companies return cash to their shareholders.",
         "Savings flowing into mutual funds have become a steady source of demand for stocks.",
         "Program trading between the futures and the underlying stocks keeps the two close, but can magnify "
         "sudden moves.",
         "Valuation worries surface whenever prices outrun earnings, and brief sell-offs remind traders of "
         "the "
         "risks."},
        {"the first-quarter earnings season", "long-term interest rates and the bond market",
         "the pace of savings flowing into stock funds", "valuations against earnings growth",
         "the central bank's next moves on short-term rates"}};
    static const MarketText kSoybean{
        "Soybean futures",
        {"Planting intentions in the spring and crop conditions through the summer are the main drivers of "
         "the "
         "soybean market.",
         "Weather in July and August, when the pods fill, can change the size of the crop more than anything "
         "else.",
         "Export demand, especially from Asian buyers, is tracked through the weekly inspection figures.",
         "The crush margin, the value of meal and oil against the beans, tells whether processors will keep "
         "buying.",
         "The South American harvest in the spring adds competing supplies to the world market.",
         "Livestock numbers drive meal demand, tying the soybean pit to the cattle and hog markets."},
        {"the planting intentions report in the spring", "the size of the South American harvest",
         "weekly export inspections", "summer weather in the growing belt",
         "carry-over stocks and the crush margin"}};
    static const MarketText kTBond{
        "Treasury bond futures",
        {"Inflation figures and the central bank's view of them set the course of long-term interest rates.",
         "The monthly employment report is the release most likely to move bond prices sharply.",
         "Treasury auctions test the demand for new debt, and a weak auction can push yields higher for "
         "days.",
         "Foreign buyers have become a large part of the market, and the dollar's strength affects their "
         "appetite.",
         "The federal budget deficit and the supply of new bonds weigh on prices over the longer run.",
         "In times of stress elsewhere, bonds draw money seeking safety, lifting prices as yields fall."},
        {"the monthly employment and inflation figures", "the central bank's policy meetings",
         "demand at the quarterly refunding auctions", "the budget debate and the supply of new bonds",
         "foreign demand and the dollar"}};
    switch (instrument) {
    case Instrument::Cattle:
        return kCattle;
    case Instrument::Gold:
        return kGold;
    case Instrument::Oil:
        return kOil;
    case Instrument::SP500:
        return kSP500;
    case Instrument::Soybean:
        return kSoybean;
    case Instrument::TBond:
        return kTBond;
    }
    return kOil;
}

std::string yearReview(Instrument instrument, int year, const YearSummary &y, SampleRandom &random)
{
    const double change = (y.lastClose / y.firstOpen - 1.0) * 100.0;
    std::string verdict;
    if (change > 10)
        verdict = random.pickFrom({"It was a strong year for buyers.", "Buyers had the better of the year.",
                                   "Those who held long positions were well rewarded."});
    else if (change > 3)
        verdict =
            random.pickFrom({"Gains came slowly and unevenly.", "The advance was modest but steady enough.",
                             "Buyers edged ahead over the year."});
    else if (change >= -3)
        verdict = random.pickFrom({"For all the swings, the market ended close to where it began.",
                                   "The year's rallies and sell-offs largely cancelled out.",
                                   "Neither side gained much ground over the year."});
    else if (change >= -10)
        verdict = random.pickFrom({"Sellers held a modest edge.", "Prices slipped over the year.",
                                   "Rallies were sold more often than not."});
    else
        verdict = random.pickFrom({"It was a difficult year for holders of long positions.",
                                   "Sellers were in control for much of the year.",
                                   "The decline tested the patience of buyers."});
    return fillIn(
        "During {year} the market traded between {low} and {high}, and it ended the year {direction} "
        "about {pct}% from its first session. {verdict}",
        {{"year", std::to_string(year)},
         {"low", priceText(instrument, y.low)},
         {"high", priceText(instrument, y.high)},
         {"direction", change >= 0 ? "up" : "down"},
         {"pct", format("%.0f", std::fabs(change))},
         {"verdict", verdict}});
}

std::string story(Instrument instrument, int year, const std::map<std::pair<int, int>, YearSummary> &years,
                  uint64_t seed)
{
    SampleRandom random(seed, {uint64_t(commodityId(instrument)), uint64_t(year), 7});
    const MarketText &text = marketText(instrument);
    const auto previous = years.find({commodityId(instrument), year - 1});
    const auto current = years.find({commodityId(instrument), year});

    std::string opening = std::string(text.name) + " " + random.pickFrom({"begin", "enter", "open"}) + " " +
                          std::to_string(year);
    if (previous != years.end())
        opening += " near " + priceText(instrument, previous->second.lastClose) + ". " +
                   yearReview(instrument, year - 1, previous->second, random);
    else if (current != years.end())
        opening += " near " + priceText(instrument, current->second.firstOpen) + ".";
    else
        opening += ".";

    std::string themes;
    for (const std::string &s : pickSome(text.themes, 4, random))
        themes += (themes.empty() ? "" : " ") + s;

    const std::vector<std::string> watch = pickSome(text.watch, 3, random);
    std::string outlook =
        fillIn(random.pickFrom({"For {year}, traders will be watching {a}, {b} and {c}.",
                                "The items on traders' lists for {year} are {a}, {b} and {c}.",
                                "Going into {year}, the trade's attention is on {a}, {b} and "
                                "{c}."}),
               {{"year", std::to_string(year)}, {"a", watch[0]}, {"b", watch[1]}, {"c", watch[2]}});
    outlook +=
        " " + std::string(random.pickFrom(
                  {"Many expect a range-bound start to the year until fresh news gives the market direction.",
                   "Volatility is likely to stay a feature of the market, and position sizes should "
                   "reflect it.",
                   "The first weeks of trading will show whether last year's buyers and sellers still have "
                   "conviction.",
                   "Margins may be raised if the market turns volatile, and traders should allow for it."}));

    return opening + "\n\n" + themes + "\n\n" + outlook +
           "\n\n(The prices in this background come from the game's simulated market, not from history.)";
}

} // namespace

void addSampleStories(const SampleOptions &options, PriceData &data)
{
    std::map<std::pair<int, int>, YearSummary> years;
    for (const DailyRow &r : data.daily) {
        YearSummary &y = years[{r.commodityId, vb::fromSerial(r.date).year()}];
        if (!y.any) {
            y = {r.open, r.close, r.high, r.low, true};
            continue;
        }
        y.lastClose = r.close;
        y.high = std::max(y.high, r.high);
        y.low = std::min(y.low, r.low);
    }
    for (int year = options.storyFirstYear; year <= options.storyLastYear; ++year)
        for (Instrument instrument : kAllInstruments)
            data.stories.push_back({static_cast<int>(vb::toSerial(year, 1, 1)), commodityId(instrument),
                                    story(instrument, year, years, options.seed)});
}

std::string disclaimerText()
{
    return "Tarvello is a simulation game for learning how futures trading works. It is not a trading "
           "system, "
           "and nothing in it is investment advice.\n\n"
           "The prices that come with the game are simulated sample prices. They follow the general levels "
           "of "
           "each market in the years the game covers, but they are not the historical prices of any day, and "
           "the background stories and news releases were written for the game. Do not base any decision "
           "about "
           "real money on anything the game shows.\n\n"
           "Trading real futures carries a substantial risk of loss, and the results of a game say nothing "
           "about "
           "the results you would have in a real market.";
}

StoryRow disclaimerRow()
{
    return {static_cast<int>(vb::toSerial(kDisclaimerYear, kDisclaimerMonth, kDisclaimerDay)), 0,
            disclaimerText()};
}

} // namespace tarvello::futuresdb
