#include "charts/ui/ChartDrawing.h"
namespace tarvello {
void DrawRSI(App &, PriceSeries &, ChartControl &, int, int) {}
void DrawStochastics(App &, PriceSeries &, ChartControl &, int, int) {}
void SetPriceLineOptions(App &, ChartControl &) {}
void SetIndicatorXAxis(App &) {}
void SetIndicatorYLabels(App &) {}
} // namespace tarvello
