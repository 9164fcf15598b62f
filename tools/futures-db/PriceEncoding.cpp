#include "PriceEncoding.h"

#include "common/Instrument.h"
#include "data/PriceFields.h"
#include "data/TickData.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tarvello::futuresdb {

namespace {
// Stored values may have been through a 32-bit float on their way in; a few thousandths of a step
// cover that and nothing that is really off the grid.
constexpr double kGridTolerance = 2e-3;

bool wholeNumber(double x, long long &n)
{
    if (!std::isfinite(x) || std::fabs(x) > 1e15)
        return false;
    n = std::llround(x);
    return std::fabs(x - static_cast<double>(n)) <= kGridTolerance;
}
} // namespace

double gamePrice(Instrument instrument, double dailyValue)
{
    return instrument == Instrument::Soybean ? dailyValue / 100.0 : dailyValue;
}

int tickGrid(Instrument instrument)
{
    switch (instrument) {
    case Instrument::Soybean:
        return 8;
    case Instrument::TBond:
        return 32;
    default:
        return 100;
    }
}

int dailyGrid(Instrument instrument)
{
    const bool fractional = instrument == Instrument::Soybean || instrument == Instrument::TBond;
    return fractional ? tickGrid(instrument) : 0;
}

int sampleGrid(Instrument instrument)
{
    switch (instrument) {
    case Instrument::Oil:
        return 100;
    case Instrument::Gold:
        return 10;
    case Instrument::SP500:
        return 20;
    case Instrument::Cattle:
        return 20;
    case Instrument::Soybean:
        return 4;
    case Instrument::TBond:
        return 32;
    }
    return 1;
}

bool onGrid(double value, int grid)
{
    long long n = 0;
    return grid <= 0 || wholeNumber(value * grid, n);
}

double encodeTick(Instrument instrument, double dailyValue)
{
    const long long steps = std::llround(dailyValue * tickGrid(instrument));
    switch (instrument) {
    case Instrument::Soybean:
        return static_cast<double>((steps / 8) * 10 + steps % 8) / 10.0;
    case Instrument::TBond:
        return static_cast<double>((steps / 32) * 100 + steps % 32) / 100.0;
    default:
        return static_cast<double>(steps) / 1000.0;
    }
}

ExactTick encodeTickExactly(Instrument instrument, double dailyValue)
{
    const int grid = tickGrid(instrument);
    // Checked before any conversion to an integer: a count beyond the range would overflow it.
    if (!std::isfinite(dailyValue) || !(std::fabs(dailyValue) * grid < kMaxTickSteps))
        return {};
    const double stored = encodeTick(instrument, dailyValue);
    // The checks the game's tick load makes before it holds a price.
    if (!fitsSingle(stored))
        return {};
    const float read = ConvertTickPrice(commodityId(instrument), static_cast<float>(stored));
    if (!std::isfinite(read))
        return {};
    const double rounded = static_cast<double>(std::llround(dailyValue * grid)) / grid;
    // The reading as the game shows it: the Single's shortest decimal form; Soybean is read in dollars.
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text - 1, read);
    *written.ptr = '\0';
    const double dailyUnits = instrument == Instrument::Soybean ? 100.0 : 1.0;
    ExactTick tick;
    tick.reading = std::strtod(text, nullptr) * dailyUnits;
    if (read == static_cast<float>(gamePrice(instrument, rounded)))
        tick.stored = stored;
    return tick;
}

std::optional<double> decodeTick(Instrument instrument, double realprice)
{
    if (!std::isfinite(realprice) || realprice < 0)
        return std::nullopt;
    long long n = 0;
    switch (instrument) {
    case Instrument::Soybean:
        if (!wholeNumber(realprice * 10.0, n) || n % 10 > 7)
            return std::nullopt;
        return static_cast<double>(n / 10) + static_cast<double>(n % 10) / 8.0;
    case Instrument::TBond:
        if (!wholeNumber(realprice * 100.0, n) || n % 100 > 31)
            return std::nullopt;
        return static_cast<double>(n / 100) + static_cast<double>(n % 100) / 32.0;
    default:
        return realprice * 10.0;
    }
}

} // namespace tarvello::futuresdb
