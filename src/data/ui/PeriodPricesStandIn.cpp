// Stand-in for the period's price load until the market data's window code is built: loads nothing.
#include "data/ui/PeriodPrices.h"

namespace tarvello {

void LoadPeriodPrices(App &) {}

} // namespace tarvello
