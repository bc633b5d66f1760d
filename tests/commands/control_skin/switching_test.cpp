// Switching the skin on and off: one record per window and one hook however often it is switched
// on, windows created later taken over as they are created, every window's own procedure back at
// switch-off, and another procedure subclassing the same control before or after the skin.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>

#include "commands/control_skin/control_skin.h"
#include "commands/control_skin/skin_procedure.h"
#include "commands/control_skin/skin_record.h"
#include "tests/commands/control_skin/skin_test_support.h"

namespace {

using rt::commands::skin::FindSkinRecord;
using rt::commands::skin::SkinRecordCount;
using rt::commands::skin::SkinRecordCountOf;
using skin_test::HostWindow;
using skin_test::ProcedureOf;

struct SwitchingTest : ::testing::Test {
    void TearDown() override { rt::commands::SwitchSkinOff(); }
};

TEST_F(SwitchingTest, SwitchingOffBeforeAnySwitchOnChangesNothing)
{
    EXPECT_EQ(rt::commands::SwitchSkinOff(), 0);
    EXPECT_EQ(SkinRecordCount(), 0u);
}

TEST_F(SwitchingTest, SwitchingOnTwiceLeavesOneRecordPerWindowAndOneHook)
{
    HostWindow host;
    HWND button = host.add(L"Button", L"OK", BS_PUSHBUTTON, RECT{10, 10, 90, 35});
    HWND edit = host.add(L"Edit", L"1", WS_BORDER, RECT{10, 50, 90, 72});
    EXPECT_EQ(rt::commands::SwitchSkinOn(rt::commands::kSkinBlue), 1);
    EXPECT_EQ(rt::commands::SwitchSkinOn(rt::commands::kSkinSilver), 1);
    EXPECT_EQ(SkinRecordCountOf(button), 1u);
    EXPECT_EQ(SkinRecordCountOf(edit), 1u);
    EXPECT_EQ(SkinRecordCount(), 2u);
    // A second hook left behind would still take over windows created after the switch-off.
    EXPECT_NE(rt::commands::SwitchSkinOff(), 0);
    HWND later = host.add(L"Button", L"Later", BS_PUSHBUTTON, RECT{100, 10, 180, 35});
    EXPECT_EQ(FindSkinRecord(later), nullptr);
    EXPECT_EQ(rt::commands::SwitchSkinOff(), 0);
}

TEST_F(SwitchingTest, AWindowCreatedAfterSwitchOnIsTakenOverAtItsCreation)
{
    HostWindow host;
    rt::commands::SwitchSkinOn(rt::commands::kSkinOlive);
    // No message has been dispatched since the creation: only the hook can have taken it over.
    HWND check = host.add(L"Button", L"Check", BS_AUTOCHECKBOX, RECT{10, 10, 120, 30});
    rt::commands::skin::SkinRecord* record = FindSkinRecord(check);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->kind, rt::commands::skin::SkinKind::kCheckBox);
    EXPECT_EQ(ProcedureOf(check), rt::commands::skin::SkinWindowProcedure);
    // The control works through the skin: its own procedure got its creation message.
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(record->state.checked);
}

TEST_F(SwitchingTest, TheInitialStateIsReadFromTheWindow)
{
    HostWindow host;
    HWND defaultButton = host.add(L"Button", L"Go", BS_DEFPUSHBUTTON, RECT{10, 10, 90, 35});
    HWND disabled = host.add(L"Button", L"Off", BS_PUSHBUTTON | WS_DISABLED, RECT{100, 10, 180, 35});
    HWND three = host.add(L"Button", L"Three", BS_AUTO3STATE, RECT{10, 40, 120, 60});
    HWND readOnly = host.add(L"Edit", L"ro", ES_READONLY | WS_BORDER, RECT{10, 70, 90, 92});
    HWND list = host.add(L"ComboBox", L"", CBS_DROPDOWNLIST, RECT{10, 100, 120, 200});
    SendMessageW(three, BM_SETCHECK, BST_INDETERMINATE, 0);
    SetFocus(readOnly);
    rt::commands::SwitchSkinOn(rt::commands::kSkinSilver);
    EXPECT_TRUE(FindSkinRecord(defaultButton)->state.defaultPush);
    EXPECT_TRUE(FindSkinRecord(disabled)->state.disabled);
    EXPECT_TRUE(FindSkinRecord(three)->state.indeterminate);
    EXPECT_FALSE(FindSkinRecord(three)->state.checked);
    EXPECT_TRUE(FindSkinRecord(readOnly)->state.readOnly);
    EXPECT_TRUE(FindSkinRecord(readOnly)->state.focused);
    EXPECT_TRUE(FindSkinRecord(list)->state.dropDownList);
    EXPECT_FALSE(FindSkinRecord(defaultButton)->state.focused);
}

TEST_F(SwitchingTest, SwitchOffGivesEveryWindowItsOwnProcedureBack)
{
    HostWindow host;
    std::map<HWND, WNDPROC> own;
    for (HWND window : {host.add(L"Button", L"A", BS_PUSHBUTTON, RECT{0, 0, 60, 20}),
                        host.add(L"Button", L"B", BS_AUTORADIOBUTTON, RECT{0, 30, 60, 50}),
                        host.add(L"Button", L"G", BS_GROUPBOX, RECT{70, 0, 200, 100}),
                        host.add(L"Edit", L"e", WS_BORDER, RECT{0, 60, 60, 80}),
                        host.add(L"ComboBox", L"", CBS_DROPDOWN, RECT{0, 90, 100, 200})}) {
        own[window] = ProcedureOf(window);
    }
    rt::commands::SwitchSkinOn(rt::commands::kSkinSilver);
    for (const auto& [window, procedure] : own) {
        EXPECT_EQ(ProcedureOf(window), rt::commands::skin::SkinWindowProcedure);
    }
    EXPECT_NE(rt::commands::SwitchSkinOff(), 0);
    for (const auto& [window, procedure] : own) {
        EXPECT_EQ(ProcedureOf(window), procedure);
    }
    EXPECT_EQ(SkinRecordCount(), 0u);
}

// Another subclass of the kind the program's units make: it keeps the procedure it replaced and
// passes every message on to it, and counts the messages it saw by window.
std::map<HWND, WNDPROC> replaced;
std::map<HWND, int> finalMessages;

LRESULT CALLBACK Counting(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC next = replaced[window];
    if (message == WM_NCDESTROY) {
        ++finalMessages[window];
        replaced.erase(window);
    }
    return CallWindowProcW(next, window, message, wParam, lParam);
}

void SubclassWithCounting(HWND window)
{
    replaced[window] =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Counting)));
}

struct ForeignSubclassTest : SwitchingTest {
    void SetUp() override
    {
        replaced.clear();
        finalMessages.clear();
    }
};

TEST_F(ForeignSubclassTest, ASubclassOverTheSkinKeepsItsProcedureAtSwitchOff)
{
    HostWindow host;
    rt::commands::SwitchSkinOn(rt::commands::kSkinSilver);
    HWND check = host.add(L"Button", L"Check", BS_AUTOCHECKBOX, RECT{10, 10, 120, 30});
    SubclassWithCounting(check);
    ASSERT_EQ(replaced[check], rt::commands::skin::SkinWindowProcedure);
    EXPECT_NE(rt::commands::SwitchSkinOff(), 0);
    EXPECT_EQ(ProcedureOf(check), Counting);
    // The skin still passes messages on, now without painting.
    ASSERT_NE(FindSkinRecord(check), nullptr);
    EXPECT_FALSE(FindSkinRecord(check)->attached);
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    // Switched on again, the same record takes the window up again.
    rt::commands::SwitchSkinOn(rt::commands::kSkinBlue);
    EXPECT_EQ(SkinRecordCountOf(check), 1u);
    EXPECT_TRUE(FindSkinRecord(check)->attached);
    EXPECT_TRUE(FindSkinRecord(check)->state.checked);
    EXPECT_EQ(ProcedureOf(check), Counting);
    rt::commands::SwitchSkinOff();
    DestroyWindow(check);
    EXPECT_EQ(finalMessages[check], 1);
    EXPECT_EQ(SkinRecordCount(), 0u);
}

TEST_F(ForeignSubclassTest, ASubclassOverTheSkinEndsWithItsWindow)
{
    HostWindow host;
    rt::commands::SwitchSkinOn(rt::commands::kSkinSilver);
    HWND button = host.add(L"Button", L"OK", BS_PUSHBUTTON, RECT{10, 10, 90, 35});
    SubclassWithCounting(button);
    DestroyWindow(button);
    EXPECT_EQ(finalMessages[button], 1);
    EXPECT_EQ(FindSkinRecord(button), nullptr);
    EXPECT_EQ(SkinRecordCount(), 0u);
}

TEST_F(ForeignSubclassTest, ASubclassUnderTheSkinGetsItsProcedureBack)
{
    HostWindow host;
    HWND edit = host.add(L"Edit", L"text", WS_BORDER, RECT{10, 10, 90, 32});
    HWND button = host.add(L"Button", L"OK", BS_PUSHBUTTON, RECT{10, 50, 90, 75});
    SubclassWithCounting(edit);
    SubclassWithCounting(button);
    rt::commands::SwitchSkinOn(rt::commands::kSkinOlive);
    EXPECT_EQ(FindSkinRecord(edit)->savedProcedure, Counting);
    EXPECT_NE(rt::commands::SwitchSkinOff(), 0);
    EXPECT_EQ(ProcedureOf(edit), Counting);
    EXPECT_EQ(ProcedureOf(button), Counting);
    rt::commands::SwitchSkinOn(rt::commands::kSkinOlive);
    DestroyWindow(edit);
    EXPECT_EQ(finalMessages[edit], 1);
    EXPECT_EQ(FindSkinRecord(edit), nullptr);
    DestroyWindow(button);
    EXPECT_EQ(finalMessages[button], 1);
    EXPECT_EQ(SkinRecordCount(), 0u);
}

TEST_F(SwitchingTest, DestroyingASkinnedWindowForgetsItsRecord)
{
    HostWindow host;
    rt::commands::SwitchSkinOn(rt::commands::kSkinSilver);
    HWND group = host.add(L"Button", L"Group", BS_GROUPBOX, RECT{10, 10, 200, 100});
    HWND inside =
        skin_test::CreateControl(group, L"Button", L"In", BS_AUTOCHECKBOX | WS_VISIBLE, RECT{10, 20, 100, 40});
    EXPECT_EQ(SkinRecordCount(), 2u);
    DestroyWindow(group);
    EXPECT_FALSE(IsWindow(inside));
    EXPECT_EQ(SkinRecordCount(), 0u);
}

// A style change that makes a button a picture button gives the button its own look back.
TEST_F(SwitchingTest, AButtonThatTurnsIntoAPictureButtonIsLetGo)
{
    HostWindow host;
    rt::commands::SwitchSkinOn(rt::commands::kSkinSilver);
    HWND button = host.add(L"Button", L"OK", BS_PUSHBUTTON, RECT{10, 10, 90, 35});
    WNDPROC own = FindSkinRecord(button)->savedProcedure;
    SetWindowLongPtrW(button, GWL_STYLE, GetWindowLongPtrW(button, GWL_STYLE) | BS_ICON);
    EXPECT_EQ(FindSkinRecord(button), nullptr);
    EXPECT_EQ(ProcedureOf(button), own);
    HWND check = host.add(L"Button", L"Check", BS_AUTOCHECKBOX, RECT{10, 40, 120, 60});
    SetWindowLongPtrW(check, GWL_STYLE, GetWindowLongPtrW(check, GWL_STYLE) | BS_PUSHLIKE);
    ASSERT_NE(FindSkinRecord(check), nullptr);
    EXPECT_EQ(FindSkinRecord(check)->kind, rt::commands::skin::SkinKind::kPushButton);
}

}  // namespace
