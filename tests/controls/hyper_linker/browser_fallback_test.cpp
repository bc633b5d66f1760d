// The fallback of a link whose shell refuses it, with the real registry and process start: the
// browser registered for ".htm" pages (the recorder) must get the target as its one argument, so
// that no target can add arguments or be started as a program itself; a target that cannot be one
// argument starts nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "controls/hyper_linker/link_opener.h"
#include "runtime/text_codec.h"
#include "tests/controls/hyper_linker/recording_browser.h"

namespace {

namespace fs = std::filesystem;
using link_test::RecordingBrowser;
using link_test::RefusingShell;

// How long a start that must not happen is waited for.
constexpr DWORD kNoStartWaitMs = 500;

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

// A copy of the recorder in a folder whose name has blanks and Chinese characters.
class RecorderCopy {
public:
    RecorderCopy()
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = fs::path(temp) / (L"zorvi 浏览 器 " + std::to_wstring(GetCurrentProcessId()));
        fs::create_directories(folder_);
        fs::copy_file(link_test::RecorderPath(), path(), fs::copy_options::overwrite_existing);
    }
    ~RecorderCopy()
    {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    std::wstring path() const { return (folder_ / L"link_recorder.exe").wstring(); }

private:
    fs::path folder_;
};

struct BrowserFallbackTest : ::testing::Test {
    void SetUp() override { RefusingShell::starts = 0; }
    static bool Open(const std::string& target)
    {
        return rt::units::OpenLinkTarget(target, SW_SHOWNORMAL, RefusingShell::Starters());
    }
};

TEST_F(BrowserFallbackTest, TheBrowserGetsTheAddressAsItsOneArgument)
{
    RecordingBrowser browser(Quoted(link_test::RecorderPath()) + L" \"%1\"");
    ASSERT_TRUE(browser.registered());
    ASSERT_TRUE(Open("http://x/公告?a=1&b=2#top"));
    std::optional<link_test::Start> start = browser.TakeStart();
    ASSERT_TRUE(start);
    EXPECT_EQ(start->program, link_test::RecorderPath());
    EXPECT_EQ(start->arguments, std::vector<std::wstring>{L"http://x/公告?a=1&b=2#top"});
}

// Blanks, local paths, file: and UNC names, trailing backslashes and the command interpreter's
// characters: each arrives whole, as the one argument, and is never started itself.
TEST_F(BrowserFallbackTest, TargetsThatCouldReadAsMoreArgumentsReachTheBrowserAsOne)
{
    RecordingBrowser browser(Quoted(link_test::RecorderPath()) + L" -nohome \"%1\"");
    ASSERT_TRUE(browser.registered());
    const char* targets[] = {
        "http://x/ --new-window calc.exe",
        "http://x/a b  c",
        "C:\\windows\\system32\\calc.exe",
        "file:///C:/windows/system32/calc.exe",
        "\\\\server\\share\\setup.exe",
        "C:\\folder with blank\\",
        "http://x/a\\\\ b\\\\",
        "http://x/&calc.exe|more^%PATH%",
        "mailto:a@b.cn?subject=两 词",
    };
    for (const char* target : targets) {
        ASSERT_TRUE(Open(target)) << target;
        std::optional<link_test::Start> start = browser.TakeStart();
        ASSERT_TRUE(start) << target;
        EXPECT_EQ(start->program, link_test::RecorderPath()) << target;
        EXPECT_EQ(start->arguments, (std::vector<std::wstring>{L"-nohome", rt::WideFromGbk(target)})) << target;
    }
}

// A quote or a control character would end the argument early in some program's reading of its
// command line, and a leading "-" or "/" reads as one of the browser's own switches.
TEST_F(BrowserFallbackTest, TargetsThatCannotBeOneArgumentStartNothing)
{
    RecordingBrowser browser(Quoted(link_test::RecorderPath()) + L" \"%1\"");
    ASSERT_TRUE(browser.registered());
    const char* targets[] = {
        "http://x/\" --new-window \"calc.exe",
        "\"C:\\windows\\system32\\calc.exe\"",
        "http://x/\t-new-window",
        "http://x/\r\n--gpu-launcher=calc.exe",
        "--gpu-launcher=calc.exe",
        "-new-window",
        "/c calc.exe",
    };
    for (const char* target : targets) {
        EXPECT_FALSE(Open(target)) << target;
        EXPECT_FALSE(browser.TakeStart(kNoStartWaitMs)) << target;
    }
    EXPECT_EQ(RefusingShell::starts, 0);
}

// The stored command with the placeholder quoted or bare, with switches before and after it,
// without a placeholder, and with the program's path quoted or not.
TEST_F(BrowserFallbackTest, EveryStoredCommandFormGivesTheTargetAsOneArgument)
{
    RecorderCopy copy;
    const std::wstring recorder = link_test::RecorderPath();
    const std::string target = "http://x/ -a \"b\"c";
    const std::string harmless = "http://x/ -a b";
    struct Form {
        std::wstring command;
        std::wstring program;
        std::vector<std::wstring> before;
    };
    std::vector<Form> forms = {
        {Quoted(recorder) + L" -nohome \"%1\" -after", recorder, {L"-nohome"}},
        {Quoted(recorder) + L" %1 %*", recorder, {}},
        {Quoted(recorder), recorder, {}},
        {Quoted(recorder) + L" -url", recorder, {L"-url"}},
        {Quoted(copy.path()) + L" \"%1\"", copy.path(), {}},
    };
    if (recorder.find(L' ') == std::wstring::npos) {
        forms.push_back({recorder + L" %1", recorder, {}});
    }
    for (const Form& form : forms) {
        RecordingBrowser browser(form.command);
        ASSERT_TRUE(browser.registered());
        EXPECT_FALSE(Open(target));
        ASSERT_TRUE(Open(harmless));
        std::optional<link_test::Start> start = browser.TakeStart();
        ASSERT_TRUE(start);
        std::vector<std::wstring> expected = form.before;
        expected.push_back(L"http://x/ -a b");
        EXPECT_EQ(start->program, form.program);
        EXPECT_EQ(start->arguments, expected);
    }
}

// A command that is only the placeholder would make the target the program to start.
TEST_F(BrowserFallbackTest, ACommandThatNamesNoProgramStartsNothing)
{
    for (const wchar_t* command : {L"\"%1\"", L"%1", L"  %1 -x"}) {
        RecordingBrowser browser(command);
        ASSERT_TRUE(browser.registered());
        EXPECT_FALSE(Open(rt::GbkFromWide(link_test::RecorderPath())));
        EXPECT_FALSE(browser.TakeStart(kNoStartWaitMs));
    }
    EXPECT_EQ(RefusingShell::starts, 0);
}

}  // namespace
