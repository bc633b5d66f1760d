// The window layer in-process: loading windows from templates, the events they raise, property
// access and its clamps, closing, and property access from worker threads.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "runtime/memory.h"
#include "runtime/message_loop.h"
#include "runtime/program_templates.h"
#include "runtime/runtime_app.h"
#include "runtime/runtime_service.h"
#include "runtime/runtime_window.h"
#include "runtime/start_runtime.h"
#include "runtime/unit_access.h"
#include "runtime/window/events.h"
#include "runtime/window/unit_lookup.h"
#include "runtime/window/window_layer.h"
#include "runtime/window/window_lifetime.h"
#include "runtime/window/window_thread.h"
#include "runtime/window/window_unit.h"
#include "tests/runtime/window/thread_test_support.h"
#include "tests/runtime/window/window_test_support.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

using window_test::UnitHandle;
using window_test::WindowHandle;

using window_test::kNoHandler;

constexpr uint32_t kWindowA = 0x52000001;
constexpr uint32_t kWindowUnitA = 0x06000002;
constexpr uint32_t kWindowB = 0x52000010;
constexpr uint32_t kCentredWindow = 0x52000020;
constexpr uint32_t kCentredWindowUnit = 0x06000021;
constexpr uint32_t kWindowUnitB = 0x06000011;
constexpr uint32_t kContainer = 0x16000003;
constexpr uint32_t kChild = 0x16000004;
constexpr uint32_t kHidden = 0x16000005;

std::vector<std::string> eventLog;
int32_t closeAnswer = 1;
bool closeReturns = false;
int32_t charAnswer = 0;

void Log(const char* what)
{
    eventLog.emplace_back(what + std::string(IsWindowVisible(WindowHandle(kWindowA)) ? "+" : "-"));
}

rt::SubReturn OnCreated(const int32_t*, int)
{
    Log("0");
    return {};
}
rt::SubReturn OnClose(const int32_t*, int)
{
    Log("1");
    return closeReturns ? rt::Returns(closeAnswer) : rt::SubReturn{};
}
rt::SubReturn OnDestroyed(const int32_t*, int)
{
    eventLog.emplace_back("2");
    return {};
}
rt::SubReturn OnMoved(const int32_t*, int)
{
    Log("3");
    return {};
}
rt::SubReturn OnResized(const int32_t*, int)
{
    Log("4");
    return {};
}
rt::SubReturn OnChar(const int32_t*, int) { return rt::Returns(charAnswer); }
rt::SubReturn OnCreatedMoveToCorner(const int32_t*, int)
{
    rt::WriteProperty(kCentredWindow, 0, 0, -1, 0, 0);
    rt::WriteProperty(kCentredWindow, 0, 1, -1, 0, 0);
    return {};
}

const rt::ApplicationSub kSubs[] = {OnCreated, OnClose, OnDestroyed, OnMoved, OnResized, OnChar, OnCreatedMoveToCorner};
const rt::CodeBase kCodeBase{kSubs, 7};

std::vector<rt::EventBinding> WindowBindings() { return {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {6, kNoHandler}}; }

rt::WindowRecord MakeWindowA()
{
    rt::WindowRecord window;
    window.id = kWindowA;
    rt::WindowOptions options;
    options.Title = "窗口甲";
    options.Border = 1;
    options.StartPosition = 0;
    window.units.push_back(
        window_test::WindowRecord(kWindowUnitA, options, {40, 40, 400, 300}, rt::kUnitVisible, WindowBindings()));
    window.units.push_back(window_test::TestUnitRecord(kChild, {5, -4, 60, 20}, rt::kUnitVisible | rt::kUnitTakesFocus,
                                                       kContainer, {}, {{-11, 5}}));
    window.units.push_back(window_test::TestUnitRecord(kHidden, {10, 200, 50, 20}, 0));
    window.units.push_back(window_test::TestUnitRecord(kContainer, {20, 30, 200, 100}, rt::kUnitVisible, 0, {kChild}));
    return window;
}

rt::WindowRecord MakeWindowB()
{
    rt::WindowRecord window;
    window.id = kWindowB;
    window.units.push_back(window_test::DefaultWindowRecord(kWindowUnitB, {60, 60, 300, 200}, rt::kUnitVisible, {}));
    return window;
}

// Centred on the screen at creation; its creation handler moves it to the screen's corner.
rt::WindowRecord MakeCentredWindow()
{
    rt::WindowOptions options;
    options.StartPosition = 1;
    rt::WindowRecord window;
    window.id = kCentredWindow;
    window.units.push_back(
        window_test::WindowRecord(kCentredWindowUnit, options, {50, 50, 300, 200}, rt::kUnitVisible, {{0, 6}}));
    return window;
}

struct WindowLayerTest : ::testing::Test {
    static void SetUpTestSuite() { window_test::StartWindowLayerForTests(); }
    void SetUp() override
    {
        eventLog.clear();
        closeReturns = false;
        window_test::ClearCharacters();
        ASSERT_TRUE(window_test::InstallTemplates({MakeWindowA(), MakeWindowB(), MakeCentredWindow()}, kCodeBase));
    }
    void TearDown() override
    {
        rt::DestroyAllWindows();
        window_test::Pump(20);
    }
};

TEST_F(WindowLayerTest, LoadRaisesCreatedMovedResizedBeforeShowing)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    EXPECT_EQ(eventLog, (std::vector<std::string>{"0-", "3-", "4-"}));
    EXPECT_TRUE(IsWindowVisible(WindowHandle(kWindowA)));
    EXPECT_EQ(rt::ReadProperty(kWindowA, 0, 2, -1), 400);
    EXPECT_EQ(rt::ReadProperty(kWindowA, 0, 3, -1), 300);
}

TEST_F(WindowLayerTest, BindingsResolveOffsetZeroToAHandlerAndNoneToNothing)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    eventLog.clear();
    EXPECT_TRUE(rt::RaiseUnitEvent(kWindowA, 0, 0).ran);
    EXPECT_FALSE(rt::RaiseUnitEvent(kWindowA, 0, 6).ran);
    EXPECT_FALSE(rt::RaiseUnitEvent(kWindowA, 0, 9).ran);
    EXPECT_EQ(eventLog.size(), 1u);
}

TEST_F(WindowLayerTest, EventsAreDroppedWhileSuspended)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    eventLog.clear();
    rt::SuspendEvents();
    EXPECT_FALSE(rt::RaiseUnitEvent(kWindowA, 0, 0).ran);
    rt::ResumeEvents();
    EXPECT_TRUE(eventLog.empty());
}

TEST_F(WindowLayerTest, EventTriplesPassBytesShortsAndLongsAsWords)
{
    int32_t words[2];
    EXPECT_EQ(rt::EventWordsOf({0xff, 0, rt::kByte}, words), 1);
    EXPECT_EQ(words[0], 255);
    EXPECT_EQ(rt::EventWordsOf({0xfffe, 0, rt::kShort}, words), 1);
    EXPECT_EQ(words[0], -2);
    EXPECT_EQ(rt::EventWordsOf(rt::MakeLong(0x100000002LL), words), 2);
    EXPECT_EQ(words[0], 2);
    EXPECT_EQ(words[1], 1);
}

TEST_F(WindowLayerTest, EmptyPropertyDataGivesTheWindowDefaults)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowB, nullptr, false, false));
    EXPECT_EQ(rt::ReadProperty(kWindowB, 0, 8 + rt::kWindowBorder, -1), 2);
    EXPECT_EQ(rt::ReadProperty(kWindowB, 0, 8 + rt::kWindowEscCloses, -1), 1);
    EXPECT_EQ(rt::ReadProperty(kWindowB, 0, 8 + rt::kWindowBackPictureMode, -1), 1);
    EXPECT_EQ(static_cast<uint32_t>(rt::ReadProperty(kWindowB, 0, 8 + rt::kWindowBackColour, -1)), 0xff000000u);
    HWND window = WindowHandle(kWindowB);
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    // Start position 1 centres the window on the screen.
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
}

TEST_F(WindowLayerTest, UnitsInsideAContainerUseItsCoordinatesAndMayHaveANegativeTop)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    HWND child = UnitHandle(kWindowA, kChild);
    ASSERT_TRUE(child);
    EXPECT_EQ(GetParent(child), UnitHandle(kWindowA, kContainer));
    EXPECT_EQ(rt::ReadProperty(kWindowA, kChild, 0, -1), 5);
    EXPECT_EQ(rt::ReadProperty(kWindowA, kChild, 1, -1), -4);
}

TEST_F(WindowLayerTest, HiddenUnitsAreCreatedHiddenAndCanBeShown)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    HWND hidden = UnitHandle(kWindowA, kHidden);
    ASSERT_TRUE(hidden);
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_EQ(rt::ReadProperty(kWindowA, kHidden, 5, -1), 0);
    rt::WriteProperty(kWindowA, kHidden, 5, -1, 1, 0);
    EXPECT_TRUE(IsWindowVisible(hidden));
    EXPECT_EQ(rt::ReadProperty(kWindowA, kHidden, 5, -1), 1);
}

TEST_F(WindowLayerTest, CoordinatesAndSizesAreClamped)
{
    rt::WriteProperty(kWindowA, kHidden, 0, -1, 40000, 0);
    rt::WriteProperty(kWindowA, kHidden, 1, -1, static_cast<uint32_t>(-40000), 0);
    rt::WriteProperty(kWindowA, kHidden, 2, -1, static_cast<uint32_t>(-5), 0);
    rt::WriteProperty(kWindowA, kHidden, 3, -1, 99999, 0);
    EXPECT_EQ(rt::ReadProperty(kWindowA, kHidden, 0, -1), 32627);
    EXPECT_EQ(rt::ReadProperty(kWindowA, kHidden, 1, -1), -32627);
    EXPECT_EQ(rt::ReadProperty(kWindowA, kHidden, 2, -1), 0);
    EXPECT_EQ(rt::ReadProperty(kWindowA, kHidden, 3, -1), 32627);
}

TEST_F(WindowLayerTest, ReloadingShowsTheStoredValuesAgain)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    rt::WriteProperty(kWindowA, kHidden, 0, -1, 123, 0);
    rt::WriteProperty(kWindowA, kHidden, 4, -1, reinterpret_cast<uintptr_t>("标记"), 0);
    rt::WriteProperty(kWindowA, kHidden, 8 + window_test::kNumber, -1, 99, 0);
    EXPECT_EQ(rt::ReadProperty(kWindowA, kHidden, 0, -1), 123);
    EXPECT_EQ(rt::ReadProperty(kWindowA, kHidden, 8 + window_test::kNumber, -1), 99);
    DestroyWindow(WindowHandle(kWindowA));
    EXPECT_EQ(WindowHandle(kWindowA), nullptr);
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    EXPECT_EQ(rt::ReadProperty(kWindowA, kHidden, 0, -1), 10);
    EXPECT_EQ(rt::ReadProperty(kWindowA, kHidden, 8 + window_test::kNumber, -1), 7);
    char* tag = reinterpret_cast<char*>(rt::ReadProperty(kWindowA, kHidden, 4, -1));
    EXPECT_EQ(tag, nullptr);
    rt::FreeMem(tag);
}

TEST_F(WindowLayerTest, ReCreationKeepsPositionParentAndKindValues)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    HWND before = UnitHandle(kWindowA, kContainer);
    rt::WriteProperty(kWindowA, kContainer, 8 + window_test::kNumber, -1, 42, 0);
    rt::WriteProperty(kWindowA, kContainer, 8 + window_test::kRebuild, -1, 1, 0);
    HWND after = UnitHandle(kWindowA, kContainer);
    ASSERT_TRUE(after);
    EXPECT_NE(before, after);
    EXPECT_EQ(rt::ReadProperty(kWindowA, kContainer, 8 + window_test::kNumber, -1), 42);
    EXPECT_EQ(rt::ReadProperty(kWindowA, kContainer, 0, -1), 20);
    EXPECT_EQ(GetParent(UnitHandle(kWindowA, kChild)), after);
}

TEST_F(WindowLayerTest, EscRaisesTheCloseRequestWhichAHandlerMayVeto)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    closeReturns = true;
    closeAnswer = 0;
    PostMessageW(UnitHandle(kWindowA, kChild), WM_KEYDOWN, VK_ESCAPE, 0);
    window_test::Pump(50);
    EXPECT_NE(WindowHandle(kWindowA), nullptr);
    closeAnswer = 1;
    eventLog.clear();
    PostMessageW(UnitHandle(kWindowA, kChild), WM_KEYDOWN, VK_ESCAPE, 0);
    window_test::Pump(50);
    EXPECT_EQ(WindowHandle(kWindowA), nullptr);
    ASSERT_GE(eventLog.size(), 2u);
    EXPECT_EQ(eventLog.front(), "1+");
    EXPECT_EQ(eventLog.back(), "2");
}

TEST_F(WindowLayerTest, CharacterHandlerSwallowsOrReplacesTheCharacter)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    HWND child = UnitHandle(kWindowA, kChild);
    charAnswer = 0;
    PostMessageW(child, WM_CHAR, 'a', 0);
    window_test::Pump(30);
    EXPECT_EQ(window_test::CharactersReceived(kChild), L"");
    charAnswer = 'B';
    PostMessageW(child, WM_CHAR, 'a', 0);
    window_test::Pump(30);
    EXPECT_EQ(window_test::CharactersReceived(kChild), L"B");
}

TEST_F(WindowLayerTest, StartPositionOfAMaximisedWindowReadsThree)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    EXPECT_EQ(rt::ReadProperty(kWindowA, 0, 8 + rt::kWindowStartPosition, -1), 0);
    ShowWindow(WindowHandle(kWindowA), SW_MAXIMIZE);
    EXPECT_EQ(rt::ReadProperty(kWindowA, 0, 8 + rt::kWindowStartPosition, -1), 3);
}

TEST_F(WindowLayerTest, WindowWritesActOnTheLiveWindow)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    HWND window = WindowHandle(kWindowA);
    rt::WriteProperty(kWindowA, 0, 8 + rt::kWindowTitle, -1, reinterpret_cast<uintptr_t>("新标题"), 0);
    wchar_t title[32];
    GetWindowTextW(window, title, 32);
    EXPECT_STREQ(title, L"新标题");
    rt::WriteProperty(kWindowA, 0, 8 + rt::kWindowBorder, -1, 9, 0);
    EXPECT_EQ(rt::ReadProperty(kWindowA, 0, 8 + rt::kWindowBorder, -1), 6);
    rt::WriteProperty(kWindowA, 0, 8 + rt::kWindowShape, -1, 1, 0);
    RECT region;
    EXPECT_NE(GetWindowRgnBox(window, &region), ERROR);
    rt::WriteProperty(kWindowA, 0, 8 + rt::kWindowShape, -1, 100, 0);
    EXPECT_EQ(rt::ReadProperty(kWindowA, 0, 8 + rt::kWindowShape, -1), 29);
}

TEST_F(WindowLayerTest, EveryOutlineShapeMakesARegion)
{
    for (int shape = 1; shape <= 29; ++shape) {
        rt::UniqueRegion region = rt::CreateShapeRegion(shape, 200, 100);
        ASSERT_TRUE(region) << shape;
        RECT box;
        EXPECT_NE(GetRgnBox(region.get(), &box), NULLREGION) << shape;
        EXPECT_GE(box.left, 0) << shape;
        EXPECT_LE(box.right, 201) << shape;
    }
    EXPECT_FALSE(rt::CreateShapeRegion(0, 200, 100));
    EXPECT_FALSE(rt::CreateShapeRegion(30, 200, 100));
}

TEST_F(WindowLayerTest, ACentredWindowKeepsThePlaceItsCreationHandlerGaveIt)
{
    ASSERT_TRUE(rt::LoadWindow(kCentredWindow, nullptr, false, false));
    RECT rect;
    GetWindowRect(WindowHandle(kCentredWindow), &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_TRUE(IsWindowVisible(WindowHandle(kCentredWindow)));
}

TEST_F(WindowLayerTest, ALoadedWindowIsOnlyBroughtToTheFront)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    HWND first = WindowHandle(kWindowA);
    eventLog.clear();
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    EXPECT_EQ(WindowHandle(kWindowA), first);
    EXPECT_TRUE(eventLog.empty());
    EXPECT_FALSE(rt::LoadWindow(0x52007777, nullptr, false, false));
}

// Worker threads read and write a live window's properties while the window thread pumps, and
// the window thread still answers other threads at once.
TEST_F(WindowLayerTest, WorkerThreadsAccessPropertiesSafely)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    window_test::AnswerTimeProbe probe(WindowHandle(kWindowA));
    std::atomic<bool> stop{false};
    std::atomic<int> inconsistent{0};
    std::atomic<int> operations{0};
    const char* titles[] = {"甲", "乙", "丙"};
    std::vector<std::thread> workers;
    for (int w = 0; w < 3; ++w) {
        workers.emplace_back([&, w] {
            for (int i = 0; !stop; ++i) {
                rt::WriteProperty(kWindowA, kHidden, 0, -1, static_cast<uint32_t>(i % 100), 0);
                rt::WriteProperty(kWindowA, kHidden, 5, -1, i % 2, 0);
                rt::WriteProperty(kWindowA, 0, 1, -1, static_cast<uint32_t>(40 + i % 50), 0);
                rt::WriteProperty(kWindowA, 0, 8, -1, reinterpret_cast<uintptr_t>(titles[w]), 0);
                int64_t left = rt::ReadProperty(kWindowA, kHidden, 0, -1);
                int64_t top = rt::ReadProperty(kWindowA, 0, 1, -1);
                char* title = reinterpret_cast<char*>(rt::ReadProperty(kWindowA, 0, 8, -1));
                std::string text = title ? title : "";
                rt::FreeMem(title);
                bool titleKnown = text == titles[0] || text == titles[1] || text == titles[2];
                if (left < 0 || left >= 100 || top < 40 || top >= 90 || !titleKnown) {
                    ++inconsistent;
                }
                ++operations;
            }
        });
    }
    window_test::Pump(1500);
    stop = true;
    window_test::JoinWhilePumping(workers, 10000);
    DWORD longestAnswer = probe.stop();
    std::printf("window thread's longest answer to another thread while workers called: %lu ms\n",
                static_cast<unsigned long>(longestAnswer));
    EXPECT_LT(longestAnswer, 10000u);
    EXPECT_EQ(inconsistent.load(), 0);
    EXPECT_GT(operations.load(), 10);
}

// The window thread runs a worker's call from its message loop, not inside a sent message: the
// call may show dialogs and call other processes.
TEST_F(WindowLayerTest, AWorkersCallRunsOnTheWindowThreadOutsideAnySentMessage)
{
    DWORD ranOn = 0;
    BOOL insideSentMessage = TRUE;
    std::atomic<bool> returned{false};
    std::vector<std::thread> workers;
    workers.emplace_back([&] {
        rt::RunOnWindowThread([&] {
            ranOn = GetCurrentThreadId();
            insideSentMessage = InSendMessage();
        });
        returned = true;
    });
    window_test::JoinWhilePumping(workers, 10000);
    EXPECT_TRUE(returned);
    EXPECT_EQ(ranOn, GetCurrentThreadId());
    EXPECT_FALSE(insideSentMessage);
}

// While a worker waits for its call, it still answers messages sent to its own windows: the
// window thread may send one to it from inside the call.
TEST_F(WindowLayerTest, AWaitingWorkerAnswersMessagesSentToItsWindows)
{
    LRESULT answer = 0;
    std::vector<std::thread> workers;
    workers.emplace_back([&] {
        HWND own = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        rt::RunOnWindowThread([&] {
            DWORD_PTR result = 0;
            answer = SendMessageTimeoutW(own, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &result);
        });
        DestroyWindow(own);
    });
    window_test::JoinWhilePumping(workers, 10000);
    EXPECT_NE(answer, 0);
}

// Pumping messages handles the worker calls waiting at that moment once: workers that call again
// at once cannot keep the window thread in one pass.
TEST_F(WindowLayerTest, ProcessingWaitingMessagesEndsWhileWorkersKeepCalling)
{
    std::atomic<bool> stop{false};
    std::atomic<int> calls{0};
    std::vector<std::thread> workers;
    for (int w = 0; w < 3; ++w) {
        workers.emplace_back([&] {
            while (!stop) {
                rt::RunOnWindowThread([&] { ++calls; });
            }
        });
    }
    while (calls < 100) {
        window_test::Pump(1);
    }
    for (int pass = 0; pass < 200; ++pass) {
        int before = calls;
        rt::ProcessPendingMessages();
        EXPECT_LE(calls - before, 3);
    }
    stop = true;
    window_test::JoinWhilePumping(workers, 10000);
}

// A worker that reaches a unit of a window closed under it waits for good, instead of ending the
// program with an error box: closing the window a worker works for is not a fault.
TEST_F(WindowLayerTest, AWorkerReachingAClosedWindowWaitsForGood)
{
    ASSERT_TRUE(rt::LoadWindow(kWindowA, nullptr, false, false));
    rt::DestroyAllWindows();
    window_test::Pump(20);
    static std::atomic<bool> returned{false};
    std::thread worker([] {
        rt::WriteProperty(kWindowA, kHidden, 8 + window_test::kNumber, -1, 5, 0);
        returned = true;
    });
    window_test::Pump(300);
    EXPECT_FALSE(returned);
    // It stays parked until the test program ends.
    worker.detach();
}

}  // namespace
