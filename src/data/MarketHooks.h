#pragma once

#include <QString>

namespace tarvello {

struct QuoteLines;

// What the market data asks of the windows and of the account and order subsystems while it loads and
// prices a game. Every call does nothing by default, so a test overrides only what it watches; the
// main window overrides them all.
class MarketHooks {
public:
    virtual ~MarketHooks() = default;

    // Let pending window events run, so the screen repaints during long steps.
    virtual void letEventsRun() {}
    // The screen's mouse pointer: 11 the hourglass, 0 the default. A setting, not a stack.
    virtual void setMousePointer(int pointer) { (void)pointer; }
    // The date label LabelDay takes this caption ("Date: 1/2/1990").
    virtual void setDayLabel(const QString &caption) { (void)caption; }
    // The six quote labels take these captions and visibilities.
    virtual void showQuoteLines(const QuoteLines &lines) { (void)lines; }

    // Order entry: the limits of the stock instruments the game does not trade.
    virtual void setStockTradeLimits() {}
    // Account: count the period and recompute the account figures.
    virtual void countAndRecalcExposure() {}

    // Game load: the left chart is reset and the right chart's labels set for a new game.
    virtual void resetCharts() {}
    // A tick load begins: the end-of-game window is hidden, the main window disabled, events run.
    virtual void beginTickLoad() {}
    // The "Initializing Data" window is shown (true) or hidden (false) around a tick load that reads
    // the database.
    virtual void showInitializing(bool shown) { (void)shown; }
    // Progress of that load: `loaded` of `total` instruments have their ticks.
    virtual void initializingProgress(int loaded, int total)
    {
        (void)loaded;
        (void)total;
    }
    // A tick load ends: the main window is enabled again and takes the focus.
    virtual void endTickLoad() {}
};

} // namespace tarvello
