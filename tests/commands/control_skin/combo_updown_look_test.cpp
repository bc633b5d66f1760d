// Combo boxes, their open lists and up-downs have a look of the skin's own: the frame in the
// scheme colour and buttons like small push buttons whose pictures differ for normal, hot,
// pressed, focused and disabled, in every scheme.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "commands/control_skin/control_skin.h"
#include "tests/commands/control_skin/skin_test_support.h"

namespace {

const COLORREF kSchemeColours[3] = {RGB(123, 158, 189), RGB(164, 185, 127), RGB(198, 197, 215)};

// The pixels of a part of a captured window.
std::vector<uint8_t> Part(const automation::Image& image, const RECT& part)
{
    std::vector<uint8_t> pixels;
    for (int y = part.top; y < part.bottom; ++y) {
        for (int x = part.left; x < part.right; ++x) {
            COLORREF colour = skin_test::PixelOf(image, x, y);
            pixels.insert(pixels.end(), {GetRValue(colour), GetGValue(colour), GetBValue(colour)});
        }
    }
    return pixels;
}

// Every two of the looks differ.
void ExpectAllDifferent(const std::map<std::string, std::vector<uint8_t>>& looks)
{
    for (auto a = looks.begin(); a != looks.end(); ++a) {
        for (auto b = std::next(a); b != looks.end(); ++b) {
            EXPECT_NE(a->second, b->second) << a->first << " looks like " << b->first;
        }
    }
}

// The mouse away from every test window, so that only the test's own messages make a control hot.
void MouseAway()
{
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    skin_test::Pump(20);
}

struct ComboUpDownLook : ::testing::TestWithParam<int> {
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&classes);
    }
    void SetUp() override { MouseAway(); }
};

TEST_P(ComboUpDownLook, TheComboBoxsButtonShowsEachState)
{
    const int scheme = GetParam();
    skin_test::HostWindow host;
    skin_test::SkinOn skin(scheme);
    HWND combo = host.add(L"ComboBox", L"", CBS_DROPDOWNLIST, RECT{20, 20, 170, 200});
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"first"));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    skin_test::Pump(30);
    RECT window;
    GetWindowRect(combo, &window);
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;
    const int buttonWidth = GetSystemMetrics(SM_CXVSCROLL);
    const RECT button{w - 2 - buttonWidth, 2, w - 2, h - 2};
    std::map<std::string, std::vector<uint8_t>> looks;

    automation::Image normal = skin_test::Shot(combo);
    EXPECT_COLOUR(skin_test::PixelOf(normal, 0, h / 2), kSchemeColours[scheme - 1], 0);
    EXPECT_COLOUR(skin_test::PixelOf(normal, 1, h / 2), GetSysColor(COLOR_WINDOW), 0);
    looks["normal"] = Part(normal, button);

    SetCursorPos(window.right - 5, window.top + 5);
    SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(w - 5, 5));
    looks["hot"] = Part(skin_test::Shot(combo), button);
    MouseAway();
    SendMessageW(combo, WM_MOUSELEAVE, 0, 0);

    SendMessageW(combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(w - 5, h / 2));
    looks["pressed"] = Part(skin_test::Shot(combo), button);
    SendMessageW(combo, WM_LBUTTONUP, 0, MAKELPARAM(w - 5, h / 2));
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    skin_test::Pump(20);

    SetFocus(combo);
    looks["focused"] = Part(skin_test::Shot(combo), button);
    SetFocus(nullptr);

    EnableWindow(combo, FALSE);
    automation::Image disabled = skin_test::Shot(combo);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_COLOUR(skin_test::PixelOf(disabled, 0, h / 2),
                  RGB(GetRValue(face) - 0x20, GetGValue(face) - 0x20, GetBValue(face) - 0x20), 0);
    EXPECT_COLOUR(skin_test::PixelOf(disabled, 1, h / 2), face, 0);
    looks["disabled"] = Part(disabled, button);
    ExpectAllDifferent(looks);
}

TEST_P(ComboUpDownLook, TheOpenListsFrameShowsEachState)
{
    const int scheme = GetParam();
    skin_test::HostWindow host;
    skin_test::SkinOn skin(scheme);
    HWND combo = host.add(L"ComboBox", L"", CBS_DROPDOWNLIST, RECT{20, 20, 170, 200});
    for (const wchar_t* item : {L"one", L"two", L"three"}) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    COMBOBOXINFO info{sizeof info};
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    skin_test::Pump(30);
    HWND list = info.hwndList;
    ASSERT_TRUE(IsWindowVisible(list));
    auto frame = [&] {
        automation::Image image = skin_test::Shot(list);
        return skin_test::PixelOf(image, 0, image.height / 2);
    };
    std::map<std::string, std::vector<uint8_t>> looks;
    auto keep = [&](const char* name) {
        COLORREF colour = frame();
        looks[name] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    };
    EXPECT_COLOUR(frame(), kSchemeColours[scheme - 1], 0);
    keep("normal");
    SendMessageW(list, WM_SETFOCUS, 0, 0);
    keep("focused");
    SendMessageW(list, WM_KILLFOCUS, 0, 0);
    RECT rect;
    GetWindowRect(list, &rect);
    SetCursorPos(rect.left + 5, rect.top + 5);
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    keep("hot");
    // The list closes when the button is released over it, not before.
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(IsWindowVisible(list));
    keep("pressed");
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EnableWindow(list, FALSE);
    keep("disabled");
    EnableWindow(list, TRUE);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(looks.size(), 5u);
    ExpectAllDifferent(looks);
}

TEST_P(ComboUpDownLook, TheUpDownsHalvesShowEachState)
{
    const int scheme = GetParam();
    skin_test::HostWindow host;
    // An up-down sets its own style at creation, shown already, and so is never invalidated:
    // taken over by the switch-on, it is redrawn.
    HWND upDown = host.add(UPDOWN_CLASSW, L"", 0, RECT{20, 20, 38, 60});
    SendMessageW(upDown, UDM_SETRANGE32, 0, 10);
    skin_test::SkinOn skin(scheme);
    skin_test::Pump(30);
    const RECT upper{0, 0, 18, 20};
    std::map<std::string, std::vector<uint8_t>> looks;
    automation::Image normal = skin_test::Shot(upDown);
    looks["normal"] = Part(normal, upper);
    // The two halves are two buttons with opposite arrows.
    EXPECT_NE(Part(normal, upper), Part(normal, RECT{0, 20, 18, 40}));

    RECT window;
    GetWindowRect(upDown, &window);
    SetCursorPos(window.left + 9, window.top + 5);
    SendMessageW(upDown, WM_MOUSEMOVE, 0, MAKELPARAM(9, 5));
    automation::Image hot = skin_test::Shot(upDown);
    looks["hot"] = Part(hot, upper);
    // Only the half under the mouse is hot.
    EXPECT_EQ(Part(hot, RECT{0, 20, 18, 40}), Part(normal, RECT{0, 20, 18, 40}));

    SendMessageW(upDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, 5));
    UpdateWindow(upDown);
    looks["pressed"] = Part(skin_test::Shot(upDown), upper);
    SendMessageW(upDown, WM_LBUTTONUP, 0, MAKELPARAM(9, 5));
    MouseAway();
    SendMessageW(upDown, WM_MOUSELEAVE, 0, 0);

    SendMessageW(upDown, WM_SETFOCUS, 0, 0);
    looks["focused"] = Part(skin_test::Shot(upDown), upper);
    SendMessageW(upDown, WM_KILLFOCUS, 0, 0);

    EnableWindow(upDown, FALSE);
    looks["disabled"] = Part(skin_test::Shot(upDown), upper);
    ExpectAllDifferent(looks);
}

TEST_P(ComboUpDownLook, AHorizontalUpDownSplitsLeftAndRight)
{
    skin_test::HostWindow host;
    HWND upDown = host.add(UPDOWN_CLASSW, L"", UDS_HORZ, RECT{20, 20, 60, 38});
    skin_test::SkinOn skin(GetParam());
    skin_test::Pump(30);
    automation::Image normal = skin_test::Shot(upDown);
    const RECT left{0, 0, 20, 18};
    const RECT right{20, 0, 40, 18};
    RECT window;
    GetWindowRect(upDown, &window);
    SetCursorPos(window.left + 30, window.top + 9);
    SendMessageW(upDown, WM_MOUSEMOVE, 0, MAKELPARAM(30, 9));
    automation::Image hot = skin_test::Shot(upDown);
    EXPECT_EQ(Part(hot, left), Part(normal, left));
    EXPECT_NE(Part(hot, right), Part(normal, right));
}

INSTANTIATE_TEST_SUITE_P(Schemes, ComboUpDownLook, ::testing::Values(1, 2, 3));

}  // namespace
