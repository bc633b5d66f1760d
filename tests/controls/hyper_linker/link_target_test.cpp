// What a link opens and shows, and the browser command line of the fallback.
#include <gtest/gtest.h>

#include "controls/hyper_linker/link_target.h"

namespace {

rt::HyperLinkerOptions Link(int32_t type, std::string mail, std::string web, std::string caption = {})
{
    rt::HyperLinkerOptions options;
    options.LinkType = type;
    options.MailAddress = std::move(mail);
    options.WebAddress = std::move(web);
    options.Caption = std::move(caption);
    return options;
}

TEST(LinkTarget, MailLinksOpenMailtoAndWebLinksTheAddress)
{
    EXPECT_EQ(rt::units::LinkTarget(Link(0, "a@b.cn", "http://x/")), "mailto:a@b.cn");
    EXPECT_EQ(rt::units::LinkTarget(Link(1, "a@b.cn", "http://x/")), "http://x/");
}

TEST(LinkTarget, AnEmptyAddressOpensNothingWhateverTheOtherAddress)
{
    EXPECT_EQ(rt::units::LinkTarget(Link(0, "", "http://x/")), "");
    EXPECT_EQ(rt::units::LinkTarget(Link(1, "a@b.cn", "")), "");
}

TEST(LinkTarget, TheCaptionIsShownElseTheAddressWithoutMailto)
{
    EXPECT_EQ(rt::units::LinkText(Link(1, "", "http://x/", "公告")), "公告");
    EXPECT_EQ(rt::units::LinkText(Link(1, "", "http://x/")), "http://x/");
    EXPECT_EQ(rt::units::LinkText(Link(0, "a@b.cn", "")), "a@b.cn");
    // An empty mail link with an empty caption shows nothing.
    EXPECT_EQ(rt::units::LinkText(Link(0, "", "http://x/")), "");
}

struct CommandCase {
    const wchar_t* stored;
    const wchar_t* expected;  // null: nothing is started
};

class BrowserCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(BrowserCommand, CutsAtThePlaceholderAndAppendsTheQuotedTarget)
{
    std::optional<std::wstring> line = rt::units::BrowserCommandLine(GetParam().stored, L"http://x/");
    if (GetParam().expected == nullptr) {
        EXPECT_FALSE(line) << *line;
    } else {
        EXPECT_EQ(line, std::wstring(GetParam().expected));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, BrowserCommand,
    ::testing::Values(
        // The quoted placeholder goes with its opening quote.
        CommandCase{L"\"C:\\b\\iexplore.exe\" -nohome \"%1\" -x", L"\"C:\\b\\iexplore.exe\" -nohome  \"http://x/\""},
        // A quoted placeholder wins over an earlier bare one.
        CommandCase{L"b.exe %1 \"%1\"", L"b.exe %1  \"http://x/\""},
        CommandCase{L"browser.exe %1", L"browser.exe  \"http://x/\""},
        CommandCase{L"browser.exe -url", L"browser.exe -url \"http://x/\""},
        // Without a program before it, the target itself would be started.
        CommandCase{L"", nullptr}, CommandCase{L"\"%1\"", nullptr}, CommandCase{L" \t%1 -x", nullptr},
        // A quote left open would take the target's opening quote for its end.
        CommandCase{L"\"C:\\b\\browser.exe -url %1", nullptr}, CommandCase{L"\"C:\\b\\b.exe\" \"-a %1\"", nullptr}));

// Backslashes stand for themselves except before a quote, so only those before the closing quote
// are doubled; the target reads back as exactly itself.
TEST(BrowserTarget, ATargetIsOneQuotedArgumentWithItsFinalBackslashesDoubled)
{
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"http://x/a b --c", L"b.exe \"http://x/a b --c\""},
        {L"C:\\dir with blank\\", L"b.exe \"C:\\dir with blank\\\\\""},
        {L"\\\\server\\share\\x.exe", L"b.exe \"\\\\server\\share\\x.exe\""},
        {L"http://x/a\\\\b\\\\", L"b.exe \"http://x/a\\\\b\\\\\\\\\""},
        {L"\\", L"b.exe \"\\\\\""},
        {L"http://x/\u516c\u544a&|^%1%", L"b.exe \"http://x/\u516c\u544a&|^%1%\""},
    };
    for (const auto& [target, expected] : cases) {
        EXPECT_EQ(rt::units::BrowserCommandLine(L"b.exe", target), std::wstring(expected)) << target;
    }
}

// A quote or control character could end the argument in some program's reading of its command
// line; a leading "-" or "/" reads as the browser's own switch.
TEST(BrowserTarget, ATargetThatCannotBeOneHarmlessArgumentStartsNothing)
{
    for (const wchar_t* target :
         {L"", L"http://x/\" -new-window \"", L"\"http://x/\"", L"http://x/\t-a", L"http://x/\r\n-a", L"http://x/\x7f",
          L"http://x/\x85", L"-new-window", L"--gpu-launcher=calc.exe", L"/c calc.exe"}) {
        EXPECT_FALSE(rt::units::BrowserCommandLine(L"b.exe \"%1\"", target)) << target;
    }
}

}  // namespace
