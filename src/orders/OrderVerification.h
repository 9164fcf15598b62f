#pragma once

#include "state/GameState.h"

#include <QString>

#include <optional>

namespace tarvello {

// The order line shown for the player to confirm, e.g. "Is order correct Sell 1,000 Cattle @ $64.50".
// An order with no instrument becomes an Oil order here. None when no side is chosen (the window then
// shows only the stage "CorrOrd").
std::optional<QString> ShowOrderVerification(GameState &state);

// Where lblorderverify goes for a line of the measured width, in twips.
struct LabelFit {
    int width;
    int left;
};
LabelFit orderVerifyFit(int lineWidthTwips);

} // namespace tarvello
