#include "account/LotLedger.h"
#include "support/TradingFixtures.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarvello;
using tarvello::testing::Fill;
using tarvello::testing::fill;
using tarvello::testing::newGame;

namespace {

struct Lot {
    double units;
    float price;
};

std::vector<Lot> openLots(const GameState &state, Instrument instrument)
{
    const InstrumentBook &book = state.book(instrument);
    std::vector<Lot> lots;
    for (int n = 1; n <= book.lotCount; ++n)
        lots.push_back({book.lots[static_cast<size_t>(n)].units, book.lots[static_cast<size_t>(n)].price});
    return lots;
}

void expectLots(const GameState &state, Instrument instrument, const std::vector<Lot> &expected)
{
    const std::vector<Lot> lots = openLots(state, instrument);
    ASSERT_EQ(lots.size(), expected.size());
    double sum = 0.0;
    for (size_t n = 0; n < lots.size(); ++n) {
        SCOPED_TRACE(n + 1);
        EXPECT_EQ(lots[n].units, expected[n].units);
        EXPECT_EQ(lots[n].price, expected[n].price);
        sum += lots[n].units;
    }
    EXPECT_EQ(sum, state.book(instrument).position); // the lots always add up to the position
}

} // namespace

TEST(LotLedger, FillsOpenCloseAndReverseLots)
{
    struct Case {
        const char *name;
        Instrument instrument;
        std::vector<Fill> earlier;
        Fill fill;
        double realized;
        std::vector<Lot> lots;
    };
    const Case cases[] = {
        {"buy from flat at a rounded price", Instrument::Oil, {}, {5, 19.876}, 0, {{5, 19.88f}}},
        {"lots at one price stay apart",
         Instrument::Oil,
         {{5, 19.876}},
         {3, 19.876},
         0,
         {{5, 19.88f}, {3, 19.88f}}},
        {"sell from flat opens a short lot", Instrument::Gold, {}, {-2, 400.004}, 0, {{-2, 400.0f}}},
        {"oldest first, then part of the next",
         Instrument::Oil,
         {{3, 20.0}, {2, 21.0}},
         {-4, 22.5},
         2.5 * 1000 * 3 + 1.5 * 1000 * 1,
         {{1, 21.0f}}},
        {"exactly the first lot",
         Instrument::Oil,
         {{3, 20.0}, {2, 21.0}},
         {-3, 20.5},
         0.5 * 1000 * 3,
         {{2, 21.0f}}},
        {"less than the first lot",
         Instrument::Oil,
         {{3, 20.0}, {2, 21.0}},
         {-1, 21.0},
         1000,
         {{2, 20.0f}, {2, 21.0f}}},
        {"the whole long position",
         Instrument::Oil,
         {{3, 20.0}, {2, 21.0}},
         {-5, 22.0},
         2000.0 * 3 + 1000.0 * 2,
         {}},
        {"long to short", Instrument::Oil, {{2, 20.0}}, {-5, 19.0}, -2000, {{-3, 19.0f}}},
        {"short to long", Instrument::Gold, {{-2, 400.0}}, {5, 390.0}, 2000, {{3, 390.0f}}},
        {"short covered oldest first",
         Instrument::Cattle,
         {{-3, 64.5}, {-2, 65.0}},
         {4, 64.0},
         0.5 * 400 * 3 + 1.0 * 400 * 1,
         {{-1, 65.0f}}},
        {"the whole short position",
         Instrument::Cattle,
         {{-3, 64.5}, {-2, 65.0}},
         {5, 66.0},
         -1.5 * 400 * 3 - 1.0 * 400 * 2,
         {}},
        {"SP500 reversal at a loss", Instrument::SP500, {{-1, 455.1}}, {3, 455.6}, -0.5 * 500, {{2, 455.6f}}},
        // The rounded difference is multiplied out, whatever the Single prices hold.
        {"two-decimal difference", Instrument::Oil, {{1, 19.87}}, {-1, 21.50}, 1630, {}},
        {"Soybean keeps five decimals", Instrument::Soybean, {}, {1, 5.123456}, 0, {{1, 5.12346f}}},
        {"Soybean turning long keeps the fill price",
         Instrument::Soybean,
         {{-1, 5.0}},
         {2, 5.123456},
         -0.12346 * 5000,
         {{1, 5.123456f}}},
        {"Soybean turning short rounds it",
         Instrument::Soybean,
         {{1, 5.0}},
         {-2, 5.123456},
         0.12346 * 5000,
         {{-1, 5.12346f}}},
        {"T-Bond in 32nds", Instrument::TBond, {{2, 95.53125}}, {-1, 95.5625}, 31.25, {{1, 95.53125f}}},
        {"T-Bond fill price rounded first", Instrument::TBond, {}, {1, 99.123456}, 0, {{1, 99.12346f}}},
        // A value halfway between two results rounds away from zero.
        {"Oil price at a tie", Instrument::Oil, {}, {1, 19.875}, 0, {{1, 19.88f}}},
        {"T-Bond gain of a 64th", Instrument::TBond, {{1, 99.0}}, {-1, 99.015625}, 15.63, {}},
        // The fill price is rounded first (98.98438), so the loss is a cent smaller.
        {"T-Bond loss of a 64th", Instrument::TBond, {{1, 99.0}}, {-1, 98.984375}, -15.62, {}},
        {"a fill of nothing", Instrument::Oil, {{2, 20.0}}, {0, 25.0}, 0, {{2, 20.0f}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = newGame();
        for (const Fill &f : c.earlier)
            fill(state, c.instrument, f.units, f.price);
        state.account.realizedPL = 0.0;
        fill(state, c.instrument, c.fill.units, c.fill.price);
        EXPECT_DOUBLE_EQ(state.account.realizedPL, c.realized);
        expectLots(state, c.instrument, c.lots);
    }
}

TEST(LotLedger, ClosedSlotsAreClearedWhenLotsMoveDown)
{
    GameState state = newGame();
    fill(state, Instrument::Oil, 1, 20.0);
    fill(state, Instrument::Oil, 1, 21.0);
    fill(state, Instrument::Oil, 1, 22.0);
    fill(state, Instrument::Oil, -2, 23.0);
    expectLots(state, Instrument::Oil, {{1, 22.0f}});
    const auto &lots = state.book(Instrument::Oil).lots;
    EXPECT_EQ(lots[2].units, 0.0);
    EXPECT_EQ(lots[2].price, 0.0f);
    EXPECT_EQ(lots[3].units, 0.0);
}

TEST(LotLedger, AHundredLotsOnOneSide)
{
    GameState state = newGame();
    for (int n = 1; n <= 100; ++n)
        fill(state, Instrument::Oil, 1, 20.0 + n / 100.0);
    EXPECT_EQ(state.book(Instrument::Oil).lotCount, 100);

    // A sale that empties lots 1 to 99 leaves the 100th as the only lot.
    fill(state, Instrument::Oil, -99, 20.0);
    expectLots(state, Instrument::Oil, {{1, 21.0f}});
}

TEST(LotLedger, AFullSideNeverWritesPastTheTable)
{
    // The quantity entry refuses such a fill; should one arrive, it joins the newest lot.
    GameState state = newGame();
    for (int n = 1; n <= 100; ++n)
        fill(state, Instrument::Gold, 1, 400.0);
    fill(state, Instrument::Gold, 1, 402.0);
    EXPECT_EQ(state.book(Instrument::Gold).lotCount, 100);
    EXPECT_EQ(state.book(Instrument::Gold).lots[100].units, 2.0);
    EXPECT_EQ(state.book(Instrument::Gold).lots[100].price, 401.0f);
}

TEST(LotLedger, ANewGameNeverReadsTheLastGamesLots)
{
    GameState state = newGame();
    for (double price : {20.0, 21.0, 22.0, 23.0})
        fill(state, Instrument::Oil, 2, price);
    resetAccountForNewGame(state);

    fill(state, Instrument::Oil, 1, 30.0);
    fill(state, Instrument::Oil, 2, 31.0);
    fill(state, Instrument::Oil, -2, 32.0); // empties lot 1 and reduces lot 2
    expectLots(state, Instrument::Oil, {{1, 31.0f}});
    EXPECT_DOUBLE_EQ(state.account.realizedPL, 2000.0 + 1000.0);
}
