#pragma once

#include "common/GameOptions.h"

#include <cstdint>
#include <optional>

namespace tarvello {

struct App;
class Halvern;

// The settings items of the Options menu: the level, news, game-length and data items. A game takes
// its length and data kind from their check marks when it starts, so they are locked while it runs
// and unlocked when it ends ("&Background Story" is not among them); their check marks do not change.
void DisableSettingsMenus(App &app);
void EnableSettingsMenus(App &app);

// Options > Data: "&Daily" (0) or "&Tick" (1) takes the check mark from the other. The data kind
// itself changes when the next game starts.
void mnuDat_Click(Halvern &w, int16_t index);

// Options > Game Length: "One &Month" (2), "One &Quarter" (3) or "One &Year" (4) takes the check mark
// and sets the game length (30, 90, 365); the Level Detail window's game-length label shows it.
void mnuGameLength_Click(App &app, int16_t index);

// The game length the Game Length menu has ticked; the last ticked item when several are, none when
// none is.
std::optional<GameLengthOption> checkedGameLength(const Halvern &w);

} // namespace tarvello
