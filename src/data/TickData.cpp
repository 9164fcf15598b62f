#include "data/TickData.h"

#include "data/PriceDatabase.h"

#include "common/Formats.h"
#include "common/VbDate.h"
#include "common/VbMath.h"
#include "data/PriceDatabase.h"
#include "data/PriceFields.h"
#include "state/GameState.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>

namespace tarvello {

namespace {

constexpr int minutes(int hour, int minute)
{
    return hour * 60 + minute;
}

// Rows: CommodityID 1..6 (Cattle, Gold, Oil, SP500, Soybean, TBond); columns: slots 1..6.
constexpr int kReferenceMinutes[6][6] = {
    {minutes(9, 0), minutes(10, 0), minutes(10, 45), minutes(11, 20), minutes(11, 50), minutes(12, 35)},
    {minutes(7, 20), minutes(8, 35), minutes(10, 5), minutes(11, 35), minutes(12, 5), minutes(13, 45)},
    {minutes(8, 45), minutes(9, 30), minutes(10, 30), minutes(11, 45), minutes(12, 45), minutes(13, 45)},
    {minutes(8, 30), minutes(9, 45), minutes(11, 0), minutes(12, 15), minutes(13, 45), minutes(14, 45)},
    {minutes(9, 30), minutes(10, 15), minutes(11, 0), minutes(11, 45), minutes(12, 30), minutes(12, 45)},
    {minutes(7, 20), minutes(8, 20), minutes(9, 35), minutes(11, 20), minutes(12, 35), minutes(13, 35)},
};

// For each instrument and minute of the day, the first slot whose window holds the minute, or 0: the
// loader asks this for every tick it reads.
constexpr auto kSlotOfMinute = [] {
    std::array<std::array<int8_t, 1440>, 6> table{};
    for (int id = 0; id < 6; ++id)
        for (int minute = 0; minute < 1440; ++minute)
            for (int s = 6; s >= 1; --s)
                if (minute >= kReferenceMinutes[id][s - 1] && minute <= kReferenceMinutes[id][s - 1] + 30)
                    table[id][minute] = static_cast<int8_t>(s);
    return table;
}();

// The times a slot keeps until a tick of its own window arrives: late for the slots where the
// earliest tick wins, early for those where the latest wins.
const double kEarlySlotSentinel = minutes(23, 59) / 1440.0;
const double kLateSlotSentinel = minutes(0, 1) / 1440.0;

double sentinel(int slot)
{
    return slot <= 3 ? kEarlySlotSentinel : kLateSlotSentinel;
}

bool inWindow(int32_t id, int slot, int minuteOfDay)
{
    const int start = TickReferenceMinutes(id, slot);
    return minuteOfDay >= start && minuteOfDay <= start + kTickWindowMinutes;
}

double wholeDay(double serial)
{
    return std::floor(serial);
}

void fillBlock(TickBlock &block, float price)
{
    for (int s = 1; s <= 6; ++s)
        block.Slots[s].Price = price;
    block.Open = block.High = block.Low = block.Close = price;
    block.HasData = true;
}

// The close of the nearest day at or before `day` that holds the instrument's prices; day 0's close
// (seeded by the first tick) when none does.
float carriedClose(const std::vector<TickDay> &days, int32_t id, int day)
{
    for (int k = day; k >= 0; --k) {
        const TickBlock &block = days[static_cast<size_t>(k)].Blocks[static_cast<size_t>(id)];
        if (block.HasData)
            return block.Close;
    }
    return days.front().Blocks[static_cast<size_t>(id)].Close;
}

void storeTick(TickBlock &block, int32_t id, int minuteOfDay, float price, bool firstOfLoad)
{
    const double time = minuteOfDay / 1440.0;
    if (!block.HasData) {
        // The day's first price stands in every slot until the slot's own tick comes.
        block.HasData = true;
        for (int s = 1; s <= 6; ++s) {
            block.Slots[s].Price = price;
            const bool own = firstOfLoad ? s == 1 : inWindow(id, s, minuteOfDay);
            block.Slots[s].Time = own ? time : sentinel(s);
        }
        if (!firstOfLoad && inWindow(id, 1, minuteOfDay))
            block.Open = block.High = block.Low = block.Close = price;
        return;
    }

    const int s = MatchingTickSlot(id, minuteOfDay);
    if (s == 0)
        return;
    TickEntry &slot = block.Slots[static_cast<size_t>(s)];
    block.Close = price;
    if (s <= 3) {
        if (time < slot.Time)
            slot = {price, time};
        if (s == 1) {
            block.Open = block.High = block.Low = price;
        } else {
            block.High = std::max(block.High, price);
            block.Low = std::min(block.Low, price);
        }
    } else {
        if (time > slot.Time)
            slot = {price, time};
        block.Open = block.Slots[1].Price;
        block.High = block.Low = block.Slots[1].Price;
        for (int k = 2; k <= 6; ++k) {
            block.High = std::max(block.High, block.Slots[k].Price);
            block.Low = std::min(block.Low, block.Slots[k].Price);
        }
    }
}

} // namespace

int TickReferenceMinutes(int32_t commodityId, int slot)
{
    if (commodityId < 1 || commodityId > kInstrumentCount || slot < 1 || slot > 6)
        return -1;
    return kReferenceMinutes[commodityId - 1][slot - 1];
}

void InitTickTimes(MarketState &market)
{
    for (auto &row : market.TickReferenceTimes)
        row.fill(0.0);
    for (int id = 1; id <= kInstrumentCount; ++id)
        for (int s = 1; s <= 6; ++s)
            market.TickReferenceTimes[static_cast<size_t>(id)][static_cast<size_t>(s)] =
                TickReferenceMinutes(id, s) / 1440.0;
}

int MatchingTickSlot(int32_t commodityId, int minuteOfDay)
{
    if (commodityId < 1 || commodityId > kInstrumentCount || minuteOfDay < 0 || minuteOfDay >= 1440)
        return 0;
    return kSlotOfMinute[commodityId - 1][minuteOfDay];
}

double TickSpanEnd(const GameSettings &settings, double start)
{
    return vb::addMonths(start, settings.lengthOption == GameLengthOption::OneMonth ? 1 : 3);
}

namespace {

// One row of the tick query as the loader walks it. The price is read for every row, so that a row
// can be held against the next; it must be a number only when the row is taken.
struct TickRow {
    double dateTime = 0.0;
    double quote = 0.0;
    bool quoteOk = false; // false for a NULL or a text that is no number

    bool samePrice(const TickRow &other) const { return quoteOk == other.quoteOk && quote == other.quote; }
};

// Two ticks of one instrument at the same moment with different prices leave the slot's price to the
// order the rows happen to come in. Rows normally come in time order (the table's key), so a copy is
// the row just before; rows out of order are sorted by a query of their own.
db::Status sameMomentTwice(int32_t id, double dateTime)
{
    return db::Status::failure(QStringLiteral("The price database has two TickData rows of %1 at %2 with "
                                              "different prices.")
                                   .arg(instrumentLabel(id), momentText(dateTime)));
}

db::Status checkUnorderedTicks(const PriceDatabaseState &database, int32_t id, double start, double end)
{
    auto query = database.FuturesDb.openRecordset(TickRowsQuery(id, start, end) +
                                                  QStringLiteral(" ORDER BY [DateTime], realprice"));
    if (!query)
        return queryFailure(query.description());
    db::Recordset &rs = query.value();
    const qsizetype dateTime = rs.fieldIndex(u"DateTime"), price = rs.fieldIndex(u"realprice");
    std::optional<TickRow> previous;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        TickRow row{rs.fieldAt(dateTime).toDouble()};
        row.quote = rs.number(price, &row.quoteOk);
        if (previous && previous->dateTime == row.dateTime && !previous->samePrice(row))
            return sameMomentTwice(id, row.dateTime);
        previous = row;
    }
    return db::Status::success();
}

} // namespace

db::Status LoadTickData(GameState &state, int32_t id, double start)
{
    if (id < 1 || id > kInstrumentCount)
        return db::Status::success();
    MarketState &market = state.market;
    const TradingCalendar &calendar = market.GameCalendar;
    const double end = TickSpanEnd(state.settings, start);

    // The rows are read as the engine finds them: the loader needs no count, only to know the last row
    // when it comes, and it looks one row ahead for that.
    auto query = state.priceDatabase.FuturesDb.streamRows(TickRowsQuery(id, start, end));
    if (!query)
        return queryFailure(query.description());
    db::RowStream &rows = query.value();
    // One record per calendar day: a tick after the last one has no day to go to.
    const int dayCount = std::min(static_cast<int>(market.TickDays.size()), static_cast<int>(calendar.Count));
    if (dayCount < 1)
        return db::Status::success();

    std::vector<TickDay> &days = market.TickDays;
    const auto block = [&days, id](int k) -> TickBlock & {
        return days[static_cast<size_t>(k)].Blocks[static_cast<size_t>(id)];
    };
    StreamFieldReader fields(rows, "TickData");
    const auto dateTimeField = fields.field(u"DateTime"), priceField = fields.field(u"realprice");
    const auto readRow = [&] {
        TickRow row{fields.required(dateTimeField)};
        row.quote = rows.number(priceField.index, &row.quoteOk);
        return row;
    };

    bool more = rows.next();
    if (!more)
        return rows.status().ok() ? db::Status::success() : queryFailure(rows.status().description());
    days[0].Date = calendar.Days[0];
    int k = 0;
    // The calendar day the last rows fell on, to mark each day that holds a tick of the instrument.
    double markedDay = -1.0;
    bool unordered = false;
    std::optional<TickRow> previous;
    // Quotes repeat over a quarter: each is converted once, and kept by its bits in a small table.
    struct Converted {
        uint32_t bits = 0;
        float price = 0.0f;
        bool known = false;
    };
    std::array<Converted, 512> converted{};
    for (int i = 0; more; ++i) {
        const TickRow row = readRow();
        if (fields.failed())
            return fields.status();
        more = rows.next();
        if (!more && !rows.status().ok())
            return queryFailure(rows.status().description());
        const bool last = !more;

        if (previous) {
            if (row.dateTime == previous->dateTime && !row.samePrice(*previous))
                return sameMomentTwice(id, row.dateTime);
            unordered = unordered || row.dateTime < previous->dateTime;
        }
        previous = row;

        const double day = wholeDay(row.dateTime); // the day of its short date
        if (day != markedDay) {
            markedDay = day;
            const auto found =
                std::lower_bound(calendar.Days.begin(), calendar.Days.begin() + dayCount, day,
                                 [](double calendarDay, double d) { return wholeDay(calendarDay) < d; });
            if (found != calendar.Days.begin() + dayCount && wholeDay(*found) == day)
                block(static_cast<int>(found - calendar.Days.begin())).HasTicks = true;
        }

        const int minuteOfDay = vb::minutesOfDay(row.dateTime);
        // The first and the last tick are always taken; the others only inside a slot's window, and
        // those outside are skipped before any conversion.
        if (i != 0 && !last && MatchingTickSlot(id, minuteOfDay) == 0)
            continue;
        if (!row.quoteOk)
            return missingValue("TickData", id, QStringLiteral("at ") + momentText(row.dateTime),
                                priceField.name);
        const float quote = static_cast<float>(row.quote);
        const auto bits = std::bit_cast<uint32_t>(quote);
        Converted &entry = converted[(bits * 2654435761u) >> 23];
        if (!entry.known || entry.bits != bits) {
            const float price = fitsSingle(row.quote) ? ConvertTickPrice(id, quote) : 0.0f;
            if (!fitsSingle(row.quote) || !std::isfinite(price))
                return beyondSingle("TickData", id, QStringLiteral("at ") + momentText(row.dateTime),
                                    priceField.name, row.quote);
            entry = {bits, price, true};
        }
        const float price = entry.price;

        float carried;
        if (i == 0) {
            if (!block(0).HasData) {
                days[0].Date = calendar.Days[0];
                block(0).Close = price;
            }
            carried = price;
        } else {
            carried = carriedClose(days, id, k);
        }

        if (day < wholeDay(days[static_cast<size_t>(k)].Date))
            continue;
        bool pastCalendar = false;
        while (day > wholeDay(days[static_cast<size_t>(k)].Date)) {
            if (!block(k).HasData)
                fillBlock(block(k), carried);
            if (k + 1 >= dayCount) {
                pastCalendar = true;
                break;
            }
            ++k;
            days[static_cast<size_t>(k)].Date = calendar.Days[static_cast<size_t>(k)];
        }
        if (!pastCalendar)
            storeTick(block(k), id, minuteOfDay, price, i == 0);
    }
    rows.close();
    if (unordered) {
        if (db::Status copies = checkUnorderedTicks(state.priceDatabase, id, start, end); !copies)
            return copies;
    }

    // The days after the last tick carry its day's last price.
    if (block(k).HasData) {
        const float last = block(k).Slots[6].Price;
        for (int j = k + 1; j < dayCount && calendar.Days[static_cast<size_t>(j)] < end; ++j) {
            days[static_cast<size_t>(j)].Date = calendar.Days[static_cast<size_t>(j)];
            fillBlock(block(j), last);
        }
    }
    return db::Status::success();
}

namespace {

// A price rounded to `places` decimals (2 or 6) as the game's formats round it: half away from zero on
// the value's decimal form (a Single's shortest form, a Double's cut to 15 digits), the text read
// back as the nearest Double. The decimal form lies within a hair of the binary value, so wherever the
// scaled value is further than that from a half step the two round alike, and the binary value is
// rounded directly; only a value within reach of a half step goes through the format.
template <typename T> double roundLikeFormat(T value, int places, QStringView pattern)
{
    // How far the decimal form may lie from the value, relative to it: half a unit in the last place
    // of T, and for a Double half a unit in the 15th digit (10^(1 - 15)), each taken twice over.
    constexpr double unit = std::numeric_limits<T>::epsilon();
    constexpr double cut = std::is_same_v<T, float> ? 0.0 : 1e-14;
    const double scale = places == 2 ? 1e2 : 1e6;
    const double scaled = static_cast<double>(value) * scale;
    const double size = std::fabs(scaled);
    if (size < 1e15) { // false for a value that is not finite
        const double margin =
            2.0 * size * (unit + cut) + size * std::numeric_limits<double>::epsilon() + 1e-9;
        const double whole = std::floor(scaled);
        const double rest = scaled - whole;
        if (std::fabs(rest - 0.5) > margin)
            return (rest > 0.5 ? whole + 1.0 : whole) / scale + 0.0; // + 0.0: no negative zero
    }
    return vb::roundFormat(value, pattern);
}

double roundToCents(float value, QStringView pattern)
{
    return roundLikeFormat(value, 2, pattern);
}

} // namespace

double ConvertTBondQuote(float quote)
{
    const float whole = static_cast<float>(vb::Int(quote));
    const float fraction = quote - whole;
    const double thirtySeconds = roundToCents(fraction, u"standard");
    return whole + thirtySeconds * 100.0 / 32.0;
}

namespace {

const QStringView kSoybeanDollars = u"#,###.######";

// A Soybean quote in cents and eighths, in dollars: the digit after the point counts eighths.
double soybeanDollars(float quote)
{
    const float whole = static_cast<float>(vb::Int(quote));
    const float fraction = quote - whole;
    const double eighths = roundToCents(fraction, u"standard");
    const double cents = whole + eighths / 0.8;
    return cents / 100.0;
}

} // namespace

QString ConvertSoybeanQuote(float quote)
{
    return vb::format(soybeanDollars(quote), kSoybeanDollars);
}

float ConvertTickPrice(int32_t commodityId, float quote)
{
    switch (commodityId) {
    case 5: // the text ConvertSoybeanQuote gives, read back
        return static_cast<float>(roundLikeFormat(soybeanDollars(quote), 6, kSoybeanDollars));
    case 6:
        return static_cast<float>(ConvertTBondQuote(quote));
    default:
        return static_cast<float>(roundToCents(quote * 10.0f, u"Standard"));
    }
}

std::optional<float> TickDayIndex(int16_t n)
{
    if (n <= 0)
        return std::nullopt;
    return static_cast<float>(vb::Int(static_cast<float>(n - 1) / 6.0f));
}

std::optional<int16_t> TickSlot(int16_t n)
{
    if (n <= 0)
        return std::nullopt;
    const int slot = n % 6;
    return static_cast<int16_t>(slot == 0 ? 6 : slot);
}

std::optional<float> TickNumber(int16_t n)
{
    if (n <= 0)
        return std::nullopt;
    return 6.0f * *TickDayIndex(n) + static_cast<float>(*TickSlot(n));
}

} // namespace tarvello
