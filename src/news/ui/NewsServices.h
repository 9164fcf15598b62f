#pragma once

namespace tarvello {

struct App;

// What the period advance asks of the news subsystem.
void ShowHelpfulHints(App &app);     // at most one hint per call
void ShowTickNewsReleases(App &app); // the releases of the new trading time (Tick games)
void GenerateEconomicRelease(App &app);
void TriggerStockEvents(App &app);

} // namespace tarvello
