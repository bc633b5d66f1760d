// CheckBox and RadioBox in a loaded window: the check state as a property, clicks, Alt mnemonics,
// the radio group of one container, the focus rule, and the looks changed in place.
#include <gtest/gtest.h>

#include <optional>

#include "runtime/unit_options/check_box_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/runtime_service.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/window/unit_kind.h"
#include "tests/controls/buttons/buttons_fixture.h"
#include "tests/runtime/window/window_test_support.h"

namespace {

using namespace buttons_test;

enum : int { kPushLike = 9, kFlat = 10, kTextOnLeft = 12, kHorizontalAlign = 13, kBackColour = 16, kChecked = 18 };

bool CheckedInWindow(uint32_t unitId) { return SendMessageW(UnitHandle(unitId), BM_GETCHECK, 0, 0) == BST_CHECKED; }

struct ChoiceBoxTest : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(LoadButtonsWindow()); }
    void TearDown() override { CloseWindows(); }
};

TEST_F(ChoiceBoxTest, CheckedComesFromTheTemplateAndReadsTheWindow)
{
    EXPECT_TRUE(CheckedInWindow(kRadioA));
    EXPECT_FALSE(CheckedInWindow(kRadioB));
    EXPECT_EQ(Read(kRadioA, kChecked), 1);
    EXPECT_EQ(Read(kCheckBox, kChecked), 0);
    SendMessageW(UnitHandle(kCheckBox), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(Read(kCheckBox, kChecked), 1);
}

TEST_F(ChoiceBoxTest, WritingCheckedSendsTheState)
{
    Write(kCheckBox, kChecked, 1);
    EXPECT_TRUE(CheckedInWindow(kCheckBox));
    Write(kCheckBox, kChecked, 0);
    EXPECT_FALSE(CheckedInWindow(kCheckBox));
    EXPECT_EQ(Clicks(kCheckBox), 0);
}

TEST_F(ChoiceBoxTest, AClickTogglesTheCheckBoxAndRaisesEventZero)
{
    SendMessageW(UnitHandle(kCheckBox), BM_CLICK, 0, 0);
    EXPECT_EQ(Read(kCheckBox, kChecked), 1);
    SendMessageW(UnitHandle(kCheckBox), BM_CLICK, 0, 0);
    EXPECT_EQ(Read(kCheckBox, kChecked), 0);
    EXPECT_EQ(Clicks(kCheckBox), 2);
}

TEST_F(ChoiceBoxTest, ClickingARadioBoxClearsTheOthersOfItsContainerOnly)
{
    Write(kGroupRadioA, kChecked, 1);
    SendMessageW(UnitHandle(kRadioB), BM_CLICK, 0, 0);
    EXPECT_EQ(Read(kRadioB, kChecked), 1);
    EXPECT_EQ(Read(kRadioA, kChecked), 0);
    EXPECT_EQ(Read(kGroupRadioA, kChecked), 1);
    EXPECT_EQ(Clicks(kRadioB), 1);
}

TEST_F(ChoiceBoxTest, AltMnemonicSelectsARadioBoxAndClearsItsGroup)
{
    PostMessageW(UnitHandle(kRadioA), WM_SYSKEYDOWN, 'B', 0);
    window_test::Pump(50);
    EXPECT_EQ(Read(kRadioB, kChecked), 1);
    EXPECT_EQ(Read(kRadioA, kChecked), 0);
    EXPECT_EQ(Clicks(kRadioB), 1);
}

TEST_F(ChoiceBoxTest, AltMnemonicTogglesACheckBox)
{
    PostMessageW(UnitHandle(kRadioA), WM_SYSKEYDOWN, 'C', 0);
    window_test::Pump(50);
    EXPECT_EQ(Read(kCheckBox, kChecked), 1);
    EXPECT_EQ(Clicks(kCheckBox), 1);
}

// Windows' radio buttons report a click to their parent when they get the focus unchecked; Wine's
// do not, so under Wine this shows only that focusing raises nothing.
TEST_F(ChoiceBoxTest, ARadioBoxTakingTheFocusRaisesNoClick)
{
    SetFocus(UnitHandle(kRadioB));
    window_test::Pump(20);
    SetFocus(UnitHandle(kButton));
    window_test::Pump(20);
    EXPECT_EQ(Clicks(kRadioB), 0);
    EXPECT_EQ(Read(kRadioA, kChecked), 1);
}

TEST_F(ChoiceBoxTest, SerialisingKeepsTheCurrentCheckState)
{
    SendMessageW(UnitHandle(kCheckBox), BM_CLICK, 0, 0);
    auto* unit = reinterpret_cast<rt::LiveUnit*>(rt::RuntimeService(rt::kServiceUnitObject, kWindow, kCheckBox));
    std::optional<rt::CheckBoxOptions> options = rt::ReadOptions<rt::CheckBoxOptions>(unit->serialise());
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->Checked);
    EXPECT_EQ(options->Caption, "&Check");
}

TEST_F(ChoiceBoxTest, LooksChangeTheStyleInPlace)
{
    HWND before = UnitHandle(kCheckBox);
    Write(kCheckBox, kPushLike, 1);
    Write(kCheckBox, kFlat, 1);
    Write(kCheckBox, kTextOnLeft, 1);
    Write(kCheckBox, kHorizontalAlign, 2);
    EXPECT_EQ(UnitHandle(kCheckBox), before);
    LONG_PTR style = StyleOf(kCheckBox);
    EXPECT_TRUE(style & BS_PUSHLIKE);
    EXPECT_TRUE(style & BS_FLAT);
    EXPECT_TRUE(style & BS_LEFTTEXT);
    EXPECT_EQ(style & BS_CENTER, BS_RIGHT);
    EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX);
    Write(kCheckBox, kPushLike, 0);
    EXPECT_FALSE(StyleOf(kCheckBox) & BS_PUSHLIKE);
    EXPECT_EQ(StyleOf(kRadioA) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
}

TEST_F(ChoiceBoxTest, BackColourAnswersTheColourRequest)
{
    Write(kCheckBox, kBackColour, static_cast<int32_t>(RGB(10, 20, 30)));
    rt::MemoryDc memory(nullptr);
    HDC dc = memory.get();
    auto brush =
        reinterpret_cast<HBRUSH>(SendMessageW(UnitHandle(kWindowUnit), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                              reinterpret_cast<LPARAM>(UnitHandle(kCheckBox))));
    LOGBRUSH described{};
    ASSERT_TRUE(brush);
    GetObjectW(brush, sizeof described, &described);
    EXPECT_EQ(described.lbColor, RGB(10, 20, 30));
    EXPECT_EQ(GetBkColor(dc), RGB(10, 20, 30));
}

}  // namespace
