#pragma once

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;
struct GameState;
class Halvern;

// The news window's caption for the charted instrument's background news: the key, the market and
// the year the story is filed under ("Oil Futures Market: 1989 News Background ").
QString BackgroundCaption(const GameState &state);

// The news menu: "&Annual" and "&Daily" follow their own click counts; "&Background Story" shows the
// charted instrument's background story for the year before the game period.
void mnuNews_Click(App &app, int16_t index);

// The news history: in Tick games the releases shown so far in a grid over the charts, in Daily games
// the charted instrument's background news in the news window.
void btnNewsHist_Click(App &app);
void BuildNewsHistory(App &app);
void btnCloseNewsHist_Click(App &app);

// The trade history: the fills of the game in a grid over the charts, newest first, then the average
// entry price of each open position.
void btnTradeHist_Click(App &app);
void BuildTradeHistory(App &app);
void btnCloseTradeHistory_Click(App &app);

// Connects the news menu and the report buttons of the main window.
void connectNewsReports(Halvern &w, App &app);

} // namespace tarvello
