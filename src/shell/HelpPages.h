#pragma once

#include "platform/help/HelpViewer.h"

#include <vector>

namespace tarvello::help {

// The game's own help pages, one per topic the menus open; the contents page has number 0.
const std::vector<HelpPage> &helpPages();
// The game's page of a context number; none when there is no such page.
const HelpPage *findHelpPage(int32_t context);

} // namespace tarvello::help
