#include "support/MainWindowFixture.h"

namespace tarvello::test {
namespace {

using ChartCommands = MainWindowTest;

// The instrument list is in CommodityID order, the Graph Options menu is not: picking an instrument
// charts it and ticks its own menu item alone.
TEST_F(ChartCommands, PickingAnInstrumentChartsItAndTicksItsMenuItem)
{
    const struct {
        const char *key;
        int16_t menuItem;
    } instruments[] = {{"Cattle", 4}, {"Gold", 1}, {"Oil", 0}, {"SP500", 3}, {"Soybean", 5}, {"TBond", 2}};
    for (const auto &i : instruments)
        w().cboCommodity->addItem(QString::fromLatin1(i.key));

    for (int pick : {5, 0, 3, 1, 4, 2}) {
        SCOPED_TRACE(instruments[pick].key);
        w().cboCommodity->setListIndex(pick);
        EXPECT_EQ(state.chart.selectedCommodity, pick + 1);
        for (const auto &[index, item] : w().mnuGraph)
            EXPECT_EQ(item->checked(), index == instruments[pick].menuItem) << "mnuGraph_" << index;
    }
}

} // namespace
} // namespace tarvello::test
