// Stand-ins for the chart services until the charts are built: they draw nothing.
#include "charts/ui/ChartServices.h"

namespace tarvello {

void ResetGraph(App &) {}
void SetIndicatorGraphLabels(App &) {}
void ShowGraphs(App &) {}
void UpdateGraphs(App &) {}
void PlotBothGraphs(App &, int) {}
void ApplyGraphColors(App &) {}
void SetGraphTitle(App &, Graph, const QString &) {}
void SetGraphDisplay(App &, Graph, int) {}
void SetGraphColorSetting(App &, Graph, GraphColorSetting, int16_t) {}

} // namespace tarvello
