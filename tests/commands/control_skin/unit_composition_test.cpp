// The skin over the program's own units, which subclass their controls too: whichever of the two
// took the control over first, the unit's procedure stays in place when the skin is switched off,
// the unit keeps working, and destroying the window ends both cleanly.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>

#include "commands/control_skin/control_skin.h"
#include "commands/control_skin/skin_procedure.h"
#include "commands/control_skin/skin_record.h"
#include "controls/buttons/button.h"
#include "controls/edit_box/edit_box.h"
#include "runtime/unit_options/button_options.h"
#include "runtime/unit_options/edit_box_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/runtime_app.h"
#include "runtime/start_runtime.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/window_lifetime.h"
#include "tests/commands/control_skin/skin_test_support.h"
#include "tests/runtime/window/window_test_support.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

constexpr uint32_t kWindow = 0x52000301;
constexpr uint32_t kWindowUnit = 0x06000302;
constexpr uint32_t kButton = 0x16000303;
constexpr uint32_t kNumberBox = 0x16000304;

std::map<uint32_t, int> clicks;

rt::SubReturn OnClick(const int32_t*, int)
{
    clicks[rt::App().currentEventSource.unitId] += 1;
    return {};
}

const rt::ApplicationSub kSubs[] = {OnClick};
const rt::CodeBase kCodeBase{kSubs, 1};

rt::WindowRecord UnitsWindow()
{
    rt::WindowRecord window;
    window.id = kWindow;
    window.units.push_back(window_test::DefaultWindowRecord(kWindowUnit, {20, 20, 300, 200}, rt::kUnitVisible, {}));
    rt::ButtonOptions button;
    button.Caption = "分割";
    window.units.push_back(window_test::Record(kButton, rt::kButtonKind, {10, 10, 100, 30},
                                               rt::kUnitVisible | rt::kUnitTakesFocus, {{0, 0}},
                                               rt::WriteOptions(button)));
    rt::EditBoxOptions number;
    number.InputMode = 7;
    number.SpinMode = 1;
    number.Content = "3";
    window.units.push_back(window_test::Record(kNumberBox, rt::kEditBoxKind, {10, 60, 80, 24},
                                               rt::kUnitVisible | rt::kUnitTakesFocus, {}, rt::WriteOptions(number)));
    return window;
}

HWND Unit(uint32_t id) { return window_test::UnitHandle(kWindow, id); }

std::wstring TextOf(HWND window)
{
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

// The units do what their own tests check of them: a click raises the event, the number box
// refuses a letter.
void ExpectUnitsWork(int clicksBefore)
{
    SendMessageW(Unit(kButton), BM_CLICK, 0, 0);
    window_test::Pump(10);
    EXPECT_EQ(clicks[kButton], clicksBefore + 1);
    SetWindowTextW(Unit(kNumberBox), L"12");
    SendMessageW(Unit(kNumberBox), WM_CHAR, L'x', 0);
    EXPECT_EQ(TextOf(Unit(kNumberBox)), L"12");
}

struct UnitCompositionTest : ::testing::Test {
    static void SetUpTestSuite()
    {
        window_test::StartWindowLayerForTests();
        rt::RegisterUnitKind(rt::units::ButtonKind());
        rt::RegisterUnitKind(rt::units::EditBoxKind());
    }
    void SetUp() override
    {
        clicks.clear();
        ASSERT_TRUE(window_test::InstallTemplates({UnitsWindow()}, kCodeBase));
    }
    void TearDown() override
    {
        rt::commands::SwitchSkinOff();
        rt::DestroyAllWindows();
        window_test::Pump(20);
    }
};

TEST_F(UnitCompositionTest, UnitsSubclassingAfterTheSkinKeepTheirProcedures)
{
    rt::commands::SwitchSkinOn(rt::commands::kSkinSilver);
    ASSERT_TRUE(rt::LoadWindow(kWindow, nullptr, false, false));
    HWND button = Unit(kButton);
    ASSERT_NE(rt::commands::skin::FindSkinRecord(button), nullptr);
    WNDPROC unitProcedure = skin_test::ProcedureOf(button);
    EXPECT_NE(unitProcedure, rt::commands::skin::SkinWindowProcedure);
    ExpectUnitsWork(0);
    EXPECT_NE(rt::commands::SwitchSkinOff(), 0);
    EXPECT_EQ(skin_test::ProcedureOf(button), unitProcedure);
    ExpectUnitsWork(1);
    rt::DestroyAllWindows();
    window_test::Pump(20);
    EXPECT_EQ(Unit(kButton), nullptr);
    EXPECT_EQ(rt::commands::skin::SkinRecordCount(), 0u);
}

TEST_F(UnitCompositionTest, UnitsSubclassingBeforeTheSkinGetTheirProceduresBack)
{
    ASSERT_TRUE(rt::LoadWindow(kWindow, nullptr, false, false));
    HWND button = Unit(kButton);
    HWND box = Unit(kNumberBox);
    WNDPROC buttonProcedure = skin_test::ProcedureOf(button);
    WNDPROC boxProcedure = skin_test::ProcedureOf(box);
    rt::commands::SwitchSkinOn(rt::commands::kSkinSilver);
    EXPECT_EQ(skin_test::ProcedureOf(button), rt::commands::skin::SkinWindowProcedure);
    EXPECT_EQ(rt::commands::skin::FindSkinRecord(box)->savedProcedure, boxProcedure);
    ExpectUnitsWork(0);
    EXPECT_NE(rt::commands::SwitchSkinOff(), 0);
    EXPECT_EQ(skin_test::ProcedureOf(button), buttonProcedure);
    EXPECT_EQ(skin_test::ProcedureOf(box), boxProcedure);
    ExpectUnitsWork(1);
}

TEST_F(UnitCompositionTest, DestroyingSkinnedUnitsEndsUnitAndRecordTogether)
{
    ASSERT_TRUE(rt::LoadWindow(kWindow, nullptr, false, false));
    rt::commands::SwitchSkinOn(rt::commands::kSkinBlue);
    ASSERT_GT(rt::commands::skin::SkinRecordCount(), 0u);
    rt::DestroyAllWindows();
    window_test::Pump(20);
    EXPECT_EQ(Unit(kButton), nullptr);
    EXPECT_EQ(Unit(kNumberBox), nullptr);
    EXPECT_EQ(rt::commands::skin::SkinRecordCount(), 0u);
}

}  // namespace
