#pragma once

namespace tarvello {

struct App;

// The settings menu items (level, news, game length, data kind) off while a game runs, on again when
// it ends; their check marks do not change.
void EnableSettingsMenus(App &app);

} // namespace tarvello
