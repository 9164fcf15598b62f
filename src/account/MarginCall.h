#pragma once

#include "common/Notice.h"
#include "state/GameState.h"

#include <QString>

#include <optional>

namespace tarvello {

// A forced fill of the margin-call liquidation: what to fill and the notice that announces it.
struct ForcedFill {
    Instrument instrument;
    OrderSide side;
    float units; // signed: negative for a sale
    Notice notice;
};

// Plans the liquidation step k (1 to 6) of the order SP500, T-Bond, Oil, Soybean, Gold, Cattle. None
// when the instrument is flat or the excess (recomputed here, unrounded) is no longer negative.
// Otherwise the position is closed in part (the fewest contracts whose margin exceeds the deficit) or,
// when the deficit reaches the margin of the whole position, in whole.
std::optional<ForcedFill> MandatoryLiquidation(GameState &state, int16_t k);

// What the liquidation needs of the windows.
class LiquidationHost {
public:
    virtual ~LiquidationHost() = default;
    virtual void blowOutGameOver() = 0;                // the blow-out found by the margin test
    virtual void showNotice(const Notice &notice) = 0; // the notification box, then the charts again
    virtual void executeOrder() = 0;                   // fills the pending order (no confirmation window)
    virtual void setTradeStage(TradeStage stage) = 0;
};

// The margin test of "&Forward": a blow-out when the account value is 0 or below; nothing in the first
// period; otherwise, while the margin excess is negative, closes positions instrument by instrument,
// each step used once, and sets the stage "ChangePeriod" when the excess is no longer negative.
// Returns whether a forced fill happened (LiquidationDone); the period advance then ends the click.
bool CheckMarginAndLiquidate(GameState &state, int16_t tradeDay, LiquidationHost &host);

// The margin-call check at the start of a period.
struct MarginCallCheckResult {
    bool blowOut = false;         // account value 0 or below: the blow-out game over, and nothing else
    std::optional<Notice> notice; // the margin call to announce
    QString cashMarginText;       // the cash-margin caption to write afterwards (when no blow-out)
};
MarginCallCheckResult MarginCallCheck(GameState &state, int16_t tradeDay);

} // namespace tarvello
