#pragma once

#include "common/Level.h"

namespace tarvello {

struct App;

// The level set-up: starting capital, limits, maximum units and the main window's layout for the level.
void SetupGameLevel(App &app, Level level);

} // namespace tarvello
