#include "common/Random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace tarvello;

namespace {

std::vector<float> draws(RandomSource &random, int n)
{
    std::vector<float> out;
    for (int i = 0; i < n; ++i)
        out.push_back(random.rnd());
    return out;
}

class FixedRandom : public RandomSource {
public:
    float value = 0;
    void randomize() override {}
    void seed(uint32_t) override {}
    float rnd() override { return value; }
};

} // namespace

TEST(Random, SeedingIsRepeatable)
{
    DefaultRandomSource a(42), b(42), c(43);
    const auto first = draws(a, 20);
    EXPECT_EQ(first, draws(b, 20));
    EXPECT_NE(first, draws(c, 20));
    a.randomize();
    a.seed(42);
    EXPECT_EQ(draws(a, 20), first);
}

TEST(Random, DrawsStayInTheHalfOpenUnitInterval)
{
    DefaultRandomSource random(7);
    double sum = 0;
    const int n = 100000;
    for (float r : draws(random, n)) {
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        sum += r;
    }
    EXPECT_NEAR(sum / n, 0.5, 0.01);
}

TEST(Random, PickStaysWithinOneToN)
{
    FixedRandom fixed;
    struct Case {
        float r;
        int n, expected;
    };
    const Case cases[] = {
        {0.0f, 6, 1}, {0.5f, 6, 4}, {std::nextafter(1.0f, 0.0f), 6, 6},
        {1.0f, 6, 6}, // a source that breaks its range still picks within 1..n
        {0.5f, 1, 1}, {0.5f, 0, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.r << " of " << c.n);
        fixed.value = c.r;
        EXPECT_EQ(pick(fixed, c.n), c.expected);
    }

    DefaultRandomSource random(3);
    std::vector<int> seen(7, 0);
    for (int i = 0; i < 600; ++i)
        ++seen[pick(random, 6)];
    for (int k = 1; k <= 6; ++k)
        EXPECT_GT(seen[k], 50) << k;
}
