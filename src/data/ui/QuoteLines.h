#pragma once

namespace tarvello {

struct App;

// The current-market lines of the main window.
// ShowCurrentMarket: sets every instrument's buy and sell fill prices to its price for the current
// period and rewrites the six quote lines (last price and change); before the first period they read
// "*** Market Closed ***". The account panel runs it, so a fill that follows uses the period's price.
void ShowCurrentMarket(App &app);
// ShowLastPrices: the quote lines as "$", the price and " Last", shown once a game is over.
void ShowLastPrices(App &app);

} // namespace tarvello
