// MessageBox answered through the automation driver, LoadWindow's request to the runtime, and the
// screen, Sleep and ProcessEvents commands.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "command_call.h"
#include "commands/core/window_commands.h"
#include "runtime/runtime_service.h"
#include "tools/automation/automation.h"

namespace {

using test::Call;
using test::Text;

struct SeenBox {
    bool found = false;
    std::wstring text;
    std::wstring caption;
};

// Shows the box on this thread while another thread reads it and presses the button.
test::CommandResult ShowAndAnswer(std::initializer_list<rt::ValueTriple> args, int button, SeenBox& seen)
{
    std::thread answerer([button, &seen] {
        HWND box = automation::WaitForMessageBox(GetCurrentProcessId(), 10000);
        if (!box) return;
        seen.found = true;
        seen.text = automation::MessageBoxText(box);
        seen.caption = automation::WindowText(box);
        automation::PressDialogButton(box, button);
    });
    test::CommandResult result = Call(rt::commands::MessageBoxCommand, args);
    answerer.join();
    return result;
}

TEST(MessageBoxCommand, NumbersThePressedButtonFromZero)
{
    struct Case {
        int32_t flags;
        int button;
        int32_t result;
    };
    const Case cases[] = {
        {MB_OK, IDOK, 0},
        {MB_OKCANCEL, IDCANCEL, 1},
        {MB_ABORTRETRYIGNORE, IDABORT, 2},
        {MB_ABORTRETRYIGNORE, IDRETRY, 3},
        {MB_ABORTRETRYIGNORE, IDIGNORE, 4},
        {MB_YESNO, IDYES, 5},
        {MB_YESNO, IDNO, 6},
        {MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL, IDNO, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.flags) + " / " + std::to_string(c.button));
        SeenBox seen;
        test::CommandResult result =
            ShowAndAnswer({Text("是否继续"), rt::MakeInt(c.flags), Text("标题")}, c.button, seen);
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.text, L"是否继续");
        EXPECT_EQ(seen.caption, L"标题");
        EXPECT_EQ(result.type(), rt::kInt);
        EXPECT_EQ(result.integer(), c.result);
    }
}

TEST(MessageBoxCommand, ShowsTheTextFormOfTheMessageUnderTheDefaultCaption)
{
    struct Case {
        rt::ValueTriple message;
        std::wstring text;
    };
    test::ByteSetArg byteSet(std::string("x"));
    const Case cases[] = {
        {rt::MakeLogical(true), L"真"},
        {test::Double(2.5), L"2.5"},
        {rt::MakeInt(-7), L"-7"},
        {byteSet.triple(), L""},
    };
    for (const Case& c : cases) {
        SeenBox seen;
        EXPECT_EQ(ShowAndAnswer({c.message}, IDOK, seen).integer(), 0);
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.text, c.text);
        EXPECT_EQ(seen.caption, L"信息：");
    }
}

// The window layer's load-window service as LoadWindow sees it.
struct LoadWindowTest : ::testing::Test {
    static inline rt::LoadWindowRequest seenRequest;
    static inline int loads;
    static inline int64_t answer;
    static inline uintptr_t ownerWindowId, ownerUnitId;

    void SetUp() override
    {
        loads = 0;
        answer = rt::kLoadWindowSucceeded;
        seenRequest = {};
        rt::SetServiceHandler(rt::kServiceLoadWindow, [](uintptr_t request, uintptr_t) -> int64_t {
            ++loads;
            seenRequest = *reinterpret_cast<const rt::LoadWindowRequest*>(request);
            return answer;
        });
        // Only window 0x52000002 with unit 0x06000001 is loaded; its object is at 0x1230.
        rt::SetServiceHandler(rt::kServiceUnitObject, [](uintptr_t window, uintptr_t unit) -> int64_t {
            ownerWindowId = window;
            ownerUnitId = unit;
            return window == 0x52000002 && unit == 0x06000001 ? 0x1230 : 0;
        });
    }
    void TearDown() override
    {
        rt::SetServiceHandler(rt::kServiceLoadWindow, nullptr);
        rt::SetServiceHandler(rt::kServiceUnitObject, nullptr);
    }

    static bool Load(std::initializer_list<rt::ValueTriple> args)
    {
        return Call(rt::commands::LoadWindowCommand, args).logical();
    }
};

const rt::ValueTriple kPreview = rt::MakeUnitRef(0x52000003, 0x06010143, 1);
const rt::ValueTriple kMain = rt::MakeUnitRef(0x52000002, 0x06000001, 1);

TEST_F(LoadWindowTest, AsksTheRuntimeToLoadTheWindow)
{
    EXPECT_TRUE(Load({kPreview}));
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(seenRequest.windowId, 0x52000003u);
    EXPECT_EQ(seenRequest.owner, nullptr);
    EXPECT_EQ(seenRequest.modal, 0);

    EXPECT_TRUE(Load({kPreview, kMain, rt::MakeLogical(true)}));
    EXPECT_EQ(ownerWindowId, 0x52000002u);
    EXPECT_EQ(ownerUnitId, 0x06000001u);
    EXPECT_EQ(seenRequest.owner, reinterpret_cast<void*>(0x1230));
    EXPECT_EQ(seenRequest.modal, 1);
}

TEST_F(LoadWindowTest, FailsWhenTheRuntimeFailsOrTheOwnerIsNotLoaded)
{
    answer = rt::kLoadWindowFailed;
    EXPECT_FALSE(Load({kPreview}));
    EXPECT_EQ(loads, 1);

    answer = rt::kLoadWindowSucceeded;
    EXPECT_FALSE(Load({kPreview, rt::MakeUnitRef(0x52000009, 0x06000009, 1)}));
    EXPECT_FALSE(Load({kPreview, rt::MakeInt(5)}));
    EXPECT_FALSE(Load({rt::MakeInt(0x52000003)}));
    EXPECT_FALSE(Load({}));
    EXPECT_EQ(loads, 1);
}

TEST(ScreenSize, IsThePrimaryScreensSize)
{
    EXPECT_EQ(Call(rt::commands::ScreenWidthCommand, {}).integer(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(Call(rt::commands::ScreenHeightCommand, {}).integer(), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GT(Call(rt::commands::ScreenWidthCommand, {}).integer(), 0);
}

TEST(Sleep, WaitsTheGivenTimeAndANegativeTimeNotAtAll)
{
    using Clock = std::chrono::steady_clock;
    auto start = Clock::now();
    Call(rt::commands::SleepCommand, {rt::MakeInt(-100000)});
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
    start = Clock::now();
    Call(rt::commands::SleepCommand, {rt::MakeInt(60)});
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(40));
}

int appMessagesReceived = 0;

LRESULT CALLBACK CountAppMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP) ++appMessagesReceived;
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(ProcessEvents, DispatchesWaitingMessagesAndLeavesAQuitQueued)
{
    int& received = appMessagesReceived;
    WNDCLASSW windowClass{};
    windowClass.lpszClassName = L"CoreCommandsEventsProbe";
    windowClass.lpfnWndProc = CountAppMessages;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);

    PostMessageW(window, WM_APP, 0, 0);
    PostMessageW(window, WM_APP, 0, 0);
    Call(rt::commands::ProcessEventsCommand, {});
    EXPECT_EQ(received, 2);

    PostQuitMessage(3);
    PostMessageW(window, WM_APP, 0, 0);
    Call(rt::commands::ProcessEventsCommand, {});
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    DestroyWindow(window);
}

}  // namespace
