// IntegerPart's snapping and floor, and AbsoluteValue.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "command_call.h"
#include "commands/core/number_commands.h"

namespace {

TEST(IntegerPart, SnapsNearlyWholeNumbersThenTakesTheFloor)
{
    struct Case {
        double value;
        int32_t integer;
    };
    const Case cases[] = {
        {2.9999999999995, 3},
        {2.999999999, 2},
        {2.5, 2},
        {-2.5, -3},
        {-0.9999999999995, -1},
        {-0.5, -1},
        {-2.0000000000001, -3},
        {-1.9999999999995, -2},
        {0.0, 0},
        {7.0, 7},
        {1e12, INT32_MAX},
        {-1e12, INT32_MIN},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {std::numeric_limits<double>::infinity(), INT32_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(rt::commands::IntegerPartOf(c.value), c.integer);
    }
}

TEST(IntegerPart, TakesAnyNumericArgumentAndGivesAnInteger)
{
    test::CommandResult result = test::Call(rt::commands::IntegerPartCommand, {test::Double(-2.5)});
    EXPECT_EQ(result.type(), rt::kInt);
    EXPECT_EQ(result.integer(), -3);
    EXPECT_EQ(test::Call(rt::commands::IntegerPartCommand, {rt::MakeInt(41)}).integer(), 41);
    EXPECT_EQ(test::Call(rt::commands::IntegerPartCommand, {test::Text("9")}).integer(), 0);
}

TEST(AbsoluteValue, GivesTheMagnitude)
{
    EXPECT_EQ(test::Call(rt::commands::AbsoluteValueCommand, {test::Double(-2.5)}).real(), 2.5);
    EXPECT_EQ(test::Call(rt::commands::AbsoluteValueCommand, {test::Double(3.0)}).real(), 3.0);
    EXPECT_EQ(test::Call(rt::commands::AbsoluteValueCommand, {rt::MakeInt(-4)}).real(), 4.0);
    EXPECT_FALSE(std::signbit(test::Call(rt::commands::AbsoluteValueCommand, {test::Double(-0.0)}).real()));
}

}  // namespace
