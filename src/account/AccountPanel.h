#pragma once

#include "state/GameState.h"

#include <QString>

#include <optional>
#include <vector>

namespace tarvello {

// A caption to write into a named label of the main window.
struct LabelCaption {
    QString control;
    QString caption;

    bool operator==(const LabelCaption &) const = default;
};

// Money with a dollar sign, as the score and the summaries show it: "$-1,234.50".
QString dollarsText(double value);

// The captions of the six position labels (lblOilPos ... lblSoybeanPos), in the screen's order. Before
// the first period (tradeDay 0) every position is set to 0 first; each position is then rounded to a
// whole number as "#,##0" rounds it.
std::vector<LabelCaption> ShowPositions(GameState &state, int16_t tradeDay);

// The account panel's figures as the panel shows them. The panel does not recompute the account; it
// shows what the last recalculation left, refreshes the margin requirement, the positions and Score.
struct AccountPanelTexts {
    QString lblEq;                       // account value
    std::optional<QString> lblPercentGL; // gain or loss in percent; none (keep the old text) with no capital
    QString lblRPL;
    QString lblUPL;
    QString lblLIAB;           // "Future Reqs.": the margin requirement
    QString lblPosMargPercent; // "Cash Margin (%)"
    QString lblAvailMarg;      // "Margin Excess": account value minus margin, unrounded
    QString lblScore;          // "$" and realized + unrealized
    QString lblTotTrades;
    std::vector<LabelCaption> positions;

    // Every caption to write, in the order the panel writes them.
    std::vector<LabelCaption> captions() const;
};

// The account panel's part of UpdateAccountDisplay. The window writes the captions, then has the quote
// lines rewritten (which also sets the period's fill prices).
AccountPanelTexts accountDisplay(GameState &state, int16_t tradeDay);

} // namespace tarvello
