#pragma once

#include "platform/db/Result.h"

namespace tarvello {

struct GameState;

// Reads the OverviewNews stories of the game's days (StoryDays of its start date) into
// news.stories, so that the news menu and the news history show them without the file. A table
// that cannot be read leaves none: a story that cannot be found shows an empty window.
void LoadOverviewStories(GameState &state);

// Reads the news releases dated from `start` up to `end` (excluded) into news.releases. Fails,
// leaving none, when the table cannot be read, or when a release could never be shown: a date that is
// no day serial (anywhere in the table: such a release belongs to no period), or, in the period, a
// date that is not a whole day or a time that is not a time of day.
db::Status LoadNewsReleases(GameState &state, double start, double end);

} // namespace tarvello
