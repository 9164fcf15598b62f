#pragma once

#include <cstdint>

namespace tarvello {

struct GameState;
class MarketHooks;
class RandomSource;

// The start of a new period: for periods 1 to GameLength the random generator is reseeded and the
// period's prices loaded; the account figures are recomputed in every case.
void UpdateMarketForPeriod(GameState &state, MarketHooks &hooks, RandomSource &random);

// Loads the six prices of period TradeDay into its PeriodPrices record and the current prices, sets
// the previous closes at period 1 and rewrites the quote lines. A Daily game takes the closes of the
// daily series (Soybean from cents to dollars), a Tick game the slot of the period's tick day; prices
// are rounded to cents except T-Bond and Soybean. At Novice only Oil is priced. A Tick game before its
// first period, or a period outside the records, only rewrites the quote lines.
void LoadPeriodPrices(GameState &state, MarketHooks &hooks);

// A price rounded to cents through the "currency" format, as every stored dollar price is.
float CurrencyRounded(float price);

} // namespace tarvello
