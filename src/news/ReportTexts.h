#pragma once

#include "common/GameOptions.h"
#include "common/Instrument.h"
#include "state/NewsItem.h"
#include "state/OrderState.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace tarvello {

struct GameState;

// The texts of the two history reports, cell by cell, and the sizes they are laid out with.

// News history: five columns; a row per listed release, newest first.
inline constexpr int kNewsColumns = 5;
std::array<QString, kNewsColumns> NewsHistoryHeadings();
// The widest title the title column is sized for.
QString NewsTitleSizingText();
std::array<QString, kNewsColumns> NewsHistoryRow(const NewsItem &item, int number);

// Where the news history's close button goes, and how tall grid and frame are, for n listed releases.
struct NewsReportPlace {
    int gridHeight = 1452;
    int frameHeight = 1704;
    int closeTop = 2800;
    bool operator==(const NewsReportPlace &) const = default;
};
NewsReportPlace NewsReportPlaceFor(int n);

// Trade history: seven columns; a row per fill, newest first, then, when any position is open, a row
// of stars and a row per open position with its average entry price.
inline constexpr int kTradeColumns = 7;
std::array<QString, kTradeColumns> TradeHistoryHeadings();
// What each column is wider than its heading, in twips.
std::array<int, kTradeColumns> TradeHistoryExtraWidths();
std::array<QString, kTradeColumns> TradeHistoryRow(const TradeRecord &record, int number, DataKind dataType);
std::array<QString, kTradeColumns> TradeHistorySeparator();

// An open position and the text of its average entry price, in the order the report lists them (Oil,
// Gold, TBond, SP500, Cattle, Soybean).
struct OpenPositionLine {
    Instrument instrument;
    QString label;        // "OIL:", "Gold:", ...
    QString averagePrice; // "$18.45", " $97.53125"
};
std::vector<OpenPositionLine> OpenPositionLines(const GameState &state);
std::array<QString, kTradeColumns> OpenPositionRow(const OpenPositionLine &line);

// Rows of the grid: the heading, the fills, and the footer when a position is open; a report of
// several fills and no open position has no separator row either.
int TradeGridRows(int32_t totalTrades, int openPositions);

// The clock text of a Tick period in the 24-hour form (09:00 ... 14:00), by period mod 6; empty for a
// negative remainder.
QString TickPeriodTime(int16_t period);

} // namespace tarvello
