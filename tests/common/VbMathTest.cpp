#include "common/VbMath.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tarvello::vb;

TEST(VbMath, IntFloorsAndFixTruncates)
{
    struct Case {
        double x, floor, trunc;
    };
    const Case cases[] = {
        {1.25, 1, 1}, {-1.25, -2, -1}, {-2000.0 / 2025.0, -1, 0}, {49.38, 49, 49}, {-3, -3, -3}, {0, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(Int(c.x), c.floor);
        EXPECT_EQ(Fix(c.x), c.trunc);
    }
}

TEST(VbMath, ConversionsRoundHalfToEvenAndSaturate)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double x;
        int16_t cint;
        int32_t clng;
    };
    const Case cases[] = {
        {2.5, 2, 2},
        {3.5, 4, 4},
        {-2.5, -2, -2},
        {0.5, 0, 0},
        {1.5, 2, 2},
        {-1.5, -2, -2},
        {2.4999999, 2, 2},
        {2.5000001, 3, 3},
        {-0.4, 0, 0},
        {40000, 32767, 40000},
        {-40000, -32768, -40000},
        {410000.5, 32767, 410000},
        {2147483647.5, 32767, 2147483647},
        {1e30, 32767, 2147483647},
        {-1e30, -32768, -2147483647 - 1},
        {inf, 32767, 2147483647},
        {nan, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(CInt(c.x), c.cint);
        EXPECT_EQ(CLng(c.x), c.clng);
    }
}

TEST(VbMath, ModTakesTheSignOfTheDividend)
{
    struct Case {
        int32_t a, b, mod;
    };
    const Case cases[] = {
        {7, 6, 1},
        {-7, 6, -1},
        {7, -6, 1},
        {-7, -6, -1},
        {12, 6, 0},
        {0, 5, 0},
        {5, 0, 0}, // no crash on a zero divisor
        {std::numeric_limits<int32_t>::min(), -1, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " Mod " << c.b);
        EXPECT_EQ(Mod(c.a, c.b), c.mod);
    }
}
