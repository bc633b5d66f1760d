// ToText, ToNumber and ToByteSet, and the text forms of reals, logicals and date-times.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "command_call.h"
#include "commands/core/conversion_commands.h"
#include "runtime/date_time_text.h"
#include "runtime/number_text.h"
#include "commands/core/value_text.h"
#include "runtime/real_text.h"

namespace {

using test::Call;
using test::Text;

rt::ValueTriple DateTime(double oleDate)
{
    rt::ValueTriple value = rt::MakeDouble(oleDate);
    value.type = rt::kDateTime;
    return value;
}

std::string ToText(const rt::ValueTriple& value) { return Call(rt::commands::ToTextCommand, {value}).text(); }

TEST(ToText, GivesEachTypeItsTextForm)
{
    struct Case {
        const char* name;
        rt::ValueTriple value;
        std::string text;
    };
    const Case cases[] = {
        {"byte", {200, 0, rt::kByte}, "200"},
        {"short", {0xFFFF, 0, rt::kShort}, "-1"},
        {"int", rt::MakeInt(-2147483647 - 1), "-2147483648"},
        {"long", rt::MakeLong(-1234567890123LL), "-1234567890123"},
        {"float", rt::MakeFloat(0.1f), "0.1"},
        {"double", rt::MakeDouble(2.5), "2.5"},
        {"whole double", rt::MakeDouble(300.0), "300"},
        {"negative zero", rt::MakeDouble(-0.0), "0"},
        {"large double", rt::MakeDouble(1e20), "1e+20"},
        {"true", rt::MakeLogical(true), "真"},
        {"false", rt::MakeLogical(false), "假"},
        {"text", Text("图片"), "图片"},
        {"date", DateTime(45356.0), "2024年3月5日"},
        {"omitted", {}, ""},
        {"sub pointer", {1234, 0, rt::kSubPtr}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ToText(c.value), c.text);
    }
}

TEST(ToText, ByteSetGivesItsBytesUpToTheFirstZero)
{
    EXPECT_EQ(ToText(test::ByteSetArg(std::vector<uint8_t>{'a', 'b', 0, 'c'}).triple()), "ab");
    EXPECT_EQ(ToText(test::ByteSetArg(std::string("abc")).triple()), "abc");
    EXPECT_EQ(ToText(rt::MakePointerValue(nullptr, rt::kByteSet)), "");
}

TEST(DateTimeText, CountsDaysFromTheEndOf1899)
{
    struct Case {
        double oleDate;
        std::string text;
    };
    const Case cases[] = {
        {0.0, "1899年12月30日"},
        {1.0, "1899年12月31日"},
        {2.0, "1900年1月1日"},
        {60.0, "1900年2月28日"},
        {61.0, "1900年3月1日"},
        {45351.0, "2024年2月29日"},
        {45356.5, "2024年3月5日12时0分0秒"},
        {45356.0 + (14 * 3600 + 7 * 60 + 9) / 86400.0, "2024年3月5日14时7分9秒"},
        // Before 1899 the date counts toward zero and the time runs forward from its midnight.
        {-1.25, "1899年12月29日6时0分0秒"},
        // A time that rounds to the next midnight belongs to the next day.
        {1.9999999, "1900年1月1日"},
        {-657434.0, "100年1月1日"},
        {2958465.0, "9999年12月31日"},
        {2958466.0, ""},
        {-657435.0, ""},
        {std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.oleDate);
        EXPECT_EQ(rt::DateTimeText(c.oleDate), c.text);
    }
}

TEST(RealText, UsesTheShortestDigitsThatReadBack)
{
    EXPECT_EQ(rt::RealText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(rt::RealText(-3.75), "-3.75");
    EXPECT_EQ(rt::RealText(123456789012.0), "123456789012");
    EXPECT_EQ(rt::RealText(1e-7), "1e-07");
    EXPECT_EQ(rt::SingleText(3.14159f), "3.14159");
}

double ToNumber(const rt::ValueTriple& value) { return Call(rt::commands::ToNumberCommand, {value}).real(); }

TEST(ToNumber, ReadsTextsLikeTheCLibrary)
{
    struct Case {
        std::string text;
        double number;
    };
    const Case cases[] = {
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"  \t\n42", 42},
        {"-3.5", -3.5},
        {"+7", 7},
        {"1.5e3", 1500},
        {"2E-2x", 0.02},
        {"5e", 5},
        {"5e+", 5},
        {".5", 0.5},
        {"5.", 5},
        {".", 0},
        {"-", 0},
        {"+-1", 0},
        {"1,5", 1},
        {"0x10", 0},
        {"inf", 0},
        {"1e400", std::numeric_limits<double>::infinity()},
        {"-1e400", -std::numeric_limits<double>::infinity()},
        {"1e-400", 0},
        {"0.0001e-320", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ToNumber(Text(c.text)), c.number);
    }
}

TEST(ToNumber, ReadsFullWidthCharactersAsTheirSingleByteForms)
{
    struct Case {
        std::string text;
        double number;
    };
    const Case cases[] = {
        {"５", 5},
        {"１２．５", 12.5},
        {"－３", -3},
        {"\xA1\xA1"
         "7",
         7},
        {"１２abc", 12},
        {"１e２", 100},
        // 0xB0 0xA3 is one character: its second byte is not the lead of a full-width digit.
        {"\xB0\xA3\xB5", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ToNumber(Text(c.text)), c.number);
    }
}

TEST(NormaliseFullWidth, ReplacesOnlyCharactersWithASingleByteForm)
{
    EXPECT_EQ(rt::NormaliseFullWidth("\xA3\xA1\xA3\xFE"), "!~");
    EXPECT_EQ(rt::NormaliseFullWidth("\xA1\xAB\xA1\xEE\xA1\xEF"), "~**");
    EXPECT_EQ(rt::NormaliseFullWidth("\xA3\xA0"), "\xA3\xA0");
    EXPECT_EQ(rt::NormaliseFullWidth("图1"), "图1");
    // A lead byte at the end stays as it is.
    EXPECT_EQ(rt::NormaliseFullWidth("1\xA3"), "1\xA3");
}

TEST(ToNumber, GivesOtherTypesTheirValue)
{
    EXPECT_EQ(ToNumber({250, 0, rt::kByte}), 250);
    EXPECT_EQ(ToNumber({0x8000, 0, rt::kShort}), -32768);
    EXPECT_EQ(ToNumber(rt::MakeInt(-7)), -7);
    EXPECT_EQ(ToNumber(rt::MakeLong(1LL << 40)), 1099511627776.0);
    EXPECT_EQ(ToNumber(rt::MakeFloat(0.5f)), 0.5);
    EXPECT_EQ(ToNumber(rt::MakeDouble(-2.25)), -2.25);
    EXPECT_EQ(ToNumber(rt::MakeLogical(true)), 1);
    EXPECT_EQ(ToNumber({7, 0, rt::kLogical}), 1);
    EXPECT_EQ(ToNumber(rt::MakeLogical(false)), 0);
    EXPECT_EQ(ToNumber({0xFFFFFFF0u, 0, rt::kSubPtr}), 4294967280.0);
    EXPECT_EQ(ToNumber(DateTime(45356.0)), 0);
    EXPECT_EQ(ToNumber(test::ByteSetArg(std::string("12")).triple()), 0);
    EXPECT_EQ(ToNumber({}), 0);
    EXPECT_EQ(Call(rt::commands::ToNumberCommand, {rt::MakeInt(3)}).type(), rt::kDouble);
}

std::vector<uint8_t> ToByteSet(const rt::ValueTriple& value)
{
    return Call(rt::commands::ToByteSetCommand, {value}).bytes();
}

TEST(ToByteSet, GivesTextBytesBinaryValuesAndCopies)
{
    using Bytes = std::vector<uint8_t>;
    EXPECT_EQ(ToByteSet(Text("ab")), (Bytes{'a', 'b'}));
    EXPECT_EQ(ToByteSet(Text("")), Bytes{});
    EXPECT_EQ(ToByteSet({0x1FF, 0, rt::kByte}), (Bytes{0xFF}));
    EXPECT_EQ(ToByteSet({0x12345678, 0, rt::kShort}), (Bytes{0x78, 0x56}));
    EXPECT_EQ(ToByteSet(rt::MakeInt(0x01020304)), (Bytes{4, 3, 2, 1}));
    EXPECT_EQ(ToByteSet(rt::MakeLong(0x0102030405060708LL)), (Bytes{8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(ToByteSet(rt::MakeDouble(1.0)), (Bytes{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    EXPECT_EQ(ToByteSet(rt::MakeLogical(true)), (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(ToByteSet(test::ByteSetArg(Bytes{0, 9, 0}).triple()), (Bytes{0, 9, 0}));
    EXPECT_EQ(ToByteSet({}), Bytes{});
    EXPECT_EQ(Call(rt::commands::ToByteSetCommand, {Text("")}).type(), rt::kByteSet);
}

}  // namespace
