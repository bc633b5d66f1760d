// Check boxes and radio buttons read back from the screen: the box's outline and inside, the tick
// column by column, the indeterminate square, the radio ring, disc and checked dot, and where the
// box stands for each layout style. They look the same in every scheme.
#include <gtest/gtest.h>

#include <windows.h>

#include "commands/control_skin/control_skin.h"
#include "tests/commands/control_skin/skin_test_support.h"

namespace {

using rt::commands::skin::Gradient;
using skin_test::GradientAt;

constexpr int kWidth = 120;
constexpr int kHeight = 20;
constexpr COLORREF kBoxOutline = RGB(24, 81, 132);
constexpr COLORREF kTick = RGB(33, 162, 33);
constexpr Gradient kInsideNormal = {RGB(222, 223, 214), RGB(247, 243, 239), RGB(247, 243, 239), RGB(255, 255, 255)};
constexpr Gradient kInsidePressed = {RGB(181, 178, 165), RGB(214, 215, 206), RGB(214, 215, 206), RGB(247, 239, 222)};
constexpr Gradient kCheckHot = {RGB(255, 243, 206), RGB(255, 203, 99), RGB(255, 203, 99), RGB(255, 178, 49)};
constexpr Gradient kRadioHot = {RGB(255, 223, 156), RGB(255, 195, 82), RGB(255, 203, 99), RGB(255, 186, 57)};
constexpr Gradient kDot = {RGB(173, 223, 165), RGB(41, 170, 33), RGB(41, 170, 33), RGB(16, 146, 16)};
constexpr Gradient kDotDisabled = {RGB(214, 215, 206), RGB(198, 195, 189), RGB(198, 195, 189), RGB(198, 190, 181)};
constexpr int kTickStart[7] = {2, 3, 4, 3, 2, 1, 0};

struct ChoicePixels : ::testing::Test {
    skin_test::HostWindow host;
    skin_test::SkinOn skin{rt::commands::kSkinOlive};

    HWND add(DWORD style, int height = kHeight)
    {
        HWND control = host.add(L"Button", L"Choice", style, RECT{20, 20, 20 + kWidth, 20 + height});
        skin_test::Pump(20);
        return control;
    }
    static void Hover(HWND control)
    {
        RECT rect;
        GetWindowRect(control, &rect);
        SetCursorPos(rect.left + 5, rect.top + 5);
        SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    }
};

// The box stands at (left, top); its inside is the 11 x 11 area within the outline.
void ExpectBox(const automation::Image& image, int left, int top, COLORREF outline, const Gradient& inside)
{
    auto at = [&](int x, int y) { return skin_test::PixelOf(image, left + x, top + y); };
    EXPECT_COLOUR(at(0, 6), outline, 0);
    EXPECT_COLOUR(at(12, 6), outline, 0);
    EXPECT_COLOUR(at(6, 0), outline, 0);
    EXPECT_COLOUR(at(6, 12), outline, 0);
    const RECT area{1, 1, 12, 12};
    EXPECT_COLOUR(at(1, 1), inside.topLeft, 0);
    EXPECT_COLOUR(at(2, 10), GradientAt(inside, area, 2, 10), 1);
    EXPECT_COLOUR(at(10, 1), GradientAt(inside, area, 10, 1), 1);
}

void ExpectTick(const automation::Image& image, COLORREF tick)
{
    for (int x = 0; x < 7; ++x) {
        SCOPED_TRACE(x);
        for (int y = 0; y < 7; ++y) {
            const COLORREF pixel = skin_test::PixelOf(image, 3 + x, 3 + y);
            const bool inTick = y >= kTickStart[x] && y < kTickStart[x] + 3;
            if (inTick) {
                EXPECT_COLOUR(pixel, tick, 0);
            } else {
                EXPECT_FALSE(skin_test::Near(pixel, tick, 0)) << "row " << y;
            }
        }
    }
}

void ExpectSquare(const automation::Image& image, COLORREF colour)
{
    for (int y = 3; y < 10; ++y) {
        for (int x = 3; x < 10; ++x) {
            EXPECT_COLOUR(skin_test::PixelOf(image, x, y), colour, 0);
        }
    }
}

TEST_F(ChoicePixels, CheckBoxBoxAndBackground)
{
    HWND box = add(BS_AUTOCHECKBOX);
    automation::Image image = skin_test::Shot(box);
    ExpectBox(image, 0, 0, kBoxOutline, kInsideNormal);
    // Unchecked and cold, the inside is the gradient all through.
    EXPECT_COLOUR(skin_test::PixelOf(image, 6, 6), GradientAt(kInsideNormal, RECT{1, 1, 12, 12}, 6, 6), 1);
    EXPECT_COLOUR(skin_test::PixelOf(image, kWidth - 1, kHeight - 1), skin_test::kParentBack, 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, 14, 16), skin_test::kParentBack, 0);
}

TEST_F(ChoicePixels, CheckBoxTickIsSevenColumnsThreePixelsTall)
{
    HWND box = add(BS_AUTOCHECKBOX);
    SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    ExpectTick(skin_test::Shot(box), kTick);
}

TEST_F(ChoicePixels, CheckBoxHotAndPressed)
{
    HWND box = add(BS_AUTOCHECKBOX);
    Hover(box);
    automation::Image hot = skin_test::Shot(box);
    ExpectBox(hot, 0, 0, kBoxOutline, kCheckHot);
    EXPECT_COLOUR(skin_test::PixelOf(hot, 6, 6), RGB(231, 231, 231), 0);
    SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    automation::Image hotChecked = skin_test::Shot(box);
    EXPECT_COLOUR(skin_test::PixelOf(hotChecked, 3, 3), RGB(247, 247, 247), 0);
    ExpectTick(hotChecked, kTick);
    SendMessageW(box, BM_SETSTATE, TRUE, 0);
    ExpectBox(skin_test::Shot(box), 0, 0, kBoxOutline, kInsidePressed);
}

TEST_F(ChoicePixels, CheckBoxIndeterminateSquareByState)
{
    HWND box = add(BS_AUTO3STATE);
    SendMessageW(box, BM_SETCHECK, BST_INDETERMINATE, 0);
    ExpectSquare(skin_test::Shot(box), RGB(115, 195, 115));
    Hover(box);
    ExpectSquare(skin_test::Shot(box), RGB(33, 162, 33));
    SendMessageW(box, BM_SETSTATE, TRUE, 0);
    ExpectSquare(skin_test::Shot(box), RGB(24, 138, 24));
    SendMessageW(box, BM_SETSTATE, FALSE, 0);
    EnableWindow(box, FALSE);
    ExpectSquare(skin_test::Shot(box), RGB(206, 203, 189));
}

TEST_F(ChoicePixels, CheckBoxDisabled)
{
    HWND box = add(BS_AUTOCHECKBOX);
    SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    EnableWindow(box, FALSE);
    automation::Image image = skin_test::Shot(box);
    const COLORREF outline = skin_test::Less(GetSysColor(COLOR_BTNFACE), 0x20);
    EXPECT_COLOUR(skin_test::PixelOf(image, 0, 6), outline, 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, 1, 1), RGB(255, 255, 255), 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, 11, 11), RGB(255, 255, 255), 0);
    ExpectTick(image, RGB(206, 203, 189));
}

TEST_F(ChoicePixels, CheckBoxLayoutStyles)
{
    automation::Image right = skin_test::Shot(add(BS_AUTOCHECKBOX | BS_LEFTTEXT));
    ExpectBox(right, kWidth - 13, 0, kBoxOutline, kInsideNormal);
    DestroyWindow(FindWindowExW(host.get(), nullptr, L"Button", nullptr));
    automation::Image centred = skin_test::Shot(add(BS_AUTOCHECKBOX | BS_VCENTER, 30));
    ExpectBox(centred, 0, (30 - 13) / 2, kBoxOutline, kInsideNormal);
    DestroyWindow(FindWindowExW(host.get(), nullptr, L"Button", nullptr));
    automation::Image bottom = skin_test::Shot(add(BS_AUTOCHECKBOX | BS_BOTTOM, 30));
    ExpectBox(bottom, 0, 30 - 13, kBoxOutline, kInsideNormal);
    DestroyWindow(FindWindowExW(host.get(), nullptr, L"Button", nullptr));
    automation::Image top = skin_test::Shot(add(BS_AUTOCHECKBOX | BS_TOP, 30));
    ExpectBox(top, 0, 0, kBoxOutline, kInsideNormal);
}

// The radio box spans x = -1 to 15 and y = 0 to 16; its disc has the bounds (0, 1) to (13, 14).
constexpr RECT kGradientArea{2, 3, 11, 12};
constexpr RECT kDotArea{4, 5, 9, 10};

TEST_F(ChoicePixels, RadioRingAndDisc)
{
    HWND radio = add(BS_AUTORADIOBUTTON);
    automation::Image image = skin_test::Shot(radio);
    EXPECT_COLOUR(skin_test::PixelOf(image, 0, 7), RGB(33, 85, 132), 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, 12, 7), RGB(33, 85, 132), 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, 6, 1), RGB(33, 85, 132), 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, 1, 7), RGB(181, 195, 206), 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, 6, 7), GradientAt(kInsideNormal, kGradientArea, 6, 7), 1);
    EXPECT_COLOUR(skin_test::PixelOf(image, 15, 7), skin_test::kParentBack, 0);
}

TEST_F(ChoicePixels, RadioCheckedDot)
{
    HWND radio = add(BS_AUTORADIOBUTTON);
    SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
    automation::Image image = skin_test::Shot(radio);
    EXPECT_COLOUR(skin_test::PixelOf(image, 3, 7), RGB(156, 203, 148), 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, 9, 7), RGB(156, 203, 148), 0);
    for (auto [x, y] : {std::pair{6, 7}, std::pair{4, 7}, std::pair{6, 5}, std::pair{8, 7}, std::pair{6, 9}}) {
        EXPECT_COLOUR(skin_test::PixelOf(image, x, y), GradientAt(kDot, kDotArea, x, y), 1) << x << "," << y;
    }
    EnableWindow(radio, FALSE);
    automation::Image disabled = skin_test::Shot(radio);
    EXPECT_COLOUR(skin_test::PixelOf(disabled, 0, 7), skin_test::Less(GetSysColor(COLOR_BTNFACE), 0x20), 0);
    EXPECT_COLOUR(skin_test::PixelOf(disabled, 1, 7), skin_test::Less(GetSysColor(COLOR_BTNFACE), 0x10), 0);
    EXPECT_COLOUR(skin_test::PixelOf(disabled, 3, 7), RGB(214, 211, 206), 0);
    EXPECT_COLOUR(skin_test::PixelOf(disabled, 6, 7), GradientAt(kDotDisabled, kDotArea, 6, 7), 1);
    EXPECT_COLOUR(skin_test::PixelOf(disabled, 10, 7), RGB(255, 255, 255), 0);
}

TEST_F(ChoicePixels, RadioHotAndPressed)
{
    HWND radio = add(BS_AUTORADIOBUTTON);
    Hover(radio);
    automation::Image hot = skin_test::Shot(radio);
    EXPECT_COLOUR(skin_test::PixelOf(hot, 6, 7), RGB(247, 239, 222), 0);
    EXPECT_COLOUR(skin_test::PixelOf(hot, 3, 7), GradientAt(kRadioHot, kGradientArea, 3, 7), 1);
    SendMessageW(radio, BM_SETSTATE, TRUE, 0);
    automation::Image pressed = skin_test::Shot(radio);
    EXPECT_COLOUR(skin_test::PixelOf(pressed, 6, 7), GradientAt(kInsidePressed, kGradientArea, 6, 7), 1);
}

TEST_F(ChoicePixels, RadioLayoutStyles)
{
    automation::Image right = skin_test::Shot(add(BS_AUTORADIOBUTTON | BS_LEFTTEXT));
    EXPECT_COLOUR(skin_test::PixelOf(right, kWidth - 16 + 1, 7), RGB(33, 85, 132), 0);
    DestroyWindow(FindWindowExW(host.get(), nullptr, L"Button", nullptr));
    automation::Image centred = skin_test::Shot(add(BS_AUTORADIOBUTTON | BS_VCENTER, 31));
    const int top = (31 - 15) / 2;
    EXPECT_COLOUR(skin_test::PixelOf(centred, 0, top + 7), RGB(33, 85, 132), 0);
    DestroyWindow(FindWindowExW(host.get(), nullptr, L"Button", nullptr));
    automation::Image bottom = skin_test::Shot(add(BS_AUTORADIOBUTTON | BS_BOTTOM, 31));
    EXPECT_COLOUR(skin_test::PixelOf(bottom, 0, 31 - 16 + 7), RGB(33, 85, 132), 0);
}

}  // namespace
