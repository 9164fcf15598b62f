#pragma once

#include "state/OrderState.h"

#include <QStringView>

namespace tarvello {

struct App;
class Halvern;
namespace forms {
class Label;
class CommandButton;
} // namespace forms

// SetTradeStage: lays the order-entry area of the main window out for a stage of the order road. The
// stage is not kept anywhere else: the controls are the state. Game flow calls it with "ChangePeriod"
// and "Restart"; the order road with every stage.
void SetTradeStage(App &app, TradeStage stage);
// The same, by the stage's name as the callers write it; any other text (a name in another case, an
// empty text) changes nothing.
void SetTradeStage(App &app, QStringView stage);

// The six market name labels coloured for the screen's colour scheme (the main window's BackColor):
// white on black, black on gray, black on white; any other scheme leaves them as they are. All six
// text colours are set first, then all six backgrounds.
void recolourMarketLabels(Halvern &w);

// An instrument's market name label (LabelOilMark, ...) and its button (btnOil, ...).
forms::Label *marketLabel(Halvern &w, Instrument instrument);
forms::CommandButton *instrumentButton(Halvern &w, Instrument instrument);

} // namespace tarvello
