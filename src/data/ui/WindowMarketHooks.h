#pragma once

#include "data/MarketHooks.h"

namespace tarvello {

struct App;

// The market data's hooks as the main window answers them: the date label, the quote lines, the
// account's exposure figure, the chart resets, the mouse pointer and the event yield.
class WindowMarketHooks : public MarketHooks {
public:
    explicit WindowMarketHooks(App &app) : app_(app) {}

    void letEventsRun() override;
    void setMousePointer(int pointer) override;
    void setDayLabel(const QString &caption) override;
    void showQuoteLines(const QuoteLines &lines) override;
    void countAndRecalcExposure() override;
    void resetCharts() override;

protected:
    App &app_;
};

// Writes the quote line updates to the main window's six quote labels.
void ApplyQuoteLines(App &app, const QuoteLines &lines);

} // namespace tarvello
