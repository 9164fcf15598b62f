#pragma once

#include "common/Instrument.h"

#include <QString>

#include <array>
#include <optional>

namespace tarvello {

struct GameState;

// The main window's quote label of an instrument: "lblOilCurrMark", "lblTBondCurrMark", ...
QString quoteLabelName(Instrument i);

// What to do with one quote label: a new caption and a new visibility, each only when set.
struct QuoteLabelUpdate {
    std::optional<QString> caption;
    std::optional<bool> visible;

    bool operator==(const QuoteLabelUpdate &) const = default;
};

// The updates of the six quote labels. The window applies each that is set to quoteLabelName(i).
struct QuoteLines {
    std::array<QuoteLabelUpdate, kInstrumentCount> labels{}; // indexed by slotOf(Instrument)

    QuoteLabelUpdate &operator[](Instrument i) { return labels[slotOf(i)]; }
    const QuoteLabelUpdate &operator[](Instrument i) const { return labels[slotOf(i)]; }
};

// The caption every quote label shows before the first period.
inline constexpr const char *kMarketClosed = "*** Market Closed ***";

// The current-market lines of the period. On the way it settles each instrument's price in the
// period's record (the 0.05 floor, the normalised single-precision value, the T-Bond substitution) and
// sets every instrument's buy and sell fill prices to the price shown. Before the first period every
// label reads kMarketClosed and nothing else changes. At Novice only the Oil label is visible and the
// T-Bond line is not rebuilt.
QuoteLines ShowCurrentMarket(GameState &state);

// The short lines ending in " Last" shown once a game is over. `dayLabelCaption` is the caption of the
// weekday label lblDay: with no price yet, the labels are hidden only while it is empty.
QuoteLines ShowLastPrices(const GameState &state, const QString &dayLabelCaption);

} // namespace tarvello
