#pragma once

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;
class Halvern;

// The two chart controls of the main window: GraphLeft and GraphRight.
enum class Graph { Left, Right };

// What the rest of the game asks of the two price charts.
void ResetGraph(App &app);                // GraphLeft back to its state for a new game
void SetIndicatorGraphLabels(App &app);   // GraphRight's labels for the indicator in GraphType
void ShowGraphs(App &app);                // charts' visibility and size value for the level
void UpdateGraphs(App &app);              // redraw both charts for the period
void PlotBothGraphs(App &app, int whole); // add the current day (0) or plot the whole series
void ApplyGraphColors(App &app);          // colours of both charts for the screen scheme
// Chart property 43, the title, and chart property 20, a display setting (9 on the left chart in a
// Tick game). Neither redraws: the game's data load resets and draws the charts.
void SetGraphTitle(App &app, Graph graph, const QString &title);
void SetGraphDisplay(App &app, Graph graph, int value);

// The four colour settings of a chart control that the screen colour schemes make: the chart colour
// and the item colour are palette numbers (0 to 15); the item colour applies to the item the item
// number chose last. They do not redraw; ApplyGraphColors follows them.
enum class GraphColorSetting : uint8_t { ChartColor, SelectionNumber, ItemNumber, ItemColor };
void SetGraphColorSetting(App &app, Graph graph, GraphColorSetting setting, int16_t value);

// The chart instrument list's selection (by the player or by code, ChartCommands.cpp): charts the
// chosen instrument, ticks its Graph Options item alone and redraws both charts.
void cboCommodity_Click(App &app);
// Shows `text` in the instrument list with the instrument's entry (CommodityID - 1) selected, without
// running the list's click, for the commands that chart an instrument themselves ("&Begin", Graph
// Options). The list's entry thus always names the charted instrument, and picking another entry
// always charts it.
void ShowChartedInstrumentInList(App &app, int32_t commodityId, const QString &text);

// The graph option menus (ChartCommands.cpp), with the item's Index: the charted instrument, the left
// chart's kind and price lines, the right chart's indicator, moving-average lines and period, and the
// stochastic kind. connectGraphMenus sets them and the instrument list as the main window's handlers.
void mnuGraph_Click(App &app, int16_t index);
void mnuGLType_Click(App &app, int16_t index);
void mnuGLPrice_Click(App &app, int16_t index);
void mnuGRType_Click(App &app, int16_t index);
void mnuMoving_Click(App &app, int16_t index);
void mnuStoch_Click(App &app, int16_t index);
void connectGraphMenus(App &app, Halvern &w);

} // namespace tarvello
