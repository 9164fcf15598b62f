#include "ExchangeCalendar.h"
#include "PriceEncoding.h"
#include "Sample.h"
#include "SampleRandom.h"
#include "TradingTimes.h"

#include "common/VbDate.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarvello::futuresdb {

namespace {

// The simulated market of each instrument: a level for 1 January of each year 1983..1999, which the
// price follows loosely (log-linear between the years, plus a mean-reverting wander with the market's
// volatility), the range the price is held in, and the size of trading.
struct Market {
    std::array<double, 17> levels;
    double low, high;
    double annualVolatility;
    int baseVolume;
};

// In CommodityID order: Cattle (cents/lb), Gold ($/oz), Oil ($/bbl), SP500 (points), Soybean (cents/bu),
// TBond (points).
const std::array<Market, kInstrumentCount> kMarkets = {{
    {{62, 66, 64, 56, 60, 68, 72, 75, 78, 74, 76, 73, 68, 64, 66, 67, 66}, 54, 82, 0.14, 15000},
    {{450, 385, 310, 330, 400, 470, 410, 400, 385, 355, 330, 385, 385, 390, 365, 295, 290},
     280,
     500,
     0.15,
     35000},
    {{29, 30, 26, 22, 17, 16, 18, 22, 26, 19, 19, 15.5, 18, 20, 25, 17, 14}, 14, 36, 0.32, 90000},
    {{140, 165, 167, 210, 245, 250, 280, 355, 330, 415, 435, 465, 460, 615, 740, 970, 1100},
     135,
     1050,
     0.15,
     55000},
    {{620, 760, 590, 530, 490, 620, 760, 570, 580, 570, 580, 690, 560, 700, 720, 680, 620},
     445,
     815,
     0.20,
     45000},
    {{75, 71, 72, 88, 100, 88, 90, 97, 93, 100, 103, 115, 98, 118, 110, 120, 122}, 68, 126, 0.09, 280000},
}};

constexpr int kFirstLevelYear = 1983;
constexpr double kReversionPerYear = 3.0;
constexpr double kTradingDaysPerYear = 252.0;
constexpr int kPointsOnQuietDays = 8;

double anchorLevel(const Market &m, QDate date)
{
    const int i = std::clamp(date.year() - kFirstLevelYear, 0, static_cast<int>(m.levels.size()) - 2);
    const double t = static_cast<double>(date.dayOfYear() - 1) / date.daysInYear();
    return std::exp(std::log(m.levels[i]) * (1.0 - t) + std::log(m.levels[i + 1]) * t);
}

// The minutes of one instrument's ticks on one day: the first exactly at the first reference time, a
// few inside every trading-time window (never on a window's closing minute, which the game's two
// matching steps treat differently), a few between the windows, the last inside the sixth window.
std::vector<int> tickMinutes(Instrument instrument, SampleRandom &random)
{
    std::vector<int> minutes{referenceMinute(instrument, 1)};
    auto addFrom = [&](int first, int last, int wantedSlot, int count) {
        std::vector<int> free;
        for (int m = first; m <= last; ++m)
            if (slotOfMinute(instrument, m) == wantedSlot &&
                std::find(minutes.begin(), minutes.end(), m) == minutes.end())
                free.push_back(m);
        for (int k = 0; k < count && !free.empty(); ++k) {
            const int pick = random.below(static_cast<int>(free.size()));
            minutes.push_back(free[pick]);
            free.erase(free.begin() + pick);
        }
    };
    for (int slot = 1; slot <= kSlotsPerDay; ++slot) {
        const int start = referenceMinute(instrument, slot);
        addFrom(start + 1, start + kSlotWindowMinutes - 1, slot, random.between(3, 5));
    }
    addFrom(referenceMinute(instrument, 1) + 1,
            referenceMinute(instrument, kSlotsPerDay) + kSlotWindowMinutes, 0, random.between(0, 3));
    std::sort(minutes.begin(), minutes.end());
    return minutes;
}

// A path from open to close through the day (a Brownian bridge), in grid steps; the first point is the
// open and the last the close.
std::vector<long> intradayPath(const std::vector<double> &times, long open, long close,
                               double stepsVolatility, SampleRandom &random)
{
    const std::size_t n = times.size();
    std::vector<double> walk(n, 0.0);
    for (std::size_t i = 1; i < n; ++i)
        walk[i] = walk[i - 1] + random.normal() * std::sqrt(times[i] - times[i - 1]);
    std::vector<long> path(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = times[i];
        const double bridge = walk[i] - t * walk[n - 1];
        const double level = open + (close - open) * t + bridge * stepsVolatility;
        path[i] = std::max(1L, std::lround(level));
    }
    path.front() = open;
    path.back() = close;
    return path;
}

class InstrumentSimulation {
public:
    InstrumentSimulation(Instrument instrument, const SampleOptions &options)
        : m_instrument(instrument), m_market(kMarkets[slotOf(instrument)]), m_grid(sampleGrid(instrument)),
          m_seed(options.seed), m_tickFirst(static_cast<int>(vb::toSerial(options.tickFirst))),
          m_tickLast(static_cast<int>(vb::toSerial(options.tickLast))),
          m_trend(options.seed, {uint64_t(commodityId(instrument))})
    {}

    void day(int serial, PriceData &data)
    {
        const QDate date = vb::fromSerial(serial);
        const double dailyVolatility = m_market.annualVolatility / std::sqrt(kTradingDaysPerYear);
        const double stationary = m_market.annualVolatility / std::sqrt(2.0 * kReversionPerYear);
        m_deviation = m_deviation * (1.0 - kReversionPerYear / kTradingDaysPerYear) +
                      dailyVolatility * m_trend.normal();
        m_deviation = std::clamp(m_deviation, -2.5 * stationary, 2.5 * stationary);
        const double anchor = anchorLevel(m_market, date);
        double price = anchor * std::exp(m_deviation);
        if (price < m_market.low || price > m_market.high) {
            price = std::clamp(price, m_market.low, m_market.high);
            m_deviation = std::log(price / anchor);
        }
        const long close = std::lround(price * m_grid);
        const double previous = m_previousClose > 0 ? m_previousClose : close;
        const long open =
            std::max(1L, std::lround(previous * std::exp(0.25 * dailyVolatility * m_trend.normal())));

        SampleRandom random(m_seed, {uint64_t(commodityId(m_instrument)), uint64_t(serial)});
        const bool tickDay = serial >= m_tickFirst && serial <= m_tickLast;
        std::vector<int> minutes;
        std::vector<double> times;
        if (tickDay) {
            minutes = tickMinutes(m_instrument, random);
            const double span = minutes.back() - minutes.front();
            for (int m : minutes)
                times.push_back((m - minutes.front()) / span);
        } else {
            for (int i = 0; i < kPointsOnQuietDays; ++i)
                times.push_back(static_cast<double>(i) / (kPointsOnQuietDays - 1));
        }
        const double stepsVolatility = 0.8 * dailyVolatility * close;
        const std::vector<long> path = intradayPath(times, open, close, stepsVolatility, random);
        // The day's extremes may lie between the points the file keeps.
        const long high = *std::max_element(path.begin(), path.end()) +
                          std::lround(std::fabs(random.normal()) * 0.2 * stepsVolatility);
        const long low = std::max(1L, *std::min_element(path.begin(), path.end()) -
                                          std::lround(std::fabs(random.normal()) * 0.2 * stepsVolatility));

        const double move =
            std::fabs(static_cast<double>(close - open)) / std::max(1.0, dailyVolatility * close);
        const int volume =
            static_cast<int>(m_market.baseVolume * (0.6 + 0.8 * random.uniform()) * (1.0 + 0.5 * move));
        m_openInterest =
            std::clamp(m_openInterest + static_cast<int>(0.02 * m_market.baseVolume * random.normal()),
                       m_market.baseVolume, 6 * m_market.baseVolume);
        data.daily.push_back({commodityId(m_instrument), serial, m_openInterest, volume, value(open),
                              value(high), value(low), value(close)});
        for (std::size_t i = 0; i < minutes.size(); ++i)
            data.ticks.push_back(
                {commodityId(m_instrument), serial, minutes[i], encodeTick(m_instrument, value(path[i]))});
        m_previousClose = close;
    }

private:
    double value(long steps) const { return static_cast<double>(steps) / m_grid; }

    Instrument m_instrument;
    const Market &m_market;
    int m_grid;
    uint64_t m_seed;
    int m_tickFirst, m_tickLast;
    SampleRandom m_trend;
    double m_deviation = 0.0;
    long m_previousClose = 0;
    int m_openInterest = 3 * m_market.baseVolume;
};

} // namespace

void simulatePrices(const SampleOptions &options, PriceData &data)
{
    const std::vector<int> days = tradingDays(options.dailyFirst, options.dailyLast);
    data.daily.reserve(data.daily.size() + days.size() * kInstrumentCount);
    // Ticks are simulated inside the days' bars, so the tick calendar is the daily one within its range.
    const int tickFirst = static_cast<int>(vb::toSerial(options.tickFirst));
    const int tickLast = static_cast<int>(vb::toSerial(options.tickLast));
    for (int d : days)
        if (d >= tickFirst && d <= tickLast)
            data.tickDays.push_back(d);
    data.ticks.reserve(data.ticks.size() + data.tickDays.size() * kInstrumentCount * 30);
    for (Instrument instrument : kAllInstruments) {
        InstrumentSimulation simulation(instrument, options);
        for (int d : days)
            simulation.day(d, data);
    }
}

PriceData buildSample(const SampleOptions &options)
{
    PriceData data;
    data.origin = kSampleOrigin;
    simulatePrices(options, data);
    addSampleStories(options, data);
    addSampleReleases(options, data);
    data.stories.push_back(disclaimerRow());
    return data;
}

} // namespace tarvello::futuresdb
