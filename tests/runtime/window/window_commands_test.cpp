// The core library's window commands against real templates: LoadWindow through the command
// table and the load-window service, and DestroyWindow for windows and for units.
#include <gtest/gtest.h>

#include <windows.h>

#include <initializer_list>
#include <vector>

#include "commands/core/core_command_table.h"
#include "runtime/program_templates.h"
#include "runtime/runtime_app.h"
#include "runtime/runtime_service.h"
#include "runtime/unit_access.h"
#include "runtime/window/window_lifetime.h"
#include "runtime/window/window_unit.h"
#include "tests/runtime/window/window_test_support.h"

namespace {

using window_test::WindowHandle;

constexpr uint32_t kWindowKind = 0x00010001;
constexpr uint32_t kPanelWindow = 0x52000040;
constexpr uint32_t kPanelWindowUnit = 0x06000041;
constexpr uint32_t kPanelUnit = 0x16000042;
constexpr uint32_t kOtherWindow = 0x52000050;
constexpr uint32_t kOtherWindowUnit = 0x06000051;

const rt::ValueTriple kPanel = rt::MakeUnitRef(kPanelWindow, kPanelWindowUnit, kWindowKind);
const rt::ValueTriple kOther = rt::MakeUnitRef(kOtherWindow, kOtherWindowUnit, kWindowKind);

int destroyedEvents = 0;

rt::SubReturn OnDestroyed(const int32_t*, int)
{
    ++destroyedEvents;
    return {};
}

const rt::ApplicationSub kSubs[] = {OnDestroyed};
const rt::CodeBase kCodeBase{kSubs, 1};

rt::WindowRecord MakePanelWindow()
{
    rt::WindowRecord window;
    window.id = kPanelWindow;
    window.units.push_back(
        window_test::DefaultWindowRecord(kPanelWindowUnit, {40, 40, 300, 200}, rt::kUnitVisible, {{2, 0}}));
    window.units.push_back(window_test::TestUnitRecord(kPanelUnit, {10, 10, 60, 20}, rt::kUnitVisible));
    return window;
}

rt::WindowRecord MakeOtherWindow()
{
    rt::WindowRecord window;
    window.id = kOtherWindow;
    window.units.push_back(
        window_test::DefaultWindowRecord(kOtherWindowUnit, {90, 90, 200, 150}, rt::kUnitVisible, {}));
    return window;
}

void* UnitObject(uint32_t windowId, uint32_t unitId)
{
    return reinterpret_cast<void*>(rt::RuntimeService(rt::kServiceUnitObject, windowId, unitId));
}

// Calls the command's table entry as compiled code does; the result is a plain value.
rt::ValueTriple Call(rt::commands::CoreCommand command, std::initializer_list<rt::ValueTriple> args)
{
    std::vector<rt::ValueTriple> list(args);
    rt::ValueTriple result{};
    rt::commands::CoreCommandRoutine(command)(&result, static_cast<int>(list.size()), list.data());
    return result;
}

bool LoadWindow(std::initializer_list<rt::ValueTriple> args)
{
    return Call(rt::commands::CoreCommand::kLoadWindow, args).low != 0;
}

void DestroyWindowCommand(std::initializer_list<rt::ValueTriple> args)
{
    Call(rt::commands::CoreCommand::kDestroyWindow, args);
}

struct WindowCommandsTest : ::testing::Test {
    static void SetUpTestSuite() { window_test::StartWindowLayerForTests(); }
    void SetUp() override
    {
        destroyedEvents = 0;
        ASSERT_TRUE(window_test::InstallTemplates({MakePanelWindow(), MakeOtherWindow()}, kCodeBase));
    }
    void TearDown() override
    {
        rt::App().loopStarted = false;
        rt::DestroyAllWindows();
        window_test::Pump(20);
    }
};

TEST_F(WindowCommandsTest, LoadWindowLoadsATemplateOptionallyOwnedByALoadedWindow)
{
    ASSERT_TRUE(LoadWindow({kPanel}));
    ASSERT_NE(WindowHandle(kPanelWindow), nullptr);
    EXPECT_TRUE(IsWindowVisible(WindowHandle(kPanelWindow)));
    ASSERT_TRUE(LoadWindow({kOther, kPanel, rt::MakeLogical(false)}));
    EXPECT_EQ(GetWindow(WindowHandle(kOtherWindow), GW_OWNER), WindowHandle(kPanelWindow));
}

TEST_F(WindowCommandsTest, LoadWindowFailsForAnOwnerNotLoadedAndForAnUnknownWindow)
{
    EXPECT_FALSE(LoadWindow({kPanel, kOther}));
    EXPECT_EQ(WindowHandle(kPanelWindow), nullptr);
    EXPECT_FALSE(LoadWindow({rt::MakeUnitRef(0x52007777, 0x06007777, kWindowKind)}));
    EXPECT_FALSE(LoadWindow({rt::MakeInt(kPanelWindow)}));
}

TEST_F(WindowCommandsTest, DestroyWindowClosesWhenTheLoopNextRunsOrAtOnce)
{
    ASSERT_TRUE(LoadWindow({kPanel}));
    DestroyWindowCommand({kPanel});
    EXPECT_NE(WindowHandle(kPanelWindow), nullptr);
    EXPECT_EQ(destroyedEvents, 0);
    window_test::Pump(30);
    EXPECT_EQ(WindowHandle(kPanelWindow), nullptr);
    EXPECT_EQ(destroyedEvents, 1);

    ASSERT_TRUE(LoadWindow({kPanel}));
    DestroyWindowCommand({kPanel, rt::MakeLogical(true)});
    EXPECT_EQ(WindowHandle(kPanelWindow), nullptr);
    EXPECT_EQ(destroyedEvents, 2);
}

TEST_F(WindowCommandsTest, ALoadCarriesOutAPendingCloseAndLoadsAfresh)
{
    ASSERT_TRUE(LoadWindow({kPanel}));
    HWND before = WindowHandle(kPanelWindow);
    rt::WriteProperty(kPanelWindow, kPanelUnit, 8 + window_test::kNumber, -1, 99, 0);
    rt::App().loopStarted = true;
    DestroyWindowCommand({kPanel});
    ASSERT_TRUE(LoadWindow({kPanel}));
    EXPECT_EQ(destroyedEvents, 1);
    EXPECT_FALSE(IsWindow(before));
    ASSERT_NE(WindowHandle(kPanelWindow), nullptr);
    EXPECT_EQ(rt::ReadProperty(kPanelWindow, kPanelUnit, 8 + window_test::kNumber, -1), 7);
    // The window came back at once: its going did not end the program.
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    window_test::Pump(30);
    EXPECT_NE(WindowHandle(kPanelWindow), nullptr);
}

TEST_F(WindowCommandsTest, DestroyWindowOnAUnitDestroysOnlyThatUnit)
{
    ASSERT_TRUE(LoadWindow({kPanel}));
    ASSERT_NE(UnitObject(kPanelWindow, kPanelUnit), nullptr);
    DestroyWindowCommand({rt::MakeUnitRef(kPanelWindow, kPanelUnit, window_test::kTestKind)});
    EXPECT_EQ(UnitObject(kPanelWindow, kPanelUnit), nullptr);
    window_test::Pump(30);
    EXPECT_NE(WindowHandle(kPanelWindow), nullptr);
    EXPECT_EQ(destroyedEvents, 0);
}

TEST_F(WindowCommandsTest, DestroyWindowLeavesWhatIsNotLoadedAlone)
{
    ASSERT_TRUE(LoadWindow({kPanel}));
    DestroyWindowCommand({kOther});
    DestroyWindowCommand({kOther, rt::MakeLogical(true)});
    DestroyWindowCommand({rt::MakeUnitRef(kPanelWindow, 0x16007777, window_test::kTestKind)});
    DestroyWindowCommand({rt::MakeInt(kPanelWindow)});
    DestroyWindowCommand({});
    window_test::Pump(20);
    EXPECT_EQ(WindowHandle(kOtherWindow), nullptr);
    EXPECT_NE(WindowHandle(kPanelWindow), nullptr);
    EXPECT_NE(UnitObject(kPanelWindow, kPanelUnit), nullptr);
    EXPECT_EQ(destroyedEvents, 0);
}

}  // namespace
