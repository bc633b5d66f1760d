// The template generator's reading of descriptions and building of blocks.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "runtime/unit_options/hyper_linker_options.h"
#include "runtime/unit_options/option_fields.h"
#include "data/template_block.h"
#include "runtime/templates/template_reader.h"
#include "tools/template_generator/block_builder.h"
#include "tools/template_generator/description.h"
#include "tools/template_generator/gbk_text.h"
#include "tools/template_generator/generated_sources.h"
#include "tools/template_generator/line_tokens.h"
#include "tools/template_generator/sub_list.h"

namespace {

using generator::Description;
using generator::Token;

// Descriptions are UTF-8 files; narrow literals here would become GBK.
std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::vector<Token> Split(std::string_view line)
{
    std::vector<Token> tokens;
    std::string error;
    EXPECT_TRUE(generator::SplitLine(line, tokens, error)) << error;
    return tokens;
}

TEST(LineTokens, SplitWordsQuotedTextsAndComments)
{
    std::vector<Token> tokens = Split("  option Caption \"a \\\"b\\\" \\\\ c\" # comment \"unended");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[1].text, "Caption");
    EXPECT_FALSE(tokens[1].quoted);
    EXPECT_EQ(tokens[2].text, "a \"b\" \\ c");
    EXPECT_TRUE(tokens[2].quoted);
    EXPECT_TRUE(Split("\"\"")[0].quoted);
    EXPECT_TRUE(Split("   # only a comment\r").empty());
}

TEST(LineTokens, RefuseAnUnendedText)
{
    std::vector<Token> tokens;
    std::string error;
    EXPECT_FALSE(generator::SplitLine("name \"open", tokens, error));
    EXPECT_FALSE(error.empty());
}

TEST(DescriptionNumbers, AreDecimalOrHexadecimal)
{
    int64_t value = 0;
    EXPECT_TRUE(generator::ParseNumber("0x52010001", value));
    EXPECT_EQ(value, 0x52010001);
    EXPECT_TRUE(generator::ParseNumber("-12", value));
    EXPECT_EQ(value, -12);
    EXPECT_TRUE(generator::ParseNumber("0xffffffff", value));
    EXPECT_EQ(value, 0xffffffff);
    for (const char* bad : {"", "-", "0x", "12a", "0x100000000", "1 2", "+3"}) {
        EXPECT_FALSE(generator::ParseNumber(bad, value)) << bad;
    }
}

const std::string kSmallDescription = Utf8(
    u8R"(
window Main 0x52000001
second_id 0x19000002
unit WindowUnit 0x06000003 Window
    name ""
    rect 50 50 602 489
    flags V
    event 0 OnCreated
    option Title "主窗口"
unit Frame 0x16000004 GroupBox
    name "分组框1"
    rect 7 384 465 65
    children Link | Box
    flags V
unit Link 0x16000005 HyperLinker
    name "link"
    container Frame
    rect 1 -4 110 20
    flags V D F
    event -1 OnPressed
    option HoverColour 0xfe9933
    option Font Height -12 Weight 400 Underline 1 CharSet 134 FaceName "宋体"
unit Box 0x16000006 EditBox
    name "box"
    container Frame
    tag "t"
)");

const std::vector<std::string> kSubs = {"OnPressed", "OnCreated"};

Description Parse(std::string_view text)
{
    Description description;
    std::string error;
    EXPECT_TRUE(generator::ParseDescription(text, description, error)) << error;
    return description;
}

std::string ParseError(std::string_view text)
{
    Description description;
    std::string error;
    EXPECT_FALSE(generator::ParseDescription(text, description, error));
    return error;
}

TEST(Description, ReadsWindowsUnitsAndTheirLines)
{
    Description description = Parse(kSmallDescription);
    ASSERT_EQ(description.windows.size(), 1u);
    const generator::WindowDescription& window = description.windows[0];
    EXPECT_EQ(window.symbol, "Main");
    EXPECT_EQ(window.id, 0x52000001u);
    EXPECT_EQ(window.secondId, 0x19000002u);
    ASSERT_EQ(window.units.size(), 4u);
    const generator::UnitDescription& link = window.units[2];
    EXPECT_EQ(link.kind, "HyperLinker");
    EXPECT_EQ(link.container, "Frame");
    EXPECT_EQ(link.rect, (rt::UnitRect{1, -4, 110, 20}));
    EXPECT_EQ(link.flags, rt::kUnitVisible | rt::kUnitDisabled | rt::kUnitTakesFocus);
    ASSERT_EQ(link.events.size(), 1u);
    EXPECT_EQ(link.events[0].event, -1);
    EXPECT_EQ(link.events[0].handler, "OnPressed");
    ASSERT_EQ(link.options.size(), 2u);
    EXPECT_EQ(link.options[1].field, "Font");
    EXPECT_EQ(link.options[1].values.size(), 10u);
    EXPECT_EQ(window.units[1].children, (std::vector<std::string>{"Link", "|", "Box"}));
}

TEST(Description, ReportsTheLineOfAMistake)
{
    EXPECT_EQ(ParseError("window Main 0x52000001\n\nunit A 0x16000001 Label\n  colour 5\n"),
              "line 4: unknown keyword \"colour\"");
    EXPECT_EQ(ParseError("unit A 0x16000001 Label\n").rfind("line 1:", 0), 0u);
    EXPECT_EQ(ParseError("window Main 0x52000001\nname \"x\"\n").rfind("line 2:", 0), 0u);
    EXPECT_EQ(ParseError("window Main 0x52000001\nunit A 0x16000001 Label\nrect 1 2 3\n").rfind("line 3:", 0), 0u);
    EXPECT_EQ(ParseError("window Main 0x52000001\nunit A 0x16000001 Label\nflags V X\n").rfind("line 3:", 0), 0u);
    EXPECT_EQ(ParseError("window Main 0x52000001\nunit A 0x16000001 Label\nname unquoted\n").rfind("line 3:", 0), 0u);
    EXPECT_EQ(ParseError("window Main 0x1ffffffff\n").rfind("line 1:", 0), 0u);
    EXPECT_EQ(ParseError("window Main 0x52000001\nunit A 0x16000001 Label\nsecond_id 0x19000001\n").rfind("line 3:", 0),
              0u);
}

TEST(SubList, KeepsTheOrderAndRefusesRepeats)
{
    std::vector<std::string> names;
    std::string error;
    ASSERT_TRUE(generator::ParseSubList("# comment\nFirst\n\nSecond  # why\n", names, error)) << error;
    EXPECT_EQ(names, (std::vector<std::string>{"First", "Second"}));
    names.clear();
    EXPECT_FALSE(generator::ParseSubList("First\nFirst\n", names, error));
    EXPECT_EQ(error, "line 2: First is listed twice");
    names.clear();
    EXPECT_FALSE(generator::ParseSubList("First Second\n", names, error));
}

TEST(GbkText, ConvertsUtf8AndRefusesWhatGbkLacks)
{
    EXPECT_EQ(generator::Utf8ToGbk(Utf8(u8"打开图片")), std::string("\xb4\xf2\xbf\xaa\xcd\xbc\xc6\xac"));
    EXPECT_EQ(generator::Utf8ToGbk("abc"), std::string("abc"));
    EXPECT_FALSE(generator::Utf8ToGbk("\xf0\x9f\x98\x80"));
    EXPECT_FALSE(generator::Utf8ToGbk("\xff"));
}

std::optional<rt::TemplateBlock> Build(std::string_view text, std::string* error = nullptr)
{
    Description description = Parse(text);
    rt::TemplateBlock block;
    std::string problem;
    bool built = generator::BuildTemplateBlock(description, kSubs, ".", block, problem);
    if (error) {
        *error = problem;
    }
    return built ? std::optional(std::move(block)) : std::nullopt;
}

TEST(BlockBuilder, ResolvesSymbolsHandlersAndTexts)
{
    std::optional<rt::TemplateBlock> block = Build(kSmallDescription);
    ASSERT_TRUE(block);
    const std::vector<rt::UnitRecord>& units = block->windows[0].units;
    ASSERT_EQ(units.size(), 4u);
    EXPECT_EQ(units[0].kind, 0x00010001u);
    EXPECT_EQ(units[0].placed().bindings[0].subOffset, 1u);
    EXPECT_EQ(units[1].name, "\xb7\xd6\xd7\xe9\xbf\xf2\x31");
    EXPECT_EQ(units[1].placed().children, (std::vector<uint32_t>{0x16000005, 0, 0x16000006}));
    EXPECT_TRUE(units[1].placed().propertyData.empty());
    EXPECT_EQ(units[2].placed().container, 0x16000004u);
    EXPECT_EQ(units[2].placed().bindings[0].event, -1);
    EXPECT_EQ(units[2].placed().bindings[0].subOffset, 0u);
    EXPECT_EQ(units[2].placed().mousePointer, (std::vector<uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(units[3].placed().tag, "t");

    std::optional<rt::HyperLinkerOptions> link =
        rt::ReadOptions<rt::HyperLinkerOptions>(units[2].placed().propertyData);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->HoverColour, 0xfe9933u);
    EXPECT_EQ(link->NormalColour, 0xff0000u);
    ASSERT_TRUE(link->Font);
    EXPECT_EQ(link->Font->Underline, 1);
    EXPECT_EQ(link->Font->faceName(), "\xcb\xce\xcc\xe5");

    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(generator::WriteCheckedBlock(*block, bytes, error)) << error;
}

std::string BuildError(const std::string& text)
{
    std::string error;
    EXPECT_FALSE(Build(text, &error));
    return error;
}

TEST(BlockBuilder, RefusesWhatDoesNotExistOrComesTwice)
{
    const std::string head = "window Main 0x52000001\nsecond_id 0x19000002\nunit WindowUnit 0x06000003 Window\n";
    EXPECT_EQ(BuildError(head + "event 0 OnNothing\n"), "line 4: OnNothing is not in the list of application subs");
    EXPECT_EQ(BuildError(head + "unit A 0x16000004 Label\ncontainer B\n"), "line 4: no unit B in this window");
    EXPECT_EQ(BuildError(head + "unit A 0x16000004 Label\nchildren A C\n"), "line 4: no unit C in this window");
    EXPECT_EQ(BuildError(head + "unit A 0x16000004 Slider\n"), "line 4: no unit kind Slider");
    EXPECT_EQ(BuildError(head + "unit WindowUnit 0x16000004 Label\n"),
              "line 4: WindowUnit names two units of its window");
    EXPECT_EQ(BuildError(head + "option Colour 1\n"), "line 4: Colour: no such field in this kind");
    EXPECT_EQ(BuildError(head + "option Title \"a\"\noption Title \"b\"\n"), "line 5: Title: given twice");
    EXPECT_EQ(BuildError("window Main 0x52000001\nsecond_id 0x29000002\nunit W 0x06000003 Window\n"),
              "line 1: Main needs a second id of class 0x19");
    EXPECT_EQ(BuildError(head + "name \"\xf0\x9f\x98\x80\"\n").rfind("line 3:", 0), 0u);
    EXPECT_EQ(BuildError(head + "window Main 0x52000009\nsecond_id 0x19000002\n"), "line 4: Main names two windows");
}

TEST(BlockBuilder, RefusesValuesOfTheWrongType)
{
    const std::string head = "window Main 0x52000001\nsecond_id 0x19000002\nunit WindowUnit 0x06000003 Window\n";
    for (const char* line :
         {"option Title 5\n", "option Border \"2\"\n", "option Border 0x80000000\n", "option MaxButton 2\n",
          "option BackPicture picture.jpg\n", "option BackPicture file:no_such_picture.jpg\n", "option Border 1 2\n"}) {
        EXPECT_EQ(BuildError(head + line).rfind("line 4:", 0), 0u) << line;
    }
    const std::string link = head + "unit L 0x16000004 HyperLinker\n";
    for (const char* line : {"option Font Height\n", "option Font Colour 3\n", "option Font CharSet 256\n",
                             "option Font FaceName \"0123456789012345678901234567890123\"\n"}) {
        EXPECT_EQ(BuildError(link + line).rfind("line 5:", 0), 0u) << line;
    }
}

TEST(BlockBuilder, ChecksTheBlockAsTheRuntimeReadsIt)
{
    std::optional<rt::TemplateBlock> block =
        Build("window Main 0x52000001\nsecond_id 0x19000002\nunit WindowUnit 0x16000003 Window\n");
    ASSERT_TRUE(block);
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_FALSE(generator::WriteCheckedBlock(*block, bytes, error));
    EXPECT_FALSE(error.empty());
}

TEST(GeneratedSources, NameTheIdsAndTheCodeBaseOrder)
{
    std::string header = generator::ProgramWindowsHeader(Parse(kSmallDescription), kSubs);
    EXPECT_NE(header.find("namespace main {"), std::string::npos);
    EXPECT_NE(header.find("inline constexpr uint32_t kId = 0x52000001;"), std::string::npos);
    EXPECT_NE(header.find("inline constexpr uint32_t kLink = 0x16000005;"), std::string::npos);
    EXPECT_NE(header.find("inline constexpr uint32_t kOnPressed = 0;"), std::string::npos);
    EXPECT_NE(header.find("inline constexpr uint32_t kCount = 2;"), std::string::npos);
    std::string source = generator::BlockSource({0x01, 0xff});
    EXPECT_NE(source.find("kTemplateBlock[2] = {\n    0x01, 0xff,\n};"), std::string::npos);
    EXPECT_NE(source.find("kTemplateBlockLength = 2;"), std::string::npos);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << path;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(ProgramDescription, IsWhatTheProgramCarries)
{
    Description description = Parse(ReadFile(ZORVI_DATA_DIR "/windows.txt"));
    std::vector<std::string> subs;
    std::string error;
    ASSERT_TRUE(generator::ParseSubList(ReadFile(ZORVI_DATA_DIR "/application_subs.txt"), subs, error)) << error;
    rt::TemplateBlock block;
    ASSERT_TRUE(generator::BuildTemplateBlock(description, subs, ZORVI_DATA_DIR, block, error)) << error;
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(generator::WriteCheckedBlock(block, bytes, error)) << error;
    EXPECT_EQ(bytes, std::vector<uint8_t>(data::kTemplateBlock, data::kTemplateBlock + data::kTemplateBlockLength));
}

}  // namespace
