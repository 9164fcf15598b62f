#pragma once

#include <QString>

#include <cstdint>

namespace tarvello {

// The chart settings the menus show as check marks and the charts draw by.
struct ChartOptions {
    QString graphType =
        QStringLiteral("MovingAverage"); // "MovingAverage", "RelativeStrengthIndex", "Stochastic"
    QString stochasticsKind;             // "FastStochastics" or anything else (slow)
    int16_t movingAveragePeriod = 5;
    int16_t movingAveragePeriodClicks = 0; // choices of the period item; never reset
    int32_t selectedCommodity = 3;         // CommodityID of the charted instrument
};

} // namespace tarvello
