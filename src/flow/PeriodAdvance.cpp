#include "flow/PeriodAdvance.h"

#include "common/VbDate.h"
#include "data/TickData.h"
#include "flow/GamePeriod.h"

namespace tarvello {

namespace {

constexpr int kTicksPerDay = 6;

// The record of period `t`; null outside the records.
const PeriodPriceRecord *periodRecord(const MarketState &market, int t)
{
    if (t < 0 || t >= static_cast<int>(market.PeriodPrices.size()))
        return nullptr;
    return &market.PeriodPrices[static_cast<size_t>(t)];
}

} // namespace

std::optional<double> lengthEndDate(double start, GameLengthOption option, bool yearCounts)
{
    const int months = lengthMonths(option);
    if (months == 0 || (option == GameLengthOption::OneYear && !yearCounts))
        return std::nullopt;
    return vb::addMonths(start, months);
}

int16_t tickLastPeriod(int16_t tradeDaysInPeriod)
{
    return static_cast<int16_t>(tradeDaysInPeriod * kTicksPerDay);
}

int16_t tickGameLength(int16_t tradeDaysInPeriod)
{
    return static_cast<int16_t>(tickLastPeriod(tradeDaysInPeriod) + 1);
}

int16_t tickDayIndexOf(int16_t tradeDay)
{
    return static_cast<int16_t>(tradeDay > 0 ? TickDayIndex(tradeDay).value_or(0.0f) : 0.0f);
}

bool finalDayNoticeDue(DataKind kind, int16_t tradeDay, int16_t gameLength)
{
    switch (kind) {
    case DataKind::Daily:
        return tradeDay == gameLength - 2;
    case DataKind::Tick:
        return tradeDay == gameLength - (kTicksPerDay + 1);
    case DataKind::None:
        break;
    }
    return false;
}

bool endDateReached(std::optional<double> date, double endDate)
{
    return date && *date >= endDate;
}

int16_t finalPeriodTradeDay(DataKind kind, int16_t tradeDay, int16_t tradeDaysInPeriod)
{
    return kind == DataKind::Tick ? tickLastPeriod(tradeDaysInPeriod) : tradeDay;
}

void HandOverPrices(GameState &state)
{
    if (state.clock.tradeDay != 0) {
        for (InstrumentBook &book : state.books)
            book.previousClose = static_cast<float>(book.price);
    } else if (const PeriodPriceRecord *record = periodRecord(state.market, 0)) {
        state.book(Instrument::Oil).previousClose = record->Oil;
        state.book(Instrument::Gold).previousClose = record->Gold;
        state.book(Instrument::TBond).previousClose = static_cast<float>(record->TBond);
        state.book(Instrument::SP500).previousClose = record->SP500;
        state.book(Instrument::Cattle).previousClose = record->Cattle;
        state.book(Instrument::Soybean).previousClose = record->Soybean;
    }
    for (InstrumentBook &book : state.books)
        book.price = 0.0;
}

void TakePeriodPrices(GameState &state)
{
    const PeriodPriceRecord *record = periodRecord(state.market, state.clock.tradeDay);
    if (!record)
        return;
    state.book(Instrument::Oil).price = record->Oil;
    state.book(Instrument::Gold).price = record->Gold;
    state.book(Instrument::TBond).price = record->TBond;
    state.book(Instrument::SP500).price = record->SP500;
    state.book(Instrument::Cattle).price = record->Cattle;
    state.book(Instrument::Soybean).price = record->Soybean;
}

} // namespace tarvello
