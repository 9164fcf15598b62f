#pragma once

namespace tarvello {

struct App;

// Loads the prices of the current period (TradeDay) into the instruments' current prices and refreshes
// the quote lines.
void LoadPeriodPrices(App &app);

} // namespace tarvello
