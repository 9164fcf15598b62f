#pragma once

#include "data/MarketHooks.h"
#include "data/QuoteLines.h"
#include "state/GameState.h"
#include "support/FixtureDb.h"
#include "support/FixtureGames.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tarvello::test {

// Hooks that write down what the market data asked for, in order.
class RecordingHooks : public MarketHooks {
public:
    QStringList calls;
    QString dayLabel;
    std::optional<QuoteLines> quotes;
    int exposureCounts = 0;
    int stockLimitCalls = 0;

    void letEventsRun() override { calls << QStringLiteral("events"); }
    void setMousePointer(int pointer) override { calls << QStringLiteral("pointer %1").arg(pointer); }
    void setDayLabel(const QString &caption) override { dayLabel = caption; }
    void showQuoteLines(const QuoteLines &lines) override { quotes = lines; }
    void setStockTradeLimits() override { ++stockLimitCalls; }
    void countAndRecalcExposure() override { ++exposureCounts; }
    void resetCharts() override { calls << QStringLiteral("charts"); }
    void beginTickLoad() override { calls << QStringLiteral("begin ticks"); }
    void showInitializing(bool shown) override
    {
        calls << (shown ? QStringLiteral("initializing shown") : QStringLiteral("initializing hidden"));
    }
    void endTickLoad() override { calls << QStringLiteral("end ticks"); }

    bool called(const QString &call) const { return calls.contains(call); }
};

} // namespace tarvello::test
