// Stand-ins for the news services until news, hints and reports are built: they show nothing.
#include "news/ui/NewsServices.h"

namespace tarvello {

void ShowHelpfulHints(App &) {}
void ShowTickNewsReleases(App &) {}
void GenerateEconomicRelease(App &) {}
void TriggerStockEvents(App &) {}

} // namespace tarvello
