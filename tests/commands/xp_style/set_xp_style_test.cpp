// SetXpStyle called as the application calls it: schemes 1 to 3 switch the skin on, anything else
// switches it off, and the results tell which happened.
#include <gtest/gtest.h>

#include <vector>

#include "commands/xp_style/xp_style_library.h"
#include "runtime/helper_table.h"

namespace {

constexpr int kXpStyleLibraryNumber = 3;

rt::ValueTriple SetXpStyleWith(std::vector<rt::ValueTriple> args)
{
    return rt::Helpers().callLibraryCommand(kXpStyleLibraryNumber, rt::commands::kXpStyleLibrary.commands[0],
                                            static_cast<int>(args.size()), args.data());
}

int32_t SetXpStyle(int32_t scheme)
{
    rt::ValueTriple result = SetXpStyleWith({rt::MakeInt(scheme)});
    EXPECT_EQ(result.type, rt::kInt);
    return static_cast<int32_t>(result.low);
}

class SetXpStyleTest : public testing::Test {
protected:
    void TearDown() override { SetXpStyle(0); }
};

TEST_F(SetXpStyleTest, SwitchingOffBeforeAnySwitchOnReturnsZero) { EXPECT_EQ(SetXpStyle(0), 0); }

TEST_F(SetXpStyleTest, EachSchemeSwitchesOnAndSwitchingOffRemovesTheHookOnce)
{
    for (int32_t scheme : {1, 2, 3}) {
        EXPECT_EQ(SetXpStyle(scheme), 1) << scheme;
        EXPECT_NE(SetXpStyle(0), 0) << "a hook was removed after scheme " << scheme;
        EXPECT_EQ(SetXpStyle(0), 0) << "nothing left to remove after scheme " << scheme;
    }
}

TEST_F(SetXpStyleTest, SwitchingOnAgainReplacesTheSchemeWithOneHook)
{
    EXPECT_EQ(SetXpStyle(3), 1);
    EXPECT_EQ(SetXpStyle(1), 1);
    EXPECT_NE(SetXpStyle(0), 0);
    EXPECT_EQ(SetXpStyle(0), 0);
}

TEST_F(SetXpStyleTest, AnyOtherValueSwitchesOff)
{
    const std::vector<rt::ValueTriple> offValues = {
        rt::MakeInt(4), rt::MakeInt(-1), rt::MakeInt(0x7fffffff), {}, rt::MakeText("3"), rt::MakeLogical(true),
    };
    for (const rt::ValueTriple& value : offValues) {
        ASSERT_EQ(SetXpStyle(3), 1);
        rt::ValueTriple result = SetXpStyleWith({value});
        EXPECT_EQ(result.type, rt::kInt);
        EXPECT_NE(result.low, 0u) << "type " << std::hex << value.type << " value " << value.low;
        EXPECT_EQ(SetXpStyle(0), 0);
    }
    EXPECT_EQ(SetXpStyleWith({}).low, 0u) << "no argument at all switches off";
}

TEST_F(SetXpStyleTest, ARealSchemeIsTruncated)
{
    EXPECT_EQ(SetXpStyleWith({rt::MakeDouble(3.9)}).low, 1u);
    EXPECT_NE(SetXpStyle(0), 0);
    EXPECT_EQ(SetXpStyleWith({rt::MakeDouble(0.9)}).low, 0u) << "0.9 reads as 0: off, nothing to remove";
}

TEST_F(SetXpStyleTest, ShutDownSwitchesTheSkinOff)
{
    ASSERT_EQ(SetXpStyle(3), 1);
    rt::commands::kXpStyleLibrary.notify(rt::kNotifyFinishing, 0, 0);
    EXPECT_EQ(SetXpStyle(0), 0) << "the skin was already off";
}

}  // namespace
