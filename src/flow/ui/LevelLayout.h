#pragma once

namespace tarvello {

class Halvern;
struct GameState;

// The value fields of the trading screen by level, the Expert captions' alignment, and the reports
// panel at the lower right. The level set-up calls them in its own order.

// Hides every value field: the clock, the account panel, the six positions and the six quotes.
void HideAccountLabels(Halvern &w);
void lblposinvisible(Halvern &w);  // the six position fields
void marketsinvisible(Halvern &w); // the six quote lines
// Shows the value fields the level uses: Oil's position and quote at Novice, all six at Expert. The
// total-trades field is left for the first period to show.
void ShowAccountLabels(Halvern &w, const GameState &state);
// Left-aligns the seventeen caption labels of the Expert layout.
void Labelalignleft(Halvern &w);
// Part of the level set-up's sequence; they change nothing.
inline void lblmaxpositioninvisible(Halvern &) {}
inline void lblmaxposleft(Halvern &) {}

// Shows and arranges the reports panel once there is a fill or a news item: one button ("T&rade
// History") when no daily or annual news is kept, both report buttons otherwise.
void ShowReportsPanel(Halvern &w, const GameState &state);

} // namespace tarvello
