#include "data/PeriodPrices.h"

#include "common/Formats.h"
#include "common/Services.h"
#include "data/MarketHooks.h"
#include "data/QuoteLines.h"
#include "data/TickData.h"
#include "data/TradingCalendar.h"
#include "state/GameState.h"

namespace tarvello {

namespace {

// The period's raw prices before they are stored, by instrument.
struct RawPrices {
    float oil = 0.0f;
    float gold = 0.0f;
    float tbond = 0.0f;
    float sp500 = 0.0f;
    float cattle = 0.0f;
    double soybean = 0.0;
};

void showQuotes(GameState &state, MarketHooks &hooks)
{
    hooks.showQuoteLines(ShowCurrentMarket(state));
}

void setSingle(InstrumentBook &book, float price)
{
    book.price = price;
}

// Stores Oil, then, above Novice, the other five into the period's record and the current prices; at
// period 1 it also sets the previous closes.
void storePrices(GameState &state, int t, const RawPrices &raw, MarketHooks &hooks)
{
    PeriodPriceRecord &record = state.market.PeriodPrices[static_cast<size_t>(t)];
    record.Oil = CurrencyRounded(raw.oil);
    setSingle(state.book(Instrument::Oil), record.Oil);
    if (t == 1)
        state.book(Instrument::Oil).previousClose = raw.oil;
    if (state.settings.level == Level::Novice) {
        showQuotes(state, hooks);
        return;
    }

    if (t == 1) {
        state.book(Instrument::Gold).previousClose = CurrencyRounded(raw.gold);
        state.book(Instrument::TBond).previousClose = raw.tbond;
        state.book(Instrument::SP500).previousClose = CurrencyRounded(raw.sp500);
        state.book(Instrument::Cattle).previousClose = CurrencyRounded(raw.cattle);
        state.book(Instrument::Soybean).previousClose =
            static_cast<float>(vb::roundFormat(raw.soybean, u"currency"));
    }
    record.Gold = CurrencyRounded(raw.gold);
    setSingle(state.book(Instrument::Gold), record.Gold);
    record.TBond = raw.tbond;
    state.book(Instrument::TBond).price = record.TBond;
    record.SP500 = CurrencyRounded(raw.sp500);
    setSingle(state.book(Instrument::SP500), record.SP500);
    record.Cattle = CurrencyRounded(raw.cattle);
    setSingle(state.book(Instrument::Cattle), record.Cattle);
    record.Soybean = static_cast<float>(raw.soybean);
    setSingle(state.book(Instrument::Soybean), record.Soybean);
    showQuotes(state, hooks);
}

void loadDaily(GameState &state, int t, MarketHooks &hooks)
{
    RawPrices raw;
    raw.oil = t >= 1 ? GetInstrumentClose(state, commodityId(Instrument::Oil)) : 0.0f;
    if (state.settings.level != Level::Novice) {
        raw.gold = GetInstrumentClose(state, commodityId(Instrument::Gold));
        raw.tbond = GetInstrumentClose(state, commodityId(Instrument::TBond));
        raw.sp500 = GetInstrumentClose(state, commodityId(Instrument::SP500));
        raw.cattle = GetInstrumentClose(state, commodityId(Instrument::Cattle));
        // The daily Soybean rows are in cents; the game trades dollars, to four decimals.
        const float dollars = GetInstrumentClose(state, commodityId(Instrument::Soybean)) / 100.0f;
        raw.soybean = vb::roundFormat(dollars, u"#,##.#0##");
    }
    storePrices(state, t, raw, hooks);
}

void loadTick(GameState &state, int t, MarketHooks &hooks)
{
    const auto day = static_cast<size_t>(TickDayIndex(static_cast<int16_t>(t)).value_or(0.0f));
    const auto slot = static_cast<size_t>(TickSlot(static_cast<int16_t>(t)).value_or(0));
    const std::vector<TickDay> &days = state.market.TickDays;
    if (day >= days.size()) {
        // No tick record for this period's day: nothing to price it with.
        showQuotes(state, hooks);
        return;
    }
    const auto price = [&](Instrument i) {
        return days[day].Blocks[static_cast<size_t>(commodityId(i))].Slots[slot].Price;
    };
    RawPrices raw;
    raw.oil = price(Instrument::Oil);
    if (state.settings.level != Level::Novice) {
        raw.gold = price(Instrument::Gold);
        // Widened first and rounded as a Double: a price above 100 in 32nds needs eight digits
        // (115 11/32 is 115.34375), which the Double keeps exactly.
        const double tbond = price(Instrument::TBond);
        raw.tbond = static_cast<float>(vb::roundFormat(tbond, u"#,###.#####"));
        raw.sp500 = price(Instrument::SP500);
        raw.cattle = price(Instrument::Cattle);
        // Tick prices are already in dollars.
        raw.soybean = vb::roundFormat(price(Instrument::Soybean), u"#,###.#0##");
    }
    storePrices(state, t, raw, hooks);
}

} // namespace

float CurrencyRounded(float price)
{
    return static_cast<float>(vb::roundFormat(price, u"currency"));
}

void UpdateMarketForPeriod(GameState &state, MarketHooks &hooks, RandomSource &random)
{
    const int16_t t = state.clock.tradeDay;
    if (t >= 1 && t <= state.settings.gameLength) {
        random.randomize();
        LoadPeriodPrices(state, hooks);
    }
    hooks.countAndRecalcExposure();
}

void LoadPeriodPrices(GameState &state, MarketHooks &hooks)
{
    const int t = state.clock.tradeDay;
    const DataKind kind = state.settings.dataType;
    const bool tick = kind == DataKind::Tick;
    // A Tick game has no prices before its first period; no game prices a period outside the records.
    if (t < 0 || t >= kPeriodPriceRecords || (kind != DataKind::Daily && !(tick && t >= 1))) {
        showQuotes(state, hooks);
        return;
    }
    hooks.setStockTradeLimits();
    if (tick)
        loadTick(state, t, hooks);
    else
        loadDaily(state, t, hooks);
}

} // namespace tarvello
