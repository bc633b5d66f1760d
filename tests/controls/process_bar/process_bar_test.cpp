// The ProcessBar unit on a real "msctls_progress32" bar in a window loaded from a template: the
// position held into the range, the range sent as (smaller, larger), the clamps of the stored
// values, Border, and the rebuild for the bar styles.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "runtime/unit_options/option_fields.h"
#include "runtime/unit_options/process_bar_options.h"
#include "controls/process_bar/process_bar.h"
#include "runtime/runtime_service.h"
#include "runtime/start_runtime.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/unit_access.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/window_lifetime.h"
#include "tests/runtime/window/window_test_support.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

constexpr uint32_t kWindow = 0x52000201;
constexpr uint32_t kWindowUnit = 0x06000202;
constexpr uint32_t kBar = 0x16000203;
constexpr uint32_t kStoredBar = 0x16000204;

constexpr int kFirstOwn = 8;

const rt::CodeBase kCodeBase{nullptr, 0};

rt::WindowRecord MakeWindow()
{
    rt::WindowRecord window;
    window.id = kWindow;
    rt::WindowOptions windowOptions;
    windowOptions.StartPosition = 0;
    window.units.push_back(
        window_test::WindowRecord(kWindowUnit, windowOptions, {20, 20, 360, 200}, rt::kUnitVisible, {}));
    // The program's bar: empty property data, all defaults.
    window.units.push_back(window_test::Record(kBar, rt::kProcessBarKind, {10, 10, 300, 20}, rt::kUnitVisible, {}, {}));
    rt::ProcessBarOptions stored;
    stored.Vertical = true;
    stored.Smooth = true;
    stored.Border = 5;
    stored.Minimum = 50;
    stored.Maximum = 40000;
    stored.Position = 20;
    window.units.push_back(window_test::Record(kStoredBar, rt::kProcessBarKind, {10, 40, 20, 120}, rt::kUnitVisible, {},
                                               rt::WriteOptions(stored)));
    return window;
}

HWND UnitHandle(uint32_t unitId) { return window_test::UnitHandle(kWindow, unitId); }

int32_t ReadNumber(uint32_t unitId, int number)
{
    return static_cast<int32_t>(rt::ReadProperty(kWindow, unitId, kFirstOwn + number, -1));
}

void WriteNumber(uint32_t unitId, int number, int32_t value)
{
    rt::WriteProperty(kWindow, unitId, kFirstOwn + number, -1, static_cast<uint32_t>(value), 0);
}

int ShownPosition(uint32_t unitId) { return static_cast<int>(SendMessageW(UnitHandle(unitId), PBM_GETPOS, 0, 0)); }

struct ShownRange {
    int low;
    int high;
};

ShownRange RangeOf(uint32_t unitId)
{
    PBRANGE range{};
    SendMessageW(UnitHandle(unitId), PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
    return {range.iLow, range.iHigh};
}

struct ProcessBarTest : ::testing::Test {
    static void SetUpTestSuite()
    {
        window_test::StartWindowLayerForTests();
        rt::RegisterUnitKind(rt::units::ProcessBarKind());
    }
    void SetUp() override
    {
        ASSERT_TRUE(window_test::InstallTemplates({MakeWindow()}, kCodeBase));
        ASSERT_TRUE(rt::LoadWindow(kWindow, nullptr, false, false));
    }
    void TearDown() override
    {
        rt::DestroyAllWindows();
        window_test::Pump(20);
    }
};

TEST_F(ProcessBarTest, EmptyPropertyDataGivesTheDefaultBar)
{
    HWND bar = UnitHandle(kBar);
    ASSERT_TRUE(bar);
    wchar_t name[64] = {};
    GetClassNameW(bar, name, 64);
    EXPECT_STREQ(name, PROGRESS_CLASSW);
    EXPECT_EQ(RangeOf(kBar).low, 0);
    EXPECT_EQ(RangeOf(kBar).high, 100);
    EXPECT_EQ(ShownPosition(kBar), 0);
    EXPECT_EQ(ReadNumber(kBar, rt::units::kBarBorder), 3);
    EXPECT_TRUE(GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_FALSE(GetWindowLongPtrW(bar, GWL_STYLE) & (PBS_VERTICAL | PBS_SMOOTH));
}

TEST_F(ProcessBarTest, PositionsOutsideTheRangeShowItsNearerEnd)
{
    WriteNumber(kBar, rt::units::kBarPosition, 150);
    EXPECT_EQ(ShownPosition(kBar), 100);
    EXPECT_EQ(ReadNumber(kBar, rt::units::kBarPosition), 150);
    WriteNumber(kBar, rt::units::kBarPosition, -5);
    EXPECT_EQ(ShownPosition(kBar), 0);
    EXPECT_EQ(ReadNumber(kBar, rt::units::kBarPosition), 0);
    WriteNumber(kBar, rt::units::kBarPosition, 40);
    EXPECT_EQ(ShownPosition(kBar), 40);
    WriteNumber(kBar, rt::units::kBarPosition, 99999);
    EXPECT_EQ(ReadNumber(kBar, rt::units::kBarPosition), 32767);
    EXPECT_EQ(ShownPosition(kBar), 100);
}

TEST_F(ProcessBarTest, RangeIsSentAsSmallerAndLargerAndKeepsTheStoredPosition)
{
    WriteNumber(kBar, rt::units::kBarPosition, 150);
    WriteNumber(kBar, rt::units::kBarMinimum, 300);
    EXPECT_EQ(RangeOf(kBar).low, 100);
    EXPECT_EQ(RangeOf(kBar).high, 300);
    EXPECT_EQ(ShownPosition(kBar), 150);
    EXPECT_EQ(ReadNumber(kBar, rt::units::kBarMinimum), 300);
    WriteNumber(kBar, rt::units::kBarMaximum, -7);
    EXPECT_EQ(ReadNumber(kBar, rt::units::kBarMaximum), 0);
    EXPECT_EQ(RangeOf(kBar).low, 0);
    EXPECT_EQ(RangeOf(kBar).high, 300);
    WriteNumber(kBar, rt::units::kBarMinimum, 32768);
    EXPECT_EQ(ReadNumber(kBar, rt::units::kBarMinimum), 32767);
}

TEST_F(ProcessBarTest, StoredValuesAreClampedAndTheStylesApplied)
{
    HWND bar = UnitHandle(kStoredBar);
    LONG_PTR style = GetWindowLongPtrW(bar, GWL_STYLE);
    EXPECT_TRUE(style & PBS_VERTICAL);
    EXPECT_TRUE(style & PBS_SMOOTH);
    EXPECT_TRUE(style & WS_BORDER);
    EXPECT_EQ(ReadNumber(kStoredBar, rt::units::kBarMaximum), 32767);
    EXPECT_EQ(RangeOf(kStoredBar).low, 50);
    EXPECT_EQ(RangeOf(kStoredBar).high, 32767);
    EXPECT_EQ(ShownPosition(kStoredBar), 50);
    EXPECT_EQ(ReadNumber(kStoredBar, rt::units::kBarPosition), 20);
}

TEST_F(ProcessBarTest, BorderChangesInPlaceAndBarStylesRebuild)
{
    HWND bar = UnitHandle(kBar);
    WriteNumber(kBar, rt::units::kBarBorder, 0);
    EXPECT_EQ(UnitHandle(kBar), bar);
    EXPECT_FALSE(GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_STATICEDGE);

    WriteNumber(kBar, rt::units::kBarPosition, 30);
    WriteNumber(kBar, rt::units::kBarSmooth, 0);
    EXPECT_EQ(UnitHandle(kBar), bar);  // unchanged: no rebuild
    WriteNumber(kBar, rt::units::kBarSmooth, 1);
    HWND rebuilt = UnitHandle(kBar);
    ASSERT_TRUE(rebuilt);
    EXPECT_NE(rebuilt, bar);
    EXPECT_TRUE(GetWindowLongPtrW(rebuilt, GWL_STYLE) & PBS_SMOOTH);
    EXPECT_EQ(ShownPosition(kBar), 30);
    EXPECT_EQ(ReadNumber(kBar, rt::units::kBarBorder), 0);

    WriteNumber(kBar, rt::units::kBarVertical, 1);
    EXPECT_NE(UnitHandle(kBar), rebuilt);
    EXPECT_TRUE(GetWindowLongPtrW(UnitHandle(kBar), GWL_STYLE) & PBS_VERTICAL);
}

TEST(ProcessBarKindTest, PropertyDataOfALaterVersionOrCutShortCreatesNoUnit)
{
    window_test::StartWindowLayerForTests();
    std::vector<uint8_t> data = rt::WriteOptions(rt::ProcessBarOptions{});
    rt::UnitCreateArgs args;
    args.parent = GetDesktopWindow();
    data[0] = 2;
    args.propertyData = data.data();
    args.propertyLength = data.size();
    EXPECT_EQ(rt::units::ProcessBarKind().create(args), nullptr);
    data[0] = 1;
    args.propertyLength = data.size() - 2;
    EXPECT_EQ(rt::units::ProcessBarKind().create(args), nullptr);
}

}  // namespace
