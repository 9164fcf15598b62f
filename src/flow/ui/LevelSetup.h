#pragma once

#include "common/Level.h"

#include <cstdint>

namespace tarvello {

struct App;
class Halvern;
struct GameState;

// The level set-up: the starting capital (10,000 at Novice, 100,000 at Expert) as account value, the
// maximum units it margins, at Novice a game of one quarter, and the main window's layout for the
// level: Oil alone at Novice, all six instruments at Expert.
void SetupGameLevel(App &app, Level level);

// The caption labels the level hides before the set-up arranges them ...
void LayoutLevelLabels(Halvern &w, const GameState &state);
// ... and those it shows again, with the "Maximum Transaction:" or "Maximum Position:" caption that
// the Maximum Display menu asks for.
void LayoutLevelLimits(Halvern &w, const GameState &state);

// Options > "&Novice" (0) or "E&xpert" (2): the settings menus of the level (the game length, news,
// graph and data items ticked and, at Novice, locked), then the level set-up. "&Forward" stays
// disabled until Game > "&Start" sets up a game.
void mnuLevel_Click(App &app, int16_t index);

} // namespace tarvello
