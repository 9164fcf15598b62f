#pragma once

namespace tarvello {

struct App;

// What the period advance asks of the news subsystem. Until news, hints and reports are built these
// are plain stand-ins (NewsStandIns.cpp) that show nothing; the news code replaces them.
void ShowHelpfulHints(App &app);     // at most one hint per call
void ShowTickNewsReleases(App &app); // the releases of the new trading time (Tick games)
void GenerateEconomicRelease(App &app);
void TriggerStockEvents(App &app);

} // namespace tarvello
