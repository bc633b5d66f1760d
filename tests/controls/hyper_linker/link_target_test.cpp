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
    EXPECT_EQ(rt::LinkTarget(Link(0, "a@b.cn", "http://x/")), "mailto:a@b.cn");
    EXPECT_EQ(rt::LinkTarget(Link(1, "a@b.cn", "http://x/")), "http://x/");
}

TEST(LinkTarget, AnEmptyAddressOpensNothingWhateverTheOtherAddress)
{
    EXPECT_EQ(rt::LinkTarget(Link(0, "", "http://x/")), "");
    EXPECT_EQ(rt::LinkTarget(Link(1, "a@b.cn", "")), "");
}

TEST(LinkTarget, TheCaptionIsShownElseTheAddressWithoutMailto)
{
    EXPECT_EQ(rt::LinkText(Link(1, "", "http://x/", "公告")), "公告");
    EXPECT_EQ(rt::LinkText(Link(1, "", "http://x/")), "http://x/");
    EXPECT_EQ(rt::LinkText(Link(0, "a@b.cn", "")), "a@b.cn");
    // An empty mail link with an empty caption shows nothing.
    EXPECT_EQ(rt::LinkText(Link(0, "", "http://x/")), "");
}

struct CommandCase {
    const wchar_t* stored;
    const wchar_t* expected;
};

class BrowserCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(BrowserCommand, CutsAtThePlaceholderAndAppendsTheTarget)
{
    EXPECT_EQ(rt::BrowserCommandLine(GetParam().stored, L"http://x/"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, BrowserCommand,
    ::testing::Values(
        // The quoted placeholder goes with its opening quote.
        CommandCase{L"\"C:\\b\\iexplore.exe\" -nohome \"%1\" -x", L"\"C:\\b\\iexplore.exe\" -nohome  http://x/"},
        // A quoted placeholder wins over an earlier bare one.
        CommandCase{L"b.exe %1 \"%1\"", L"b.exe %1  http://x/"},
        CommandCase{L"browser.exe %1", L"browser.exe  http://x/"},
        CommandCase{L"browser.exe -url", L"browser.exe -url http://x/"},
        CommandCase{L"", L" http://x/"}));

}  // namespace
