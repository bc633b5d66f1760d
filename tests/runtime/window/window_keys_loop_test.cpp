// The window layer's keys and loops: Tab and Shift+Tab walk the units in creation order, an Alt
// mnemonic toggles a check box, idle event 7 runs while handlers want it, and a modal load runs a
// nested loop that ends with its window.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "runtime/message_loop.h"
#include "runtime/program_templates.h"
#include "runtime/runtime_service.h"
#include "runtime/unit_access.h"
#include "runtime/window/window_lifetime.h"
#include "runtime/window/window_unit.h"
#include "tests/runtime/window/window_test_support.h"

namespace {

using window_test::WindowHandle;

constexpr uint32_t kFocusWindow = 0x52000020;
constexpr uint32_t kFocusWindowUnit = 0x06000021;
constexpr uint32_t kFirstCreated = 0x16000022;
constexpr uint32_t kSecondCreated = 0x16000023;
constexpr uint32_t kNoFocus = 0x16000024;
constexpr uint32_t kLastCreated = 0x16000025;
constexpr uint32_t kCheck = 0x16000026;
constexpr uint32_t kModalWindow = 0x52000030;
constexpr uint32_t kModalWindowUnit = 0x06000031;

int idleCalls = 0;
std::vector<int32_t> idleElapsed;
int checkEvents = 0;

// Two idle calls are wanted in each period, the third answers false.
rt::SubReturn OnIdle(const int32_t* args, int argCount)
{
    ++idleCalls;
    idleElapsed.push_back(argCount > 0 ? args[0] : -1);
    return rt::Returns(idleCalls % 3 != 0);
}

rt::SubReturn OnCheck(const int32_t*, int)
{
    ++checkEvents;
    return {};
}

const rt::ApplicationSub kSubs[] = {OnIdle, OnCheck};
const rt::CodeBase kCodeBase{kSubs, 2};

rt::WindowRecord MakeFocusWindow()
{
    rt::WindowRecord window;
    window.id = kFocusWindow;
    rt::WindowOptions options;
    options.Title = "焦点窗口";
    options.StartPosition = 0;
    window.units.push_back(
        window_test::WindowRecord(kFocusWindowUnit, options, {30, 30, 360, 240}, rt::kUnitVisible, {{7, 0}}));
    // Units are created from the last of the list to the first.
    const uint32_t focusable = rt::kUnitVisible | rt::kUnitTakesFocus;
    window.units.push_back(
        window_test::TestCheckRecord(kCheck, {10, 150, 80, 20}, rt::kUnitVisible, "选中(&k)", {{0, 1}}));
    window.units.push_back(window_test::TestUnitRecord(kLastCreated, {10, 100, 60, 20}, focusable));
    window.units.push_back(window_test::TestUnitRecord(kNoFocus, {10, 70, 60, 20}, rt::kUnitVisible));
    window.units.push_back(window_test::TestUnitRecord(kSecondCreated, {10, 40, 60, 20}, focusable));
    window.units.push_back(window_test::TestUnitRecord(kFirstCreated, {10, 10, 60, 20}, focusable));
    return window;
}

rt::WindowRecord MakeModalWindow()
{
    rt::WindowRecord window;
    window.id = kModalWindow;
    window.units.push_back(
        window_test::DefaultWindowRecord(kModalWindowUnit, {80, 80, 200, 150}, rt::kUnitVisible, {}));
    return window;
}

HWND UnitHandle(uint32_t unitId) { return window_test::UnitHandle(kFocusWindow, unitId); }

// Presses Tab on the unit that has the focus, with Shift held when asked.
void PressTab(bool shift)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    BYTE before = keys[VK_SHIFT];
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    window_test::Pump(30);
    keys[VK_SHIFT] = before;
    SetKeyboardState(keys);
}

void PressAlt(char key)
{
    PostMessageW(WindowHandle(kFocusWindow), WM_SYSKEYDOWN, static_cast<WPARAM>(key), 0x20000000);
    window_test::Pump(30);
}

struct WindowKeysLoopTest : ::testing::Test {
    static void SetUpTestSuite() { window_test::StartWindowLayerForTests(); }
    void SetUp() override
    {
        idleCalls = 0;
        idleElapsed.clear();
        checkEvents = 0;
        ASSERT_TRUE(window_test::InstallTemplates({MakeFocusWindow(), MakeModalWindow()}, kCodeBase));
        ASSERT_TRUE(rt::LoadWindow(kFocusWindow, nullptr, false, false));
    }
    void TearDown() override
    {
        rt::DestroyAllWindows();
        window_test::Pump(20);
    }
};

TEST_F(WindowKeysLoopTest, TabWalksTheUnitsThatTakeTheFocusInCreationOrder)
{
    SetFocus(UnitHandle(kFirstCreated));
    PressTab(false);
    EXPECT_EQ(GetFocus(), UnitHandle(kSecondCreated));
    // The unit without the focus flag and the check box are passed over; the walk wraps around.
    PressTab(false);
    EXPECT_EQ(GetFocus(), UnitHandle(kLastCreated));
    PressTab(false);
    EXPECT_EQ(GetFocus(), UnitHandle(kFirstCreated));
    PressTab(true);
    EXPECT_EQ(GetFocus(), UnitHandle(kLastCreated));
    PressTab(true);
    EXPECT_EQ(GetFocus(), UnitHandle(kSecondCreated));
}

TEST_F(WindowKeysLoopTest, TabPassesOverDisabledAndHiddenUnits)
{
    rt::WriteProperty(kFocusWindow, kSecondCreated, 6, -1, 1, 0);
    SetFocus(UnitHandle(kFirstCreated));
    PressTab(false);
    EXPECT_EQ(GetFocus(), UnitHandle(kLastCreated));
    rt::WriteProperty(kFocusWindow, kFirstCreated, 5, -1, 0, 0);
    PressTab(false);
    EXPECT_EQ(GetFocus(), UnitHandle(kLastCreated));
}

TEST_F(WindowKeysLoopTest, AltMnemonicTogglesACheckBoxAndRaisesItsEventZero)
{
    const int checked = 8 + window_test::kChecked;
    PressAlt('K');
    EXPECT_EQ(rt::ReadProperty(kFocusWindow, kCheck, checked, -1), 1);
    EXPECT_EQ(checkEvents, 1);
    PressAlt('K');
    EXPECT_EQ(rt::ReadProperty(kFocusWindow, kCheck, checked, -1), 0);
    EXPECT_EQ(checkEvents, 2);
    // A key no caption marks does nothing; a disabled check box is no mnemonic target.
    PressAlt('Q');
    rt::WriteProperty(kFocusWindow, kCheck, 6, -1, 1, 0);
    PressAlt('K');
    EXPECT_EQ(rt::ReadProperty(kFocusWindow, kCheck, checked, -1), 0);
    EXPECT_EQ(checkEvents, 2);
}

std::vector<int> idleCallsAtTimer;
UINT_PTR idleTimer = 0;

// Each WM_TIMER starts a new idle period; the second one ends the loop.
void CALLBACK NoteIdleCalls(HWND, UINT, UINT_PTR, DWORD)
{
    idleCallsAtTimer.push_back(idleCalls);
    if (idleCallsAtTimer.size() == 2) {
        KillTimer(nullptr, idleTimer);
        DestroyWindow(WindowHandle(kFocusWindow));
    }
}

TEST_F(WindowKeysLoopTest, IdleEventsArriveWhenTheQueueEmptiesUntilTheHandlerAnswersFalse)
{
    window_test::Pump(30);
    idleCalls = 0;
    idleElapsed.clear();
    idleCallsAtTimer.clear();
    idleTimer = SetTimer(nullptr, 0, 200, NoteIdleCalls);
    ASSERT_NE(idleTimer, 0u);
    rt::RunModalLoop(WindowHandle(kFocusWindow));
    // The third call of each period answered false: no more idle events until the next message.
    EXPECT_EQ(idleCallsAtTimer, (std::vector<int>{3, 6}));
    ASSERT_EQ(idleElapsed.size(), 6u);
    for (size_t i = 0; i < idleElapsed.size(); ++i) {
        EXPECT_GE(idleElapsed[i], 0) << i;
        EXPECT_LT(idleElapsed[i], 150) << i;
    }
}

struct ModalSeen {
    bool ran = false;
    bool ownerEnabled = true;
    bool modalCurrent = false;
};
ModalSeen modalSeen;
UINT_PTR modalTimer = 0;
bool closeByRequest = true;

// Runs inside the modal loop: looks at the windows, then closes the modal window with a close
// request or destroys it directly.
void CALLBACK LookAndCloseModal(HWND, UINT, UINT_PTR, DWORD)
{
    KillTimer(nullptr, modalTimer);
    HWND modal = WindowHandle(kModalWindow);
    modalSeen.ran = true;
    modalSeen.ownerEnabled = IsWindowEnabled(WindowHandle(kFocusWindow)) != FALSE;
    modalSeen.modalCurrent = modal && rt::CurrentModalWindow() == modal;
    if (closeByRequest) {
        PostMessageW(modal, WM_CLOSE, 0, 0);
    } else {
        DestroyWindow(modal);
    }
}

TEST_F(WindowKeysLoopTest, AModalLoadReturnsWhenItsWindowIsGoneAndReEnablesTheOthers)
{
    for (bool byRequest : {true, false}) {
        SCOPED_TRACE(byRequest ? "close request" : "destroyed directly");
        closeByRequest = byRequest;
        modalSeen = {};
        modalTimer = SetTimer(nullptr, 0, 100, LookAndCloseModal);
        ASSERT_NE(modalTimer, 0u);
        ASSERT_TRUE(rt::LoadWindow(kModalWindow, nullptr, true, true));
        EXPECT_TRUE(modalSeen.ran);
        EXPECT_FALSE(modalSeen.ownerEnabled);
        EXPECT_TRUE(modalSeen.modalCurrent);
        EXPECT_EQ(WindowHandle(kModalWindow), nullptr);
        EXPECT_TRUE(IsWindowEnabled(WindowHandle(kFocusWindow)));
        EXPECT_EQ(rt::CurrentModalWindow(), nullptr);
    }
}

}  // namespace
