#pragma once

#include "state/GameState.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace tarvello {

// The stage's name, as callers pass it ("ChangePeriod", "CorrOrd", ...).
QString tradeStageName(TradeStage stage);
// The stage a name selects; the names are compared exactly, case and all, and any other text is none
// (and changes nothing).
std::optional<TradeStage> tradeStageFromName(QStringView name);

// One step of laying out the order-entry area. Control steps name a control of the main window; the
// others call the procedure they name.
struct StageStep {
    enum class Op {
        Show,
        Hide,
        Enable,
        Disable,
        SetCaption, // control's caption := text
        ClearText,  // the text box's text := ""
        Focus,
        EnableMainWindow,
        ShowGraphs,
        ShowReportsPanel,
        RecolourMarketLabels // the six market name labels, by marketLabelColours(BackColor)
    };
    Op op;
    QString control;
    QString text;

    bool operator==(const StageStep &) const = default;
};

// What the stage's layout depends on besides the stage.
struct StageContext {
    int16_t tradeDay = 0;
    int16_t restartMode = 0;
    bool advanceInProgress = false;
    int32_t totalTrades = 0;
    int16_t newsEventCount = 0;
};

// SetTradeStage's layout of the order-entry area for a stage, step by step in the order to apply them;
// controls it does not name keep their state. "ChangePeriod" also empties SelectedSecurity, which is
// done here.
std::vector<StageStep> SetTradeStage(GameState &state, TradeStage stage, const StageContext &context);

// Colours (&HBBGGRR) for a label.
struct LabelColours {
    int32_t fore;
    int32_t back;

    bool operator==(const LabelColours &) const = default;
};

// The six market name labels' colours for the screen's colour scheme (the main window's BackColor):
// white on black, black on gray, black on white; none for any other colour (leave them as they are).
std::optional<LabelColours> marketLabelColours(int32_t scheme);

// The chosen instrument's market label: black on cyan, yellow or light gray by the scheme.
std::optional<LabelColours> selectedMarketLabelColours(int32_t scheme);

} // namespace tarvello
