// Windows of every skinned kind created, used and destroyed on the skinned thread while the skin
// is switched on and off again and again: nothing crashes, no record is left, and the process's
// GDI and USER objects and the thread's windows are back to where they started.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "commands/control_skin/control_skin.h"
#include "commands/control_skin/skin_record.h"
#include "tests/commands/control_skin/skin_test_support.h"

namespace {

constexpr int kRounds = 30;

std::vector<HWND> CreateControls(const skin_test::HostWindow& host)
{
    std::vector<HWND> controls = {
        host.add(L"Button", L"Push", BS_PUSHBUTTON, RECT{10, 10, 90, 35}),
        host.add(L"Button", L"Default", BS_DEFPUSHBUTTON, RECT{100, 10, 180, 35}),
        host.add(L"Button", L"Check", BS_AUTO3STATE, RECT{10, 40, 120, 60}),
        host.add(L"Button", L"Radio", BS_AUTORADIOBUTTON, RECT{130, 40, 240, 60}),
        host.add(L"Button", L"Like", BS_AUTOCHECKBOX | BS_PUSHLIKE, RECT{250, 40, 330, 60}),
        host.add(L"Edit", L"12", 0, RECT{10, 70, 90, 92}, WS_EX_CLIENTEDGE),
        host.add(L"ComboBox", L"", CBS_DROPDOWN, RECT{100, 70, 220, 200}),
        host.add(L"ComboBox", L"", CBS_DROPDOWNLIST, RECT{230, 70, 350, 200}),
        host.add(L"ListBox", L"", 0, RECT{10, 200, 90, 260}),
    };
    HWND group = host.add(L"Button", L"Group", BS_GROUPBOX, RECT{10, 100, 200, 190});
    controls.push_back(group);
    controls.push_back(
        skin_test::CreateControl(group, L"Button", L"Inner", BS_AUTOCHECKBOX | WS_VISIBLE, RECT{10, 20, 120, 40}));
    HWND spin = host.add(UPDOWN_CLASSW, L"", UDS_ALIGNRIGHT, RECT{0, 0, 16, 22});
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(controls[5]), 0);
    controls.push_back(spin);
    return controls;
}

// What a user does to the controls: hover, press, check, focus, disable, and a look at a list.
void UseControls(const std::vector<HWND>& controls)
{
    for (HWND control : controls) {
        SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        SendMessageW(control, BM_SETSTATE, TRUE, 0);
        SendMessageW(control, BM_SETSTATE, FALSE, 0);
        SendMessageW(control, BM_SETCHECK, BST_INDETERMINATE, 0);
        SendMessageW(control, WM_MOUSELEAVE, 0, 0);
        EnableWindow(control, FALSE);
        EnableWindow(control, TRUE);
    }
    SetFocus(controls[0]);
    SendMessageW(controls[7], CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(controls[7], CB_SHOWDROPDOWN, FALSE, 0);
    InvalidateRect(GetParent(controls[0]), nullptr, TRUE);
}

// One round: a window with its controls, the skin switched while they live, half of them
// destroyed before the window.
void Round(int round)
{
    if (round % 3 == 0) {
        rt::commands::SwitchSkinOn(1 + round % 3);
    }
    skin_test::HostWindow host;
    std::vector<HWND> controls = CreateControls(host);
    UseControls(controls);
    skin_test::Pump(2);
    if (round % 2 == 0) {
        rt::commands::SwitchSkinOff();
    } else {
        rt::commands::SwitchSkinOn(1 + round % 3);
    }
    UseControls(controls);
    for (size_t i = 0; i < controls.size(); i += 2) {
        DestroyWindow(controls[i]);
    }
}

TEST(SkinStress, WindowsComeAndGoWhileTheSkinIsSwitchedOnAndOff)
{
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    // A first round lets the system make what it keeps for the process (classes, cached contexts).
    Round(1);
    rt::commands::SwitchSkinOff();
    skin_test::Pump(20);
    const long gdiObjects = skin_test::LiveGdiObjects();
    const long userObjects = skin_test::UserObjects();
    const long windows = skin_test::ThreadWindows();
    for (int round = 0; round < kRounds; ++round) {
        Round(round);
    }
    rt::commands::SwitchSkinOff();
    skin_test::Pump(20);
    EXPECT_EQ(rt::commands::skin::SkinRecordCount(), 0u);
    EXPECT_EQ(skin_test::ThreadWindows(), windows);
    EXPECT_EQ(skin_test::LiveGdiObjects(), gdiObjects);
    EXPECT_EQ(skin_test::UserObjects(), userObjects);
    EXPECT_GT(gdiObjects, 0);
}

}  // namespace
