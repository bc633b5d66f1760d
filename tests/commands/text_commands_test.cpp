// LeftText, RightText, FindTextReverse and SplitText: byte counts, double-byte stepping and the
// splitting rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_call.h"
#include "commands/core/text_commands.h"

namespace {

using test::Call;
using test::Text;

TEST(CutText, TakesBytesFromEitherEnd)
{
    struct Case {
        std::string text;
        int32_t count;
        std::string left;
        std::string right;
    };
    const Case cases[] = {
        {"C:\\pics\\a.jpg", 8, "C:\\pics\\", "cs\\a.jpg"},
        {"photo.png", 3, "pho", "png"},
        {"photo.PNG", 3, "pho", "PNG"},
        {"abc", 10, "abc", "abc"},
        {"abc", 0, "", ""},
        {"abc", -1, "", ""},
        {"", 2, "", ""},
        // Counts are bytes: a double-byte character can be cut in half.
        {"图片", 3, std::string("图片").substr(0, 3), std::string("图片").substr(1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + std::to_string(c.count));
        EXPECT_EQ(Call(rt::commands::LeftTextCommand, {Text(c.text), rt::MakeInt(c.count)}).text(), c.left);
        EXPECT_EQ(Call(rt::commands::RightTextCommand, {Text(c.text), rt::MakeInt(c.count)}).text(), c.right);
    }
}

TEST(CutText, EmptyResultsAreTextsAndARealCountIsTruncated)
{
    test::CommandResult empty = Call(rt::commands::LeftTextCommand, {Text("abc"), rt::MakeInt(0)});
    EXPECT_EQ(empty.type(), rt::kText);
    EXPECT_EQ(empty.triple().pointer(), nullptr);
    EXPECT_EQ(Call(rt::commands::LeftTextCommand, {Text("abcdef"), test::Double(2.9)}).text(), "ab");
    EXPECT_EQ(Call(rt::commands::RightTextCommand, {Text("abcdef")}).text(), "");
}

int32_t FindReverse(const std::string& text, const std::string& sought)
{
    return Call(rt::commands::FindTextReverseCommand, {Text(text), Text(sought)}).integer();
}

TEST(FindTextReverse, GivesThePositionOfTheLastMatch)
{
    struct Case {
        std::string text;
        std::string sought;
        int32_t position;
    };
    const Case cases[] = {
        {"C:\\pics\\a.jpg", "\\", 8},
        {"a.jpg", "\\", -1},
        {"abcabc", "bc", 5},
        {"abc", "abcd", -1},
        {"abc", "", 1},
        {"", "", -1},
        {"", "a", -1},
        {"aaa", "aa", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.sought);
        EXPECT_EQ(FindReverse(c.text, c.sought), c.position);
    }
}

TEST(FindTextReverse, APositionOfMinusOneCutsToTheEmptyText)
{
    int32_t slash = FindReverse("a.jpg", "\\");
    EXPECT_EQ(Call(rt::commands::LeftTextCommand, {Text("a.jpg"), rt::MakeInt(slash)}).text(), "");
}

TEST(FindTextReverse, NeverMatchesOnTheSecondByteOfACharacter)
{
    // 0xB0 0x5C is one character whose second byte is a backslash.
    std::string text =
        "x\xB0\x5C"
        "y";
    EXPECT_EQ(FindReverse(text, "\\"), -1);
    EXPECT_EQ(FindReverse(text + "\\", "\\"), 5);
    EXPECT_EQ(FindReverse("图片图片", "片"), 7);
    // A lead byte at the very end steps past the end without reading beyond it.
    EXPECT_EQ(FindReverse("ab\xB0", "b"), 2);
}

TEST(FindTextReverse, StartSearchesOnlyTheBytesBeforeIt)
{
    struct Case {
        int32_t start;
        int32_t position;
    };
    // "a/b/c/": slashes at 2, 4 and 6.
    const Case cases[] = {{7, 6}, {6, 4}, {5, 4}, {4, 2}, {3, 2}, {2, -1}, {1, -1}, {0, -1}, {-5, -1}, {100, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        EXPECT_EQ(
            Call(rt::commands::FindTextReverseCommand, {Text("a/b/c/"), Text("/"), rt::MakeInt(c.start)}).integer(),
            c.position);
    }
    EXPECT_EQ(Call(rt::commands::FindTextReverseCommand, {Text("abc"), Text(""), rt::MakeInt(1)}).integer(), -1);
    EXPECT_EQ(Call(rt::commands::FindTextReverseCommand, {Text("abc"), Text(""), rt::MakeInt(2)}).integer(), 1);
}

TEST(FindTextReverse, IgnoreCaseFoldsOnlySingleByteLetters)
{
    auto find = [](const std::string& text, const std::string& sought, bool ignoreCase) {
        return Call(rt::commands::FindTextReverseCommand, {Text(text), Text(sought), {}, rt::MakeLogical(ignoreCase)})
            .integer();
    };
    EXPECT_EQ(find("photo.PNG", ".png", false), -1);
    EXPECT_EQ(find("photo.PNG", ".png", true), 6);
    EXPECT_EQ(find("Png.png", "PNG", true), 5);
    // 0x81 0x41 and 0x81 0x61 are different characters whose second bytes are "A" and "a".
    EXPECT_EQ(find("\x81\x41", "\x81\x61", true), -1);
    EXPECT_EQ(find("\x81\x41", "\x81\x41", true), 1);
}

std::vector<std::string> Split(std::initializer_list<rt::ValueTriple> args)
{
    return Call(rt::commands::SplitTextCommand, args).texts();
}

using Parts = std::vector<std::string>;

TEST(SplitText, CutsAtEveryDelimiter)
{
    struct Case {
        std::string text;
        Parts parts;
    };
    const Case cases[] = {
        {"a|b", {"a", "b"}}, {"a||b", {"a", "", "b"}}, {"a|b|", {"a", "b"}}, {"|a", {"", "a"}},
        {"|", {""}},         {"||", {"", ""}},         {"abc", {"abc"}},     {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Split({Text(c.text), Text("|")}), c.parts);
    }
}

TEST(SplitText, DelimiterDefaultsToACommaAndMayBeLonger)
{
    EXPECT_EQ(Split({Text("1,2,3")}), (Parts{"1", "2", "3"}));
    EXPECT_EQ(Split({Text("a\r\nb\r\n\r\nc"), Text("\r\n")}), (Parts{"a", "b", "", "c"}));
    EXPECT_EQ(Split({Text("a,b"), Text("")}), (Parts{"a,b"}));
    EXPECT_EQ(Split({Text(""), Text("")}), Parts{});
}

TEST(SplitText, StepsOverDoubleByteCharacters)
{
    // 0xB0 0x7C is one character whose second byte is "|".
    EXPECT_EQ(Split({Text("x\xB0\x7C"
                          "y|z"),
                     Text("|")}),
              (Parts{"x\xB0\x7C"
                     "y",
                     "z"}));
    EXPECT_EQ(Split({Text("图片，照片"), Text("，")}), (Parts{"图片", "照片"}));
}

TEST(SplitText, MostPartsStopsTheSplitAndDropsTheRest)
{
    struct Case {
        int32_t most;
        Parts parts;
    };
    const Case cases[] = {{1, {"a"}}, {2, {"a", "b"}}, {3, {"a", "b", "c"}}, {9, {"a", "b", "c"}}, {0, {}}, {-2, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.most);
        EXPECT_EQ(Split({Text("a,b,c"), Text(","), rt::MakeInt(c.most)}), c.parts);
    }
}

TEST(SplitText, AnEmptyResultIsAnArrayWithNoElements)
{
    test::CommandResult result = Call(rt::commands::SplitTextCommand, {Text("")});
    EXPECT_EQ(result.type(), rt::kText | rt::kArrayBit);
    EXPECT_EQ(result.arraySize(), 0);
}

}  // namespace
