#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "runtime/numeric_values.h"
#include "runtime/values.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Truncation {
    double value;
    int32_t expected;
};

// Every trunc() of the application rests on this: toward zero, never down, held to 32 bits.
TEST(TruncateToInt32, TowardZeroForEveryReal)
{
    const Truncation cases[] = {
        {-2.5, -2},
        {-2.9, -2},
        {-2.0, -2},
        {-0.5, 0},
        {-1e-300, 0},
        {2.5, 2},
        {2.9999999, 2},
        {0.0, 0},
        {-2147483647.5, -2147483647},
        {-2147483648.0, INT32_MIN},
        {-2147483648.9, INT32_MIN},
        {2147483646.9, 2147483646},
        {2147483647.9, INT32_MAX},
        {1e300, INT32_MAX},
        {-1e300, INT32_MIN},
        {kInfinity, INT32_MAX},
        {-kInfinity, INT32_MIN},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Truncation& c : cases) {
        EXPECT_EQ(rt::TruncateToInt32(c.value), c.expected) << c.value;
    }
}

TEST(IntegerOf, RealsTruncateAndIntegersKeepTheirSign)
{
    EXPECT_EQ(rt::IntegerOf(rt::MakeDouble(-2.5)), -2);
    EXPECT_EQ(rt::IntegerOf(rt::MakeFloat(-2.5f)), -2);
    EXPECT_EQ(rt::IntegerOf(rt::MakeFloat(-0.75f)), 0);
    EXPECT_EQ(rt::IntegerOf(rt::MakeFloat(3.99f)), 3);
    EXPECT_EQ(rt::IntegerOf(rt::ValueTriple{0xfffe, 0, rt::kShort}), -2);
    EXPECT_EQ(rt::IntegerOf(rt::ValueTriple{0xfe, 0, rt::kByte}), 254);
    EXPECT_EQ(rt::IntegerOf(rt::MakeInt(-7)), -7);
    EXPECT_EQ(rt::IntegerOf(rt::MakeLong(-3)), -3);
    EXPECT_EQ(rt::IntegerOf(rt::MakeLong(0x1fffffffeLL)), -2) << "a long gives its low 32 bits";
    EXPECT_EQ(rt::IntegerOf(rt::MakeLogical(true)), std::nullopt);
    EXPECT_EQ(rt::IntegerOf(rt::MakeText("12")), std::nullopt);
}

}  // namespace
