// Stand-ins for the quote lines until the market data's window code is built. ShowCurrentMarket gives
// each instrument its current price as both fill prices, which is all the order road relies on; neither
// writes a quote line.
#include "data/ui/QuoteLines.h"

#include "common/GameState.h"
#include "ui/App.h"

namespace tarvello {

void ShowCurrentMarket(App &app)
{
    if (app.state.clock.tradeDay == 0)
        return;
    for (InstrumentBook &book : app.state.books) {
        book.buyFillPrice = book.price;
        book.sellFillPrice = book.price;
    }
}

void ShowLastPrices(App &) {}

} // namespace tarvello
