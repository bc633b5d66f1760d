// Push buttons read back from the screen in every scheme: the button-face ring, the outline and
// its rounded corners, the two-pixel band and the first and last rows of the inner face for each
// state. Gradients may differ by one step of rounding; solid colours not at all.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "commands/control_skin/control_skin.h"
#include "tests/commands/control_skin/skin_test_support.h"

namespace {

using rt::commands::skin::Gradient;
using skin_test::GradientAt;

constexpr Gradient Vertical(COLORREF top, COLORREF bottom) { return {top, top, bottom, bottom}; }
constexpr Gradient Flat(COLORREF colour) { return {colour, colour, colour, colour}; }

// The seven gradient rows of each scheme: pressed, hot, checked, focused or default, normal band,
// inner face pressed or checked, inner face otherwise.
const Gradient kRows[3][7] = {
    {Vertical(RGB(209, 204, 193), RGB(242, 241, 238)),
     Vertical(RGB(255, 240, 207), RGB(229, 151, 0)),
     {RGB(214, 203, 189), RGB(214, 207, 198), RGB(247, 243, 239), RGB(247, 243, 239)},
     Vertical(RGB(206, 231, 255), RGB(105, 130, 238)),
     Vertical(RGB(255, 255, 255), RGB(226, 223, 214)),
     {RGB(231, 227, 222), RGB(231, 231, 231), RGB(231, 227, 222), RGB(231, 227, 222)},
     Vertical(RGB(252, 252, 251), RGB(236, 235, 230))},
    {Flat(RGB(239, 227, 206)),
     Vertical(RGB(255, 240, 207), RGB(229, 151, 0)),
     {RGB(214, 203, 189), RGB(214, 207, 198), RGB(247, 243, 239), RGB(247, 243, 239)},
     Vertical(RGB(255, 240, 207), RGB(229, 151, 0)),
     Vertical(RGB(255, 255, 255), RGB(226, 223, 214)),
     Flat(RGB(239, 227, 206)),
     Vertical(RGB(252, 252, 251), RGB(236, 225, 201))},
    {Flat(RGB(239, 227, 206)),
     Vertical(RGB(255, 240, 207), RGB(229, 151, 0)),
     {RGB(214, 203, 189), RGB(214, 207, 198), RGB(247, 243, 239), RGB(247, 243, 239)},
     Vertical(RGB(206, 231, 255), RGB(105, 130, 238)),
     Vertical(RGB(255, 255, 255), RGB(226, 223, 214)),
     Vertical(RGB(179, 178, 197), RGB(252, 252, 251)),
     Vertical(RGB(252, 252, 251), RGB(198, 197, 215))},
};
const COLORREF kOutlines[3] = {RGB(0, 60, 115), RGB(55, 98, 6), RGB(0, 60, 116)};
constexpr COLORREF kDisabledFill = RGB(245, 244, 234);

enum Row { kPressed = 0, kHot, kChecked, kFocused, kNormalBand, kInnerPressed, kInnerNormal };

constexpr int kWidth = 100;
constexpr int kHeight = 30;

struct Look {
    DWORD style;
    std::function<void(HWND)> act;
    int band;  // -1: disabled
    int inner;
};

void ExpectButton(int scheme, const Look& look)
{
    SCOPED_TRACE(testing::Message() << "scheme " << scheme);
    skin_test::HostWindow host;
    skin_test::SkinOn skin(scheme);
    HWND button = host.add(L"Button", L"", look.style, RECT{20, 20, 20 + kWidth, 20 + kHeight});
    skin_test::Pump(30);
    look.act(button);
    std::optional<automation::Image> image = skin_test::Capture(button);
    ASSERT_TRUE(image);
    auto at = [&](int x, int y) { return skin_test::PixelOf(*image, x, y); };
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const bool disabled = look.band < 0;
    const COLORREF outline = disabled ? skin_test::Less(face, 0x20) : kOutlines[scheme - 1];
    EXPECT_COLOUR(at(0, kHeight / 2), face, 0);
    EXPECT_COLOUR(at(kWidth / 2, kHeight - 1), face, 0);
    EXPECT_COLOUR(at(1, kHeight / 2), outline, 0);
    EXPECT_COLOUR(at(kWidth - 2, kHeight / 2), outline, 0);
    EXPECT_COLOUR(at(kWidth / 2, 1), outline, 0);
    const COLORREF corner = disabled ? skin_test::Less(face, 0x15) : face;
    const COLORREF nextToCorner = disabled ? skin_test::Less(face, 0x11) : outline;
    EXPECT_COLOUR(at(1, 1), corner, 0);
    EXPECT_COLOUR(at(kWidth - 2, kHeight - 2), corner, 0);
    EXPECT_COLOUR(at(2, 2), nextToCorner, 0);
    EXPECT_COLOUR(at(kWidth - 3, kHeight - 3), nextToCorner, 0);
    const RECT band{2, 2, kWidth - 2, kHeight - 2};
    const RECT inner{4, 4, kWidth - 4, kHeight - 4};
    if (disabled) {
        EXPECT_COLOUR(at(kWidth / 2, 2), kDisabledFill, 0);
        EXPECT_COLOUR(at(4, 4), kDisabledFill, 0);
        EXPECT_COLOUR(at(4, kHeight - 5), kDisabledFill, 0);
        return;
    }
    const Gradient& bandRow = kRows[scheme - 1][look.band];
    const Gradient& innerRow = kRows[scheme - 1][look.inner];
    EXPECT_COLOUR(at(kWidth / 2, 2), GradientAt(bandRow, band, kWidth / 2, 2), 1);
    EXPECT_COLOUR(at(2, kHeight / 2), GradientAt(bandRow, band, 2, kHeight / 2), 1);
    EXPECT_COLOUR(at(kWidth / 2, kHeight - 3), GradientAt(bandRow, band, kWidth / 2, kHeight - 3), 1);
    EXPECT_COLOUR(at(4, 4), innerRow.topLeft, 0);
    EXPECT_COLOUR(at(4, kHeight - 5), GradientAt(innerRow, inner, 4, kHeight - 5), 1);
    EXPECT_COLOUR(at(kWidth / 2, kHeight - 5), GradientAt(innerRow, inner, kWidth / 2, kHeight - 5), 1);
}

void Nothing(HWND) {}

void Hover(HWND button)
{
    RECT rect;
    GetWindowRect(button, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(kWidth / 2, kHeight / 2));
}

void Press(HWND button) { SendMessageW(button, BM_SETSTATE, TRUE, 0); }
void Focus(HWND button) { SetFocus(button); }
void Disable(HWND button) { EnableWindow(button, FALSE); }
void Check(HWND button) { SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0); }

struct PushButtonPixels : ::testing::TestWithParam<int> {};

TEST_P(PushButtonPixels, Normal) { ExpectButton(GetParam(), {BS_PUSHBUTTON, Nothing, kNormalBand, kInnerNormal}); }
TEST_P(PushButtonPixels, Hot) { ExpectButton(GetParam(), {BS_PUSHBUTTON, Hover, kHot, kInnerNormal}); }
TEST_P(PushButtonPixels, Pressed) { ExpectButton(GetParam(), {BS_PUSHBUTTON, Press, kPressed, kInnerPressed}); }
TEST_P(PushButtonPixels, Default) { ExpectButton(GetParam(), {BS_DEFPUSHBUTTON, Nothing, kFocused, kInnerNormal}); }
TEST_P(PushButtonPixels, Focused) { ExpectButton(GetParam(), {BS_PUSHBUTTON, Focus, kFocused, kInnerNormal}); }
TEST_P(PushButtonPixels, Disabled) { ExpectButton(GetParam(), {BS_PUSHBUTTON, Disable, -1, 0}); }

// A push-like check box is a push button: checked, it shows the checked band and the pressed face.
TEST_P(PushButtonPixels, CheckedPushLike)
{
    ExpectButton(GetParam(), {BS_AUTOCHECKBOX | BS_PUSHLIKE, Check, kChecked, kInnerPressed});
}
TEST_P(PushButtonPixels, PushLikeRadioPressed)
{
    ExpectButton(GetParam(), {BS_AUTORADIOBUTTON | BS_PUSHLIKE, Press, kPressed, kInnerPressed});
}

INSTANTIATE_TEST_SUITE_P(Schemes, PushButtonPixels, ::testing::Values(1, 2, 3));

}  // namespace

namespace {

// Keyboard cues shown or hidden (Alt pressed): the control redraws itself, and the skin after it.
TEST(PushButtonRepaints, KeyboardCueChangesKeepTheSkinsLook)
{
    skin_test::HostWindow host;
    skin_test::SkinOn skin(rt::commands::kSkinSilver);
    HWND button = host.add(L"Button", L"&Open", BS_PUSHBUTTON, RECT{20, 20, 20 + kWidth, 20 + kHeight});
    HWND check = host.add(L"Button", L"&Check", BS_AUTOCHECKBOX, RECT{20, 60, 140, 80});
    HWND group = host.add(L"Button", L"&Group", BS_GROUPBOX, RECT{20, 90, 200, 160});
    skin_test::Pump(30);
    for (WPARAM change :
         {MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS), MAKEWPARAM(UIS_SET, UISF_HIDEACCEL)}) {
        SendMessageW(host.get(), WM_CHANGEUISTATE, change, 0);
        SendMessageW(button, WM_UPDATEUISTATE, change, 0);
        SendMessageW(check, WM_UPDATEUISTATE, change, 0);
        SendMessageW(group, WM_UPDATEUISTATE, change, 0);
        EXPECT_COLOUR(skin_test::PixelOf(*skin_test::Capture(button), 1, kHeight / 2), kOutlines[2], 0);
        EXPECT_COLOUR(skin_test::PixelOf(*skin_test::Capture(check), 0, 6), RGB(24, 81, 132), 0);
        EXPECT_COLOUR(skin_test::PixelOf(*skin_test::Capture(group), 0, 40), RGB(191, 184, 191), 0);
    }
}

}  // namespace
