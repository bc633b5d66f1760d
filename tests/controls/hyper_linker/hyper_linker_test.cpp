// The HyperLinker unit on a real window: its stored values, what it paints in each state, opening
// its target through the shell (a harmless batch file, never a browser) and the fallback.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "commands/core/core_command_table.h"
#include "controls/hyper_linker/hyper_linker.h"
#include "controls/hyper_linker/hyper_linker_unit.h"
#include "controls/hyper_linker/link_opener.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/memory.h"
#include "runtime/start_runtime.h"
#include "runtime/runtime_service.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/text_codec.h"
#include "runtime/unit_access.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/window_lifetime.h"
#include "tests/controls/hyper_linker/recording_browser.h"
#include "tests/runtime/window/window_test_support.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

constexpr uint32_t kWindow = 0x52000201;
constexpr uint32_t kWindowUnit = 0x06000202;
constexpr uint32_t kLink = 0x16000203;

constexpr COLORREF kBack = 0xffffff;
constexpr COLORREF kNormal = 0x0000ff;
constexpr COLORREF kHover = 0xff0000;
constexpr COLORREF kVisited = 0x00ff00;
constexpr int kWidth = 160;
constexpr int kHeight = 40;
constexpr DWORD kOpenWaitMs = 10000;

namespace fs = std::filesystem;

rt::HyperLinkerOptions ColouredLink(std::string caption, std::string webAddress)
{
    rt::HyperLinkerOptions options;
    options.Caption = std::move(caption);
    options.LinkType = 1;
    options.WebAddress = std::move(webAddress);
    options.NormalColour = kNormal;
    options.HoverColour = kHover;
    options.VisitedColour = kVisited;
    options.BackColour = kBack;
    rt::FontDescription font;
    font.Height = -28;
    font.Weight = 700;
    font.Quality = NONANTIALIASED_QUALITY;
    options.Font = font;
    return options;
}

bool OpenLink();

// The program's link handler: the link's left-button-down event opens it.
rt::SubReturn OpenOnPress(const int32_t*, int)
{
    OpenLink();
    return {};
}

const rt::ApplicationSub kSubs[] = {OpenOnPress};
constexpr int32_t kLeftButtonDownEvent = -1;

bool Install(const std::vector<uint8_t>& linkData, std::vector<rt::EventBinding> linkBindings = {})
{
    rt::WindowRecord window;
    window.id = kWindow;
    window.units.push_back(window_test::DefaultWindowRecord(kWindowUnit, {30, 30, 300, 160}, rt::kUnitVisible, {}));
    window.units.push_back(window_test::Record(kLink, rt::kHyperLinkerKind, {10, 10, kWidth, kHeight}, rt::kUnitVisible,
                                               std::move(linkBindings), linkData));
    return window_test::InstallTemplates({window}, rt::CodeBase{kSubs, 1});
}

HWND LinkHandle()
{
    auto* unit = reinterpret_cast<rt::LiveUnit*>(rt::RuntimeService(rt::kServiceUnitObject, kWindow, kLink));
    return unit ? unit->handle() : nullptr;
}

int64_t Read(int number) { return rt::ReadProperty(kWindow, kLink, 8 + number, -1); }

std::string ReadText(int number) { return window_test::ReadTextProperty(kWindow, kLink, 8 + number); }

bool OpenLink()
{
    rt::ValueTriple link = rt::MakeUnitRef(kWindow, kLink, rt::kHyperLinkerKind);
    rt::ValueTriple result{};
    rt::commands::CoreCommandRoutine(rt::commands::CoreCommand::kOpenLink)(&result, 1, &link);
    return result.type == rt::kLogical && result.low != 0;
}

// How many pixels of the link's drawing have exactly the colour.
int CountColour(HWND link, COLORREF colour)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    rt::MemoryDc memory(nullptr);
    rt::UniqueBitmap bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    rt::ScopedSelection selection(memory.get(), bitmap.get());
    SendMessageW(link, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
    GdiFlush();
    const uint32_t wanted = GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
    int count = 0;
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (int i = 0; i < kWidth * kHeight; ++i) {
        count += (pixels[i] & 0xffffff) == wanted;
    }
    return count;
}

// A folder of its own with a batch file that, opened, writes "opened.txt" next to itself.
class OpenTarget {
public:
    OpenTarget()
    {
        folder_ = fs::temp_directory_path() / ("zorvi-link-" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(folder_);
        std::ofstream(folder_ / "open.bat") << "@echo opened>> \"%~dp0opened.txt\"\r\n";
    }
    ~OpenTarget()
    {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    std::string batch() const { return (folder_ / "open.bat").string(); }
    bool WaitOpened() const
    {
        for (DWORD waited = 0; waited < kOpenWaitMs; waited += 50) {
            if (fs::exists(folder_ / "opened.txt")) {
                return true;
            }
            window_test::Pump(50);
        }
        return false;
    }

    // How many times the target was opened.
    int Openings() const
    {
        std::ifstream log(folder_ / "opened.txt");
        int lines = 0;
        for (std::string line; std::getline(log, line);) {
            ++lines;
        }
        return lines;
    }

private:
    fs::path folder_;
};

struct HyperLinkerTest : ::testing::Test {
    static void SetUpTestSuite()
    {
        window_test::StartWindowLayerForTests();
        rt::RegisterUnitKind(rt::units::HyperLinkerKind());
        rt::units::RegisterHyperLinkerMethods();
    }
    bool Load(const rt::HyperLinkerOptions& options)
    {
        return Install(rt::WriteOptions(options)) && rt::LoadWindow(kWindow, nullptr, false, false) && LinkHandle();
    }
    void TearDown() override
    {
        rt::DestroyAllWindows();
        window_test::Pump(20);
    }
};

TEST_F(HyperLinkerTest, EmptyDataGivesTheDefaultsWithTheSystemHighlightForHover)
{
    ASSERT_TRUE(Install({}));
    ASSERT_TRUE(rt::LoadWindow(kWindow, nullptr, false, false));
    EXPECT_EQ(Read(rt::units::kLinkType), 0);
    EXPECT_EQ(Read(rt::units::kLinkNormalColour), 0xff0000);
    EXPECT_EQ(Read(rt::units::kLinkVisitedColour), 0x000080);
    EXPECT_EQ(Read(rt::units::kLinkHoverColour), static_cast<int64_t>(GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_EQ(static_cast<uint32_t>(Read(rt::units::kLinkBackColour)), 0xff000000u);
    EXPECT_EQ(ReadText(rt::units::kLinkCaption), "");
}

TEST_F(HyperLinkerTest, ANewerVersionOfThePropertyDataFailsTheLoad)
{
    std::vector<uint8_t> data = rt::WriteOptions(rt::HyperLinkerOptions{});
    data[0] = 2;
    ASSERT_TRUE(Install(data));
    EXPECT_FALSE(rt::LoadWindow(kWindow, nullptr, false, false));
}

TEST_F(HyperLinkerTest, WritesAreStoredClampedAndShown)
{
    ASSERT_TRUE(Load(ColouredLink("", "")));
    rt::WriteProperty(kWindow, kLink, 8 + rt::units::kLinkType, -1, 5, 0);
    EXPECT_EQ(Read(rt::units::kLinkType), 1);
    rt::WriteProperty(kWindow, kLink, 8 + rt::units::kLinkType, -1, static_cast<uint32_t>(-1), 0);
    EXPECT_EQ(Read(rt::units::kLinkType), 0);
    rt::WriteProperty(kWindow, kLink, 8 + rt::units::kLinkCaption, -1, reinterpret_cast<uintptr_t>("公告一"), 0);
    EXPECT_EQ(ReadText(rt::units::kLinkCaption), "公告一");
    wchar_t shown[16] = {};
    GetWindowTextW(LinkHandle(), shown, 16);
    EXPECT_STREQ(shown, L"\u516c\u544a\u4e00");
    rt::WriteProperty(kWindow, kLink, 8 + rt::units::kLinkWebAddress, -1, reinterpret_cast<uintptr_t>("http://x/"), 0);
    EXPECT_EQ(ReadText(rt::units::kLinkWebAddress), "http://x/");
    rt::WriteProperty(kWindow, kLink, 8 + rt::units::kLinkBorder, -1, 5, 0);
    EXPECT_TRUE(GetWindowLongPtrW(LinkHandle(), GWL_STYLE) & WS_BORDER);
}

TEST_F(HyperLinkerTest, AMailLinkWithoutAddressShowsAndOpensNothing)
{
    rt::HyperLinkerOptions options = ColouredLink("", "");
    options.LinkType = 0;
    options.WebAddress = "http://not-used/";
    ASSERT_TRUE(Load(options));
    EXPECT_EQ(CountColour(LinkHandle(), kBack), kWidth * kHeight);
    EXPECT_FALSE(OpenLink());
    SendMessageW(LinkHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(LinkHandle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    // Nothing opened, so nothing is visited either.
    EXPECT_EQ(CountColour(LinkHandle(), kVisited), 0);
}

TEST_F(HyperLinkerTest, TheAddressIsShownWhenTheCaptionIsEmpty)
{
    ASSERT_TRUE(Load(ColouredLink("", "MMMM")));
    EXPECT_GT(CountColour(LinkHandle(), kNormal), 0);
}

TEST_F(HyperLinkerTest, HoveringPaintsTheHoverColourUntilTheMouseLeaves)
{
    ASSERT_TRUE(Load(ColouredLink("MMMM", "")));
    HWND link = LinkHandle();
    EXPECT_GT(CountColour(link, kNormal), 0);
    EXPECT_EQ(CountColour(link, kHover), 0);

    ValidateRect(link, nullptr);
    SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(GetCapture(), link);
    EXPECT_TRUE(GetUpdateRect(link, nullptr, FALSE));
    EXPECT_GT(CountColour(link, kHover), 0);
    EXPECT_EQ(CountColour(link, kNormal), 0);

    ValidateRect(link, nullptr);
    SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<WORD>(-5), 5));
    EXPECT_NE(GetCapture(), link);
    EXPECT_TRUE(GetUpdateRect(link, nullptr, FALSE));
    EXPECT_GT(CountColour(link, kNormal), 0);
    EXPECT_EQ(CountColour(link, kHover), 0);
}

TEST_F(HyperLinkerTest, LosingTheCaptureCoolsTheLink)
{
    ASSERT_TRUE(Load(ColouredLink("MMMM", "")));
    HWND link = LinkHandle();
    SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ReleaseCapture();
    EXPECT_EQ(CountColour(link, kHover), 0);
    EXPECT_GT(CountColour(link, kNormal), 0);
}

TEST_F(HyperLinkerTest, OpenLinkOpensTheTargetThroughTheShellAndMarksItVisited)
{
    OpenTarget target;
    ASSERT_TRUE(Load(ColouredLink("MMMM", target.batch())));
    EXPECT_TRUE(OpenLink());
    EXPECT_TRUE(target.WaitOpened());
    EXPECT_GT(CountColour(LinkHandle(), kVisited), 0);
    EXPECT_EQ(CountColour(LinkHandle(), kNormal), 0);
}

TEST_F(HyperLinkerTest, AClickOpensTheTarget)
{
    OpenTarget target;
    ASSERT_TRUE(Load(ColouredLink("MMMM", target.batch())));
    SendMessageW(LinkHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(LinkHandle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(target.WaitOpened());
    EXPECT_GT(CountColour(LinkHandle(), kVisited), 0);
}

// The program opens its links from their left-button-down event as well; one click is still one
// opening.
TEST_F(HyperLinkerTest, AClickWhosePressHandlerOpensTheLinkOpensItOnce)
{
    OpenTarget target;
    ASSERT_TRUE(Install(rt::WriteOptions(ColouredLink("MMMM", target.batch())), {{kLeftButtonDownEvent, 0}}));
    ASSERT_TRUE(rt::LoadWindow(kWindow, nullptr, false, false));
    PostMessageW(LinkHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(LinkHandle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(target.WaitOpened());
    window_test::Pump(1500);
    EXPECT_EQ(target.Openings(), 1);
}

TEST_F(HyperLinkerTest, AReleaseWithoutAPressOnTheLinkOpensNothing)
{
    OpenTarget target;
    ASSERT_TRUE(Load(ColouredLink("MMMM", target.batch())));
    SendMessageW(LinkHandle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageW(LinkHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(LinkHandle(), WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(-5), 5));
    EXPECT_EQ(CountColour(LinkHandle(), kVisited), 0);
}

// A click on a link whose target the shell refuses: the registered browser (the recorder) is
// started by the real fallback with the target as its one argument, whatever the target holds.
struct RefusedLinkTest : HyperLinkerTest {
    void SetUp() override
    {
        link_test::RefusingShell::starts = 0;
        previous_ = rt::units::ReplaceLinkStarters(link_test::RefusingShell::Starters());
    }
    void TearDown() override
    {
        rt::units::ReplaceLinkStarters(previous_);
        HyperLinkerTest::TearDown();
    }
    static void Click()
    {
        SendMessageW(LinkHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(LinkHandle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }

    link_test::RecordingBrowser browser_{L"\"" + link_test::RecorderPath() + L"\" -nohome \"%1\""};
    rt::units::LinkStarters previous_{};
};

TEST_F(RefusedLinkTest, AnAddressWithBlanksReachesTheBrowserAsOneArgument)
{
    ASSERT_TRUE(browser_.registered());
    ASSERT_TRUE(Load(ColouredLink("MMMM", "http://x/ --new-window calc.exe")));
    Click();
    std::optional<link_test::Start> start = browser_.TakeStart();
    ASSERT_TRUE(start);
    EXPECT_EQ(start->arguments, (std::vector<std::wstring>{L"-nohome", L"http://x/ --new-window calc.exe"}));
    EXPECT_GT(CountColour(LinkHandle(), kVisited), 0);
}

// The program's own links never hold a local path (the application keeps only web addresses); a
// link that does is still never started as a program by the fallback.
TEST_F(RefusedLinkTest, ALocalProgramPathIsOnlyTheBrowsersArgument)
{
    OpenTarget target;
    ASSERT_TRUE(browser_.registered());
    ASSERT_TRUE(Load(ColouredLink("MMMM", target.batch())));
    Click();
    std::optional<link_test::Start> start = browser_.TakeStart();
    ASSERT_TRUE(start);
    EXPECT_EQ(start->arguments, (std::vector<std::wstring>{L"-nohome", rt::WideFromGbk(target.batch())}));
    window_test::Pump(500);
    EXPECT_EQ(target.Openings(), 0);
}

TEST_F(RefusedLinkTest, AnAddressThatCannotBeOneArgumentStartsNothingAndStaysUnvisited)
{
    ASSERT_TRUE(browser_.registered());
    ASSERT_TRUE(Load(ColouredLink("MMMM", "http://x/\" --new-window \"calc.exe")));
    Click();
    EXPECT_FALSE(OpenLink());
    EXPECT_FALSE(browser_.TakeStart(500));
    EXPECT_EQ(link_test::RefusingShell::starts, 0);
    EXPECT_EQ(CountColour(LinkHandle(), kVisited), 0);
}

// The fallback, with the system steps replaced: the shell refuses, the ".htm" command is started.
struct FakeStarts {
    static inline INT_PTR shellAnswer = 2;
    static inline std::optional<std::wstring> command;
    static inline bool startAnswer = true;
    static inline std::vector<std::wstring> started;
    static inline int browserReads = 0;

    static INT_PTR Shell(const std::wstring&, int) { return shellAnswer; }
    static std::optional<std::wstring> Browser()
    {
        ++browserReads;
        return command;
    }
    static bool Start(const std::wstring& line, int)
    {
        started.push_back(line);
        return startAnswer;
    }
    static rt::units::LinkStarters Starters() { return {Shell, Browser, Start}; }
    static void Reset(INT_PTR shell, std::optional<std::wstring> browser, bool start)
    {
        shellAnswer = shell;
        command = std::move(browser);
        startAnswer = start;
        started.clear();
        browserReads = 0;
    }
};

TEST(LinkOpener, AShellRefusalStartsTheDefaultBrowserWithTheTarget)
{
    FakeStarts::Reset(31, L"\"C:\\b\\browser.exe\" -nohome \"%1\"", true);
    EXPECT_TRUE(rt::units::OpenLinkTarget("http://x/\xb9\xab", SW_SHOWNORMAL, FakeStarts::Starters()));
    ASSERT_EQ(FakeStarts::started.size(), 1u);
    EXPECT_EQ(FakeStarts::started[0], L"\"C:\\b\\browser.exe\" -nohome  \"http://x/\u516c\"");
}

TEST(LinkOpener, TheResultIsTheLastStarts)
{
    FakeStarts::Reset(33, L"b.exe %1", true);
    EXPECT_TRUE(rt::units::OpenLinkTarget("http://x/", SW_SHOWNORMAL, FakeStarts::Starters()));
    EXPECT_EQ(FakeStarts::browserReads, 0);
    FakeStarts::Reset(32, L"b.exe %1", false);
    EXPECT_FALSE(rt::units::OpenLinkTarget("http://x/", SW_SHOWNORMAL, FakeStarts::Starters()));
    EXPECT_EQ(FakeStarts::started.size(), 1u);
    FakeStarts::Reset(2, std::nullopt, true);
    EXPECT_FALSE(rt::units::OpenLinkTarget("http://x/", SW_SHOWNORMAL, FakeStarts::Starters()));
    EXPECT_TRUE(FakeStarts::started.empty());
}

TEST(LinkOpener, AnEmptyTargetStartsNothing)
{
    FakeStarts::Reset(33, L"b.exe %1", true);
    EXPECT_FALSE(rt::units::OpenLinkTarget("", SW_SHOWNORMAL, FakeStarts::Starters()));
    EXPECT_EQ(FakeStarts::browserReads, 0);
    EXPECT_TRUE(FakeStarts::started.empty());
}

}  // namespace
