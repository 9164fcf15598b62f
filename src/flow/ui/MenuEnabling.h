#pragma once

namespace tarvello {

class Halvern;
struct GameState;

// Switching the main window's menus and buttons around each action. Each procedure sets Enabled or
// Visible on a fixed list of controls and keeps no state; the enabling of a button that is hidden is
// left alone wherever the rule says "if visible".

// The menu bar (the four top-level menus) off and on. A plain switch: no nesting count.
void DisableMainMenus(Halvern &w);
void EnableMainMenus(Halvern &w);

// The fifteen working command buttons off and on, each only while it is visible ("&Forward" and
// "&Trade" are disabled even when hidden). Enabling follows the game: "&Buy"/"&Sell" wait for an
// instrument at Expert level, "&Trade" and the report buttons wait for the first period, and
// "&Forward" is enabled only while a game is loaded.
void DisableVisibleButtons(Halvern &w);
void EnableVisibleButtons(Halvern &w, const GameState &state);

// The two report buttons; "&News History" only while "&Annual" or "&Daily" news is checked.
void DisableReportButtons(Halvern &w);
void EnableReportButtons(Halvern &w, const GameState &state);

// The six instrument buttons and the six Mark labels that they cover, set unconditionally.
void Tradebuttonenabler(Halvern &w);
void Tradebuttondisabler(Halvern &w);
void tradebuttonvisible(Halvern &w);
void tradebuttoninvisible(Halvern &w);
void labelmarketvisible(Halvern &w);
void labelmarketinvisible(Halvern &w);

// True when the news-report menu has "&Annual" (item 0) or "&Daily" (item 1) checked.
bool annualOrDailyNewsChecked(const Halvern &w);

} // namespace tarvello
