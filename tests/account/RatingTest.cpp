#include "account/Rating.h"
#include "support/TradingFixtures.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarvello;
using tarvello::testing::ScriptedRandom;

namespace {

struct Draw {
    int k;
    int of;
};

struct Case {
    const char *name;
    Level level;
    float accountValue;
    int32_t trades;
    std::vector<Draw>
        draws; // Novice: the verdict draw of 3; Expert: the table draw of 6; then any second draw
    const char *expected;
    int16_t tradeDay = 10;
};

void expectVerdicts(const std::vector<Case> &cases)
{
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        AccountState account;
        account.startingCapital = c.level == Level::Novice ? 10000.0f : 100000.0f;
        account.accountValue = c.accountValue;
        account.totalTrades = c.trades;
        ScriptedRandom random;
        for (const Draw &d : c.draws)
            random.pick(d.k, d.of);
        EXPECT_EQ(RateEndOfGame(account, {c.level, c.tradeDay, 20}, random), QString::fromLatin1(c.expected));
        EXPECT_EQ(random.left(), 0u);
        EXPECT_EQ(random.exhausted, 0);
    }
}

} // namespace

TEST(Rating, NoviceBandsAtTheirEdges)
{
    const Level n = Level::Novice;
    expectVerdicts({
        {"doubled", n, 20000.0f, 3, {{2, 3}}, "Excellent Trading!"},
        {"just under doubled", n, 19999.0f, 3, {{3, 3}}, "Very Good Trading"},
        {"a quarter", n, 12500.0f, 3, {{2, 3}}, "Very Good Trading"},
        {"just under a quarter", n, 12499.0f, 3, {{2, 3}}, "Good Trading"},
        {"a tenth, first pick", n, 11000.0f, 3, {{2, 3}, {1, 2}}, "Satisfactory Trading"},
        {"a tenth, second pick", n, 11000.0f, 3, {{2, 3}, {2, 2}}, "Positive Result"},
        {"rounds down to a tenth", n, 11000.4f, 3, {{2, 3}, {1, 2}}, "Satisfactory Trading"},
        {"even after 5 trades", n, 10000.0f, 5, {{2, 3}}, "All That Work For Nothing!"},
        {"even after 4 trades", n, 10000.0f, 4, {{2, 3}}, "Next Time Maybe Try More Trades"},
        {"a tenth lost", n, 9000.0f, 3, {{2, 3}}, "Keep Practicing"},
        {"more than a tenth lost", n, 8999.0f, 3, {{2, 3}}, "Trading Needs Improvement"},
        {"a quarter lost", n, 7500.0f, 3, {{2, 3}}, "Stay at the Beginner Level"},
        {"the empty draw", n, 20000.0f, 3, {{1, 3}}, ""},
    });
}

TEST(Rating, ExpertTables)
{
    const Level e = Level::Expert;
    expectVerdicts({
        {"a quarter, table 1", e, 125000.0f, 3, {{1, 6}}, "Excellent Trading"},
        {"a quarter, table 2",
         e,
         125000.0f,
         3,
         {{2, 6}},
         "Excellent Trading:  Time to Think About Opening a Real Account!"},
        {"a quarter, table 4", e, 125000.0f, 3, {{4, 6}}, "Excellent Technical Trading"},
        {"doubled, table 1", e, 200000.0f, 3, {{1, 6}}, "Hail to the Market Wizard!"},
        {"doubled, table 4", e, 200000.0f, 3, {{4, 6}}, "Excellent Technical Trading"},
        {"more than doubled, table 4",
         e,
         200010.0f,
         3,
         {{4, 6}},
         "Wonderful Job, You More Than Doubled Your Money!"},
        {"rounds down to a tenth",
         e,
         110004.0f,
         3,
         {{1, 6}},
         "Positive Numbers are Always Better than Negatives"},
        {"just over a tenth", e, 110010.0f, 3, {{1, 6}}, "Nice Job Trading"},
        {"a tenth, table 4, second pick", e, 105000.0f, 3, {{4, 6}, {2, 2}}, "Nicely Done, Son!"},
        {"even after 5 trades", e, 100000.0f, 5, {{1, 6}}, "Staying Alive to Try Another Day"},
        {"even after 6 trades", e, 100000.0f, 6, {{1, 6}}, "At Least Your Broker Made Money"},
        {"even, table 4", e, 100000.0f, 0, {{4, 6}}, "Remember to Let Gains Run"},
        {"a tenth lost, table 3",
         e,
         90000.0f,
         3,
         {{3, 6}},
         "Tread Gingerly Before Proceeding With Real Money!"},
        {"a fifth lost, table 1", e, 80000.0f, 3, {{1, 6}}, "Back to the Fundamental Analyis Drawing Board"},
        {"a quarter lost, table 2, first pick",
         e,
         75000.0f,
         3,
         {{2, 6}, {1, 2}},
         "You are the 'Rogue Trader'"},
        {"a quarter lost, table 2, second pick",
         e,
         75000.0f,
         3,
         {{2, 6}, {2, 2}},
         "Ever Thought About Living in Texas?"},
        {"a quarter lost, table 3",
         e,
         75000.0f,
         3,
         {{3, 6}},
         "Time to Forget About that Vacation House on Beach"},
        {"table draw 5", e, 125000.0f, 3, {{5, 6}}, ""},
        {"table draw 6", e, 125000.0f, 3, {{6, 6}}, ""},
    });
}

TEST(Rating, LostAccountsAndTheFirstPeriod)
{
    expectVerdicts({
        {"lost before the final period", Level::Expert, -500.0f, 3, {}, "", 10},
        {"lost at the final period", Level::Expert, -500.0f, 3, {{1, 6}}, "Don't Quit Your Day Job!", 20},
        {"lost, Novice final period", Level::Novice, 0.0f, 3, {{2, 3}}, "Stay at the Beginner Level", 20},
        {"before the first period", Level::Expert, 125000.0f, 3, {{1, 6}}, "", 0},
        {"before the first period, Novice", Level::Novice, 12500.0f, 3, {{2, 3}}, "", 0},
    });
}

TEST(Rating, OnlyTheExpertRatingReseeds)
{
    AccountState account;
    ScriptedRandom random;
    random.pick(1, 6);
    RateEndOfGame(account, {Level::Expert, 5, 20}, random);
    EXPECT_EQ(random.reseeds, 1);

    account.startingCapital = account.accountValue = 10000.0f;
    random.pick(1, 3);
    RateEndOfGame(account, {Level::Novice, 5, 20}, random);
    EXPECT_EQ(random.reseeds, 1);
}
