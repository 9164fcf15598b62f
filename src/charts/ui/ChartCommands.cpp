#include "charts/ui/ChartServices.h"

#include "common/GameState.h"
#include "ui/App.h"
#include "ui/Halvern.h"

#include <array>

namespace tarvello {

namespace {

// The Graph Options item of each instrument, by CommodityID 1 to 6: the menu lists them as Oil, Gold,
// T-Bond, SP500, Cattle, Soybean.
constexpr std::array<int16_t, 6> kGraphItem = {4, 1, 0, 3, 5, 2};

} // namespace

void cboCommodity_Click(App &app)
{
    Halvern &w = app.main();
    const int32_t charted = w.cboCommodity->listIndex() + 1;
    app.state.chart.selectedCommodity = charted;
    if (charted >= 1 && charted <= 6) {
        const int16_t item = kGraphItem[charted - 1];
        for (const auto &[index, menu] : w.mnuGraph)
            menu->setChecked(index == item);
    }
    UpdateGraphs(app);
}

} // namespace tarvello
