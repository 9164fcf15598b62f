#pragma once

#include "account/AccountSetup.h"
#include "account/LotLedger.h"
#include "common/Notice.h"
#include "common/Services.h"
#include "state/GameState.h"

#include <deque>
#include <ostream>

namespace tarvello {

inline void PrintTo(const Notice &notice, std::ostream *os)
{
    *os << "{\"" << notice.title.toStdString() << "\", \"" << notice.message.toStdString() << "\", "
        << notice.code << "}";
}

} // namespace tarvello

namespace tarvello::testing {

// A random source that gives the draws a test scripts, in order, then `afterScript` for every further
// draw, and counts the reseeds. Reseeding does not change the script.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom(std::initializer_list<float> draws = {}) : m_draws(draws) {}
    // Scripts a draw that picks k of 1..n with Int(Rnd * n + 1).
    ScriptedRandom &pick(int k, int n)
    {
        m_draws.push_back((static_cast<float>(k) - 0.5f) / static_cast<float>(n));
        return *this;
    }
    void randomize() override { ++reseeds; }
    void seed(uint32_t) override {}
    float rnd() override
    {
        if (m_draws.empty()) {
            ++exhausted;
            return afterScript;
        }
        const float draw = m_draws.front();
        m_draws.pop_front();
        return draw;
    }
    size_t left() const { return m_draws.size(); }

    float afterScript = 0.0f;
    int reseeds = 0;
    int exhausted = 0; // draws asked for beyond the script

private:
    std::deque<float> m_draws;
};

// A fresh game at a level, with the limits a new game sets.
inline GameState newGame(Level level = Level::Expert)
{
    GameState state;
    setupAccountForLevel(state, level);
    resetAccountForNewGame(state);
    return state;
}

// A fill as the execution books it: the position moves, then the lots.
inline void fill(GameState &state, Instrument instrument, float units, double price)
{
    state.book(instrument).position += units;
    StorePrice(state, instrument, units, price);
}

// A fill of a test's history.
struct Fill {
    float units;
    double price;
};

inline void fillAll(GameState &state, Instrument instrument, std::initializer_list<Fill> fills)
{
    for (const Fill &f : fills)
        fill(state, instrument, f.units, f.price);
}

// Sets the instrument's current price and both fill prices.
inline void setPrice(GameState &state, Instrument instrument, double price)
{
    InstrumentBook &book = state.book(instrument);
    book.price = price;
    book.buyFillPrice = price;
    book.sellFillPrice = price;
    // The quote lines re-read the period's record, so the price must stand there too.
    PeriodPriceRecord &record = state.market.PeriodPrices[static_cast<size_t>(state.clock.tradeDay)];
    switch (instrument) {
    case Instrument::Oil:
        record.Oil = static_cast<float>(price);
        break;
    case Instrument::Gold:
        record.Gold = static_cast<float>(price);
        break;
    case Instrument::TBond:
        record.TBond = price;
        break;
    case Instrument::SP500:
        record.SP500 = static_cast<float>(price);
        break;
    case Instrument::Cattle:
        record.Cattle = static_cast<float>(price);
        break;
    case Instrument::Soybean:
        record.Soybean = static_cast<float>(price);
        break;
    }
}

} // namespace tarvello::testing
