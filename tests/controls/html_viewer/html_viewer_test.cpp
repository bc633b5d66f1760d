// The HTML view in-process: the browser embedded in its host window, what reading the properties
// gives, the navigation that writing Address asks for and the events it brings, and a clean
// destruction. Under Wine the browser renders nothing (no engine), so the tests check what the
// view asked of the browser and what the browser reported back, not what it shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "controls/html_viewer/browser_events.h"
#include "controls/html_viewer/embedded_browser.h"
#include "controls/html_viewer/host_objects.h"
#include "controls/html_viewer/html_view_library.h"
#include "controls/html_viewer/html_viewer.h"
#include "runtime/unit_options/html_viewer_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/memory.h"
#include "runtime/runtime_service.h"
#include "runtime/start_runtime.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/unit_access.h"
#include "runtime/window/unit_kind.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/window_lifetime.h"
#include "tests/runtime/window/thread_test_support.h"
#include "tests/runtime/window/window_test_support.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

using window_test::UnitHandle;

constexpr uint32_t kWindow = 0x52000201;
constexpr uint32_t kWindowUnit = 0x06000202;
constexpr uint32_t kView = 0x16000203;
constexpr uint32_t kPlainWindow = 0x52000210;
constexpr uint32_t kPlainWindowUnit = 0x06000211;
constexpr uint32_t kPlainView = 0x16000212;

constexpr int kTextSize = 8;
constexpr int kOffline = 9;
constexpr int kSilent = 10;
constexpr int kAddress = 11;
constexpr int kStatusText = 12;
constexpr int kPageTitle = 13;

struct SeenEvent {
    int event;
    std::string address;     // Address read while the handler ran
    std::string statusText;  // StatusText read while the handler ran
    std::vector<int32_t> args;
};

std::vector<SeenEvent> seen;
bool cancelNavigation = false;
bool closeInHandler = false;

void WriteText(uint32_t windowId, uint32_t unitId, int index, const std::string& text)
{
    rt::WriteProperty(windowId, unitId, index, -1, reinterpret_cast<uintptr_t>(text.c_str()), 0);
}

int64_t Read(uint32_t windowId, uint32_t unitId, int index) { return rt::ReadProperty(windowId, unitId, index, -1); }
void Write(uint32_t windowId, uint32_t unitId, int index, int32_t value)
{
    rt::WriteProperty(windowId, unitId, index, -1, static_cast<uint32_t>(value), 0);
}

rt::SubReturn Record(int event, const int32_t* args, int count)
{
    seen.push_back({event, window_test::ReadTextProperty(kWindow, kView, kAddress),
                    window_test::ReadTextProperty(kWindow, kView, kStatusText),
                    std::vector<int32_t>(args, args + count)});
    if (event == 0 && closeInHandler) {
        rt::DestroyAllWindows();
    }
    if (event == 0 && cancelNavigation) {
        return rt::Returns(0);
    }
    return {};
}

template <int Event>
rt::SubReturn OnViewEvent(const int32_t* args, int count)
{
    return Record(Event, args, count);
}

constexpr int kKeyDownEvent = -9;

const rt::ApplicationSub kSubs[] = {
    OnViewEvent<0>,
    OnViewEvent<1>,
    OnViewEvent<2>,
    OnViewEvent<3>,
    OnViewEvent<4>,
    OnViewEvent<5>,
    OnViewEvent<6>,
    OnViewEvent<7>,
    OnViewEvent<8>,
    OnViewEvent<9>,
    OnViewEvent<kKeyDownEvent>,
};
const rt::CodeBase kCodeBase{kSubs, 11};

// The kind's ten events and the common key-down event.
std::vector<rt::EventBinding> AllEvents()
{
    std::vector<rt::EventBinding> bindings;
    for (int32_t event = 0; event < 10; ++event) {
        bindings.push_back({event, static_cast<uint32_t>(event)});
    }
    bindings.push_back({kKeyDownEvent, 10});
    return bindings;
}

rt::HtmlViewerOptions StoredOptions()
{
    rt::HtmlViewerOptions options;
    options.TextSize = 7;
    options.Silent = true;
    return options;
}

rt::WindowRecord ViewWindow()
{
    rt::WindowRecord window;
    window.id = kWindow;
    window.units.push_back(window_test::DefaultWindowRecord(kWindowUnit, {40, 40, 400, 300}, rt::kUnitVisible, {}));
    window.units.push_back(window_test::Record(kView, rt::kHtmlViewerKind, {8, 8, 300, 200},
                                               rt::kUnitVisible | rt::kUnitTakesFocus, AllEvents(),
                                               rt::WriteOptions(StoredOptions())));
    return window;
}

// A view with empty property data, like the program's own views.
rt::WindowRecord PlainWindow()
{
    rt::WindowRecord window;
    window.id = kPlainWindow;
    window.units.push_back(
        window_test::DefaultWindowRecord(kPlainWindowUnit, {60, 60, 300, 200}, rt::kUnitVisible, {}));
    window.units.push_back(window_test::Record(kPlainView, rt::kHtmlViewerKind, {0, 0, 128, 128}, 0, {}, {}));
    return window;
}

bool Seen(int event)
{
    for (const SeenEvent& one : seen) {
        if (one.event == event) {
            return true;
        }
    }
    return false;
}

const SeenEvent* First(int event)
{
    for (const SeenEvent& one : seen) {
        if (one.event == event) {
            return &one;
        }
    }
    return nullptr;
}

// Where the event was first seen; the end of the list when it was not.
size_t IndexOf(int event)
{
    for (size_t i = 0; i < seen.size(); ++i) {
        if (seen[i].event == event) {
            return i;
        }
    }
    return seen.size();
}

// Pumps until the event was seen, for at most the given time.
bool PumpUntilSeen(int event, DWORD milliseconds)
{
    DWORD start = GetTickCount();
    while (!Seen(event) && GetTickCount() - start < milliseconds) {
        window_test::Pump(20);
    }
    return Seen(event);
}

BOOL CALLBACK AddForeignWindow(HWND window, LPARAM list)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() && IsWindowVisible(window)) {
        wchar_t title[256] = {};
        GetWindowTextW(window, title, 256);
        reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(title);
    }
    return TRUE;
}

// Visible top-level windows of other processes: an engine-install prompt would be one.
std::vector<std::wstring> ForeignWindows()
{
    std::vector<std::wstring> titles;
    EnumWindows(AddForeignWindow, reinterpret_cast<LPARAM>(&titles));
    return titles;
}

std::string TempPage()
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + L"zorvi_html_viewer_test.html";
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file) {
        fputs("<html><head><title>page</title></head><body>piece</body></html>", file);
        fclose(file);
    }
    char narrow[MAX_PATH * 2] = {};
    WideCharToMultiByte(936, 0, path.c_str(), -1, narrow, sizeof(narrow), nullptr, nullptr);
    return narrow;
}

struct HtmlViewerTest : ::testing::Test {
    static void SetUpTestSuite() { window_test::StartWindowLayerForTests(); }
    void SetUp() override
    {
        seen.clear();
        cancelNavigation = false;
        closeInHandler = false;
        ASSERT_TRUE(window_test::InstallTemplates({ViewWindow(), PlainWindow()}, kCodeBase));
        rt::RegisterUnitKind(rt::units::HtmlViewerKind());
        ASSERT_TRUE(rt::LoadWindow(kWindow, nullptr, false, false));
        host = UnitHandle(kWindow, kView);
        ASSERT_TRUE(host);
    }
    void TearDown() override
    {
        rt::DestroyAllWindows();
        window_test::Pump(30);
    }

    HWND host = nullptr;
};

TEST_F(HtmlViewerTest, TheBrowserFillsTheHostAndFollowsItsSize)
{
    HWND browser = GetDlgItem(host, rt::units::kBrowserControlId);
    ASSERT_TRUE(browser);
    EXPECT_TRUE(IsWindowVisible(browser));
    EXPECT_TRUE(GetWindowLongPtrW(host, GWL_STYLE) & WS_CLIPSIBLINGS);
    RECT inner;
    GetWindowRect(browser, &inner);
    EXPECT_EQ(inner.right - inner.left, 300);
    EXPECT_EQ(inner.bottom - inner.top, 200);

    Write(kWindow, kView, 2, 220);
    Write(kWindow, kView, 3, 150);
    GetWindowRect(browser, &inner);
    EXPECT_EQ(inner.right - inner.left, 220);
    EXPECT_EQ(inner.bottom - inner.top, 150);
}

TEST_F(HtmlViewerTest, StoredOptionsAreAppliedAndReadBack)
{
    // The stored text size 7 is clamped to the largest size.
    EXPECT_EQ(Read(kWindow, kView, kTextSize), 4);
    EXPECT_EQ(Read(kWindow, kView, kSilent), 1);
    EXPECT_EQ(Read(kWindow, kView, kOffline), 0);
    EXPECT_EQ(window_test::ReadTextProperty(kWindow, kView, kStatusText), "");
}

TEST_F(HtmlViewerTest, EmptyPropertyDataGivesTheDefaults)
{
    ASSERT_TRUE(rt::LoadWindow(kPlainWindow, nullptr, false, false));
    EXPECT_EQ(Read(kPlainWindow, kPlainView, kTextSize), 2);
    EXPECT_EQ(Read(kPlainWindow, kPlainView, kOffline), 0);
    EXPECT_EQ(Read(kPlainWindow, kPlainView, kSilent), 0);
    EXPECT_EQ(window_test::ReadTextProperty(kPlainWindow, kPlainView, kAddress), "");
    EXPECT_EQ(window_test::ReadTextProperty(kPlainWindow, kPlainView, kPageTitle), "");
}

TEST_F(HtmlViewerTest, TextSizeIsClampedToItsFiveSizes)
{
    const struct {
        int32_t written;
        int64_t read;
    } cases[] = {{0, 0}, {3, 3}, {7, 4}, {-1, 0}, {4, 4}};
    for (const auto& one : cases) {
        Write(kWindow, kView, kTextSize, one.written);
        EXPECT_EQ(Read(kWindow, kView, kTextSize), one.read) << one.written;
    }
}

TEST_F(HtmlViewerTest, OfflineAndSilentReadWhatTheBrowserReports)
{
    Write(kWindow, kView, kOffline, 1);
    Write(kWindow, kView, kSilent, 0);
    EXPECT_EQ(Read(kWindow, kView, kOffline), 1);
    EXPECT_EQ(Read(kWindow, kView, kSilent), 0);
    Write(kWindow, kView, kOffline, 0);
    Write(kWindow, kView, kSilent, 5);
    EXPECT_EQ(Read(kWindow, kView, kOffline), 0);
    EXPECT_EQ(Read(kWindow, kView, kSilent), 1);
}

TEST_F(HtmlViewerTest, ReadOnlyTextsIgnoreWrites)
{
    WriteText(kWindow, kView, kStatusText, "status");
    WriteText(kWindow, kView, kPageTitle, "title");
    EXPECT_EQ(window_test::ReadTextProperty(kWindow, kView, kStatusText), "");
    EXPECT_EQ(window_test::ReadTextProperty(kWindow, kView, kPageTitle), "");
}

// What Wine's browser reports for about:blank: event 0 with the target, download begin (2), the
// back and forward commands disabled (8), a status text (6) and download complete (4). Without an
// engine it builds no document, so navigation complete (1) and document complete (5) never come.
TEST_F(HtmlViewerTest, WritingAddressNavigatesAndReportsTheTargetWhileEventZeroRuns)
{
    WriteText(kWindow, kView, kAddress, "about:blank");
    ASSERT_TRUE(PumpUntilSeen(4, 3000));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front().event, 0);
    EXPECT_EQ(seen.front().address, "about:blank");
    EXPECT_TRUE(seen.front().args.empty());
    EXPECT_LT(IndexOf(2), IndexOf(4));
    for (const SeenEvent& one : seen) {
        if (one.event == 8) {
            ASSERT_EQ(one.args.size(), 2u);
            EXPECT_TRUE(one.args[0] == 0 || one.args[0] == 1) << one.args[0];
            EXPECT_TRUE(one.args[1] == 0 || one.args[1] == 1) << one.args[1];
        } else if (one.event == 6) {
            EXPECT_EQ(one.statusText, window_test::ReadTextProperty(kWindow, kView, kStatusText));
        } else {
            EXPECT_TRUE(one.args.empty()) << one.event;
        }
    }
    // Outside events 0, 1 and 5 Address is the browser's own location.
    EXPECT_EQ(window_test::ReadTextProperty(kWindow, kView, kAddress), "about:blank");
}

TEST_F(HtmlViewerTest, TheSameAddressAgainNavigatesAgain)
{
    WriteText(kWindow, kView, kAddress, "about:blank");
    ASSERT_TRUE(PumpUntilSeen(0, 3000));
    seen.clear();
    WriteText(kWindow, kView, kAddress, "about:blank");
    EXPECT_TRUE(PumpUntilSeen(0, 3000));
}

TEST_F(HtmlViewerTest, AFalseAnswerToEventZeroCancelsTheNavigation)
{
    cancelNavigation = true;
    WriteText(kWindow, kView, kAddress, "about:blank");
    ASSERT_TRUE(PumpUntilSeen(0, 3000));
    window_test::Pump(500);
    EXPECT_FALSE(Seen(1));
    EXPECT_FALSE(Seen(2));
    EXPECT_FALSE(Seen(5));
    EXPECT_NE(window_test::ReadTextProperty(kWindow, kView, kAddress), "about:blank");
}

// The program shows its page by writing a Windows file name; a file address works the same way.
// The location read afterwards is the browser's form of it, not the text written.
TEST_F(HtmlViewerTest, ALocalPageIsNavigatedToByFileNameAndByFileAddress)
{
    const std::string path = TempPage();
    for (const std::string& address : {path, "file:///" + path}) {
        seen.clear();
        WriteText(kWindow, kView, kAddress, address);
        ASSERT_TRUE(PumpUntilSeen(4, 3000)) << address;
        EXPECT_NE(First(0)->address.find("zorvi_html_viewer_test.html"), std::string::npos) << First(0)->address;
        std::string location = window_test::ReadTextProperty(kWindow, kView, kAddress);
        EXPECT_EQ(location.rfind("file:", 0), 0u) << location;
        EXPECT_NE(location.find("zorvi_html_viewer_test.html"), std::string::npos) << location;
    }
}

// The notice thread writes Address from its own thread; the browser is still driven on the
// window thread.
TEST_F(HtmlViewerTest, AnAddressWrittenFromAWorkerThreadNavigates)
{
    std::vector<std::thread> worker;
    worker.emplace_back([] { WriteText(kWindow, kView, kAddress, "about:blank"); });
    window_test::JoinWhilePumping(worker, 5000);
    EXPECT_TRUE(PumpUntilSeen(0, 3000));
    EXPECT_EQ(First(0)->address, "about:blank");
}

TEST_F(HtmlViewerTest, TheFocusGivenToTheHostGoesToTheBrowser)
{
    SetFocus(host);
    HWND focus = GetFocus();
    EXPECT_NE(focus, host);
    EXPECT_TRUE(focus && IsChild(host, focus));
}

TEST_F(HtmlViewerTest, NoOtherProgramShowsAWindowWhileTheViewNavigates)
{
    WriteText(kWindow, kView, kAddress, "about:blank");
    window_test::Pump(1500);
    std::vector<std::wstring> foreign = ForeignWindows();
    EXPECT_TRUE(foreign.empty()) << foreign.size();
}

TEST_F(HtmlViewerTest, ClosingTheWindowReleasesTheBrowserAndASecondLoadWorks)
{
    WriteText(kWindow, kView, kAddress, "about:blank");
    window_test::Pump(200);
    EXPECT_GT(rt::units::LiveHostObjects(), 0);
    rt::DestroyAllWindows();
    window_test::Pump(100);
    EXPECT_EQ(rt::units::LiveHostObjects(), 0);
    EXPECT_FALSE(IsWindow(host));

    ASSERT_TRUE(rt::LoadWindow(kWindow, nullptr, false, false));
    HWND again = UnitHandle(kWindow, kView);
    ASSERT_TRUE(again);
    EXPECT_TRUE(GetDlgItem(again, rt::units::kBrowserControlId));
    // The template was restored: the stored values again.
    EXPECT_EQ(Read(kWindow, kView, kTextSize), 4);
}

// The browser is asked first about keys while it has the focus; keys it does not use as
// accelerators (Wine's translates none) go on through the window's filter to the unit's events.
TEST_F(HtmlViewerTest, KeysTheBrowserDoesNotTranslateGoOnToTheUnit)
{
    SetFocus(host);
    HWND focus = GetFocus();
    ASSERT_TRUE(focus && IsChild(host, focus));
    PostMessageW(focus, WM_KEYDOWN, 'A', 1);
    window_test::Pump(100);
    ASSERT_TRUE(Seen(kKeyDownEvent));
    EXPECT_EQ(First(kKeyDownEvent)->args.at(0), 'A');
}

TEST_F(HtmlViewerTest, AStoredAddressIsNavigatedToAtCreation)
{
    rt::WindowRecord window = PlainWindow();
    rt::HtmlViewerOptions options;
    options.Address = "about:blank";
    window.units[1].placed().propertyData = rt::WriteOptions(options);
    rt::DestroyAllWindows();
    window_test::Pump(30);
    ASSERT_TRUE(window_test::InstallTemplates({window}, kCodeBase));
    ASSERT_TRUE(rt::LoadWindow(kPlainWindow, nullptr, false, false));
    DWORD start = GetTickCount();
    while (window_test::ReadTextProperty(kPlainWindow, kPlainView, kAddress) != "about:blank" &&
           GetTickCount() - start < 3000) {
        window_test::Pump(20);
    }
    EXPECT_EQ(window_test::ReadTextProperty(kPlainWindow, kPlainView, kAddress), "about:blank");
}

// A handler that closes the window takes the view, and the browser, with it while the browser is
// still reporting.
TEST_F(HtmlViewerTest, AHandlerMayCloseTheWindowWhileTheBrowserReports)
{
    closeInHandler = true;
    WriteText(kWindow, kView, kAddress, "about:blank");
    ASSERT_TRUE(PumpUntilSeen(0, 3000));
    window_test::Pump(300);
    EXPECT_FALSE(IsWindow(host));
    EXPECT_EQ(rt::units::LiveHostObjects(), 0);
    closeInHandler = false;
    ASSERT_TRUE(rt::LoadWindow(kWindow, nullptr, false, false));
    EXPECT_TRUE(UnitHandle(kWindow, kView));
}

TEST_F(HtmlViewerTest, PropertyDataOfAHigherVersionFailsTheLoad)
{
    rt::WindowRecord window = PlainWindow();
    std::vector<uint8_t> data = rt::WriteOptions(rt::HtmlViewerOptions{});
    data[0] = 2;
    window.units[1].placed().propertyData = data;
    rt::DestroyAllWindows();
    window_test::Pump(30);
    ASSERT_TRUE(window_test::InstallTemplates({window}, kCodeBase));
    EXPECT_FALSE(rt::LoadWindow(kPlainWindow, nullptr, false, false));
    EXPECT_EQ(rt::units::LiveHostObjects(), 0);
}

TEST(HtmlViewLibrary, ListsTheViewKindAndNoCommands)
{
    EXPECT_EQ(rt::units::kHtmlViewLibrary.commandCount, 0u);
    ASSERT_EQ(rt::units::kHtmlViewLibrary.unitKindCount, 1u);
    const rt::UnitKindDescription& kind = *rt::units::kHtmlViewLibrary.unitKinds[0];
    EXPECT_EQ(kind.kind, 0x00060001u);
    EXPECT_STREQ(kind.englishName, "HtmlViewer");
    EXPECT_STREQ(kind.name, "超文本浏览框");
    EXPECT_TRUE(kind.flags & rt::kind_flags::kPreFilter);
    EXPECT_EQ(kind.propertyCount, 6u);
}

TEST(HtmlViewerProgress, IsAPercentageOfTheMaximum)
{
    EXPECT_EQ(rt::units::ProgressPercent(50, 200), 25);
    EXPECT_EQ(rt::units::ProgressPercent(7, 0), 100);
    EXPECT_EQ(rt::units::ProgressPercent(-1, 0), 100);
    EXPECT_EQ(rt::units::ProgressPercent(0x7fffffff, 1), 0x7fffffff);
    EXPECT_EQ(rt::units::ProgressPercent(0x40000000, 0x40000000), 100);
}

}  // namespace
