// The edit box's Windows-free rules: which characters each input mode takes, the normalisation on
// focus loss, date-time reading, the automatic up-down step and GBK positions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "controls/edit_box/date_time_reading.h"
#include "controls/edit_box/gbk_characters.h"
#include "controls/edit_box/spin_step.h"
#include "controls/edit_box/typed_input.h"
#include "runtime/start_runtime.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

// Which of "-", ".", "5", "a", "中" each mode takes.
TEST(TypedInputTest, EachModeTakesItsCharacters)
{
    struct Case {
        int32_t mode;
        const char* taken;  // of "-.5a中", in that order, '1' taken
    };
    const Case cases[] = {
        {0, "11111"}, {1, "11111"}, {2, "11111"}, {3, "10100"},  {4, "11100"},  {5, "00100"},  {6, "10100"},
        {7, "10100"}, {8, "10100"}, {9, "11100"}, {10, "11100"}, {11, "11111"}, {12, "11111"}, {-1, "11111"},
    };
    const uint32_t characters[] = {'-', '.', '5', 'a', 0x4e2d};
    for (const Case& c : cases) {
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(rt::units::AcceptsTypedCharacter(c.mode, characters[i]), c.taken[i] == '1')
                << "mode " << c.mode << " character " << characters[i];
        }
        // Control characters (backspace, Ctrl+V) always pass; a space is no control character.
        EXPECT_TRUE(rt::units::AcceptsTypedCharacter(c.mode, '\b'));
        EXPECT_TRUE(rt::units::AcceptsTypedCharacter(c.mode, 0x16));
    }
    EXPECT_FALSE(rt::units::AcceptsTypedCharacter(7, ' '));
}

TEST(TypedInputTest, FocusLossNormalisesByMode)
{
    struct Case {
        int32_t mode;
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {7, "99999999999", "2147483647"},
        {7, "-99999999999", "-2147483648"},
        {7, "2147483647", "2147483647"},
        {7, "0", ""},
        {7, "-", ""},
        {7, "", ""},
        {7, "-0", ""},
        {7, "000", ""},
        {7, "00123", "123"},
        {7, "  -45xyz", "-45"},
        {7, "abc", ""},
        {5, "256", "255"},
        {5, "-3", ""},
        {5, "7", "7"},
        {6, "32768", "32767"},
        {6, "-32769", "-32768"},
        {8, "-9223372036854775808", "-9223372036854775808"},
        {8, "99999999999999999999", "9223372036854775807"},
        {8, "0", ""},
        {9, "0.1", "0.1"},
        {9, "1e60", "3.4028235e+38"},
        {10, "0.1", "0.1"},
        {10, "-2.50", "-2.5"},
        {10, "-0", ""},
        {10, "1e999", "1.7976931348623157e+308"},
        {10, ".", ""},
        {3, "0", "0"},
        {4, "-.", "-."},
        {0, "任意", "任意"},
        {1, "0", "0"},
        {2, "0", "0"},
        {12, "0", "0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rt::units::NormaliseTypedText(c.mode, c.text), c.shown) << "mode " << c.mode << " text " << c.text;
    }
}

TEST(TypedInputTest, DateTimeModeRePrintsOrEmpties)
{
    EXPECT_EQ(rt::units::NormaliseTypedText(11, "2024-3-5"), "2024年3月5日");
    EXPECT_EQ(rt::units::NormaliseTypedText(11, "2024/03/05 14:07:09"), "2024年3月5日14时7分9秒");
    EXPECT_EQ(rt::units::NormaliseTypedText(11, "2024年3月5日14时7分"), "2024年3月5日14时7分0秒");
    EXPECT_EQ(rt::units::NormaliseTypedText(11, "1899-12-30"), "");  // the zero date
    EXPECT_EQ(rt::units::NormaliseTypedText(11, "2023-2-29"), "");
    EXPECT_EQ(rt::units::NormaliseTypedText(11, "tomorrow"), "");
    EXPECT_EQ(rt::units::NormaliseTypedText(11, ""), "");
}

TEST(TypedInputTest, IntegersSaturateAtThe64BitLimits)
{
    EXPECT_EQ(rt::units::ReadInteger64("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(rt::units::ReadInteger64("9223372036854775808"), INT64_MAX);
    EXPECT_EQ(rt::units::ReadInteger64("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(rt::units::ReadInteger64("-9223372036854775809123"), INT64_MIN);
    EXPECT_EQ(rt::units::ReadInteger64("+12"), 12);
    EXPECT_EQ(rt::units::ReadInteger64("--1"), 0);
    EXPECT_EQ(rt::units::ReadInteger64(std::string(5000, '9')), INT64_MAX);
}

TEST(DateTimeReadingTest, ReadsTheCoreTextFormAndNumericForms)
{
    EXPECT_EQ(rt::units::ReadDateTime("1900-1-1"), 2.0);
    EXPECT_EQ(rt::units::ReadDateTime(" 2000年1月1日 "), 36526.0);
    EXPECT_EQ(rt::units::ReadDateTime("2000/1/1 12:00"), 36526.5);
    // Before the epoch the time still counts forward from midnight, away from zero.
    EXPECT_EQ(rt::units::ReadDateTime("1899-12-29 06:00:00"), -1.25);
    EXPECT_EQ(rt::units::ReadDateTime("100-1-1"), -657434.0);
    EXPECT_FALSE(rt::units::ReadDateTime("99-1-1"));
    EXPECT_FALSE(rt::units::ReadDateTime("10000-1-1"));
    EXPECT_FALSE(rt::units::ReadDateTime("2000-13-1"));
    EXPECT_FALSE(rt::units::ReadDateTime("2000-1-1 24:00"));
    EXPECT_FALSE(rt::units::ReadDateTime("2000-1/1"));
    EXPECT_FALSE(rt::units::ReadDateTime("2000-1-1 x"));
    EXPECT_FALSE(rt::units::ReadDateTime("2000年1月"));
    EXPECT_TRUE(rt::units::ReadDateTime("2000-2-29"));
    EXPECT_FALSE(rt::units::ReadDateTime("1900-2-29"));
}

TEST(SpinStepTest, StepsWrapPastEitherEnd)
{
    EXPECT_EQ(rt::units::SpinStep("5", true, 0, 10), 6);
    EXPECT_EQ(rt::units::SpinStep("10", true, 0, 10), 0);
    EXPECT_EQ(rt::units::SpinStep("0", false, 0, 10), 10);
    EXPECT_EQ(rt::units::SpinStep("", true, 0, 10), 1);
    EXPECT_EQ(rt::units::SpinStep("50", true, 10, 0), 0);  // the range is min..max of the two
    EXPECT_EQ(rt::units::SpinStep("-50", false, 0, 10), 10);
    EXPECT_EQ(rt::units::SpinStep("7", true, 7, 7), 7);
    EXPECT_EQ(rt::units::SpinStep("99999999999", true, INT32_MIN, INT32_MAX), INT32_MIN);
    EXPECT_EQ(rt::units::SpinStep("-99999999999", false, INT32_MIN, INT32_MAX), INT32_MAX);
}

TEST(GbkCharactersTest, PositionsCountBytesOfWholeCharacters)
{
    const std::string text = "中a文";  // bytes: 2, 1, 2
    EXPECT_EQ(rt::units::GbkByteOffset(text, 0), 0u);
    EXPECT_EQ(rt::units::GbkByteOffset(text, 1), 2u);
    EXPECT_EQ(rt::units::GbkByteOffset(text, 2), 3u);
    EXPECT_EQ(rt::units::GbkByteOffset(text, 9), 5u);
    EXPECT_EQ(rt::units::GbkCharacterIndex(text, 0), 0u);
    EXPECT_EQ(rt::units::GbkCharacterIndex(text, 1), 0u);  // inside the first character
    EXPECT_EQ(rt::units::GbkCharacterIndex(text, 2), 1u);
    EXPECT_EQ(rt::units::GbkCharacterIndex(text, 4), 2u);
    EXPECT_EQ(rt::units::GbkCharacterIndex(text, 5), 3u);
    EXPECT_EQ(rt::units::GbkCharacterIndex(text, 100), 3u);
    // A lead byte at the very end counts as one character.
    EXPECT_EQ(rt::units::GbkByteOffset("a\xb0", 2), 2u);
}

TEST(GbkCharactersTest, PasswordCharacterIsTheFirstCharacter)
{
    EXPECT_EQ(rt::units::PasswordCharCode("#ab"), '#');
    EXPECT_EQ(rt::units::PasswordCharCode(""), '*');
    EXPECT_EQ(rt::units::PasswordCharCode("中"), 0xd6d0);
    EXPECT_EQ(rt::units::PasswordCharText(0xd6d0), "中");
    EXPECT_EQ(rt::units::PasswordCharText('*'), "*");
}

}  // namespace
