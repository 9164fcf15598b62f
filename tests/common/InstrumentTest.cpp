#include "state/GameState.h"

#include <gtest/gtest.h>

using namespace tarvello;

TEST(Instrument, IdsFollowTheKeysAlphabetically)
{
    std::string_view previous;
    for (Instrument i : kAllInstruments) {
        EXPECT_LT(previous, instrumentKey(i));
        previous = instrumentKey(i);
        EXPECT_EQ(instrumentFromSlot(slotOf(i)), i);
    }
    EXPECT_EQ(commodityId(Instrument::Oil), 3);
    EXPECT_EQ(displayName(Instrument::TBond), "T-Bond");
}
