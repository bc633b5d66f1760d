// Frames read back from the screen: the edit box's two-pixel frame in each scheme, disabled and
// read-only, the white line beside a linked up-down, a borderless edit box left alone, and the
// group box's frame, rounded corners and the line cleared behind its caption.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "commands/control_skin/control_skin.h"
#include "runtime/win32/owned_handles.h"
#include "tests/commands/control_skin/skin_test_support.h"

namespace {

const COLORREF kSchemeColours[3] = {RGB(123, 158, 189), RGB(164, 185, 127), RGB(198, 197, 215)};
constexpr COLORREF kGroupFrame = RGB(191, 184, 191);

void ExpectEditFrame(const automation::Image& image, COLORREF outer, COLORREF inner)
{
    auto at = [&](int x, int y) { return skin_test::PixelOf(image, x, y); };
    const int w = image.width;
    const int h = image.height;
    EXPECT_COLOUR(at(0, h / 2), outer, 0);
    EXPECT_COLOUR(at(w - 1, h / 2), outer, 0);
    EXPECT_COLOUR(at(w / 2, 0), outer, 0);
    EXPECT_COLOUR(at(w / 2, h - 1), outer, 0);
    EXPECT_COLOUR(at(1, h / 2), inner, 0);
    EXPECT_COLOUR(at(w - 2, h / 2), inner, 0);
    EXPECT_COLOUR(at(w / 2, 1), inner, 0);
    EXPECT_COLOUR(at(w / 2, h - 2), inner, 0);
}

struct EditFramePixels : ::testing::TestWithParam<int> {};

TEST_P(EditFramePixels, BorderedEditBoxesGetTheSchemeFrame)
{
    const int scheme = GetParam();
    skin_test::HostWindow host;
    // (A WS_BORDER edit box takes the style off itself and draws its line in its client area.)
    HWND sunken = host.add(L"Edit", L"", 0, RECT{20, 20, 120, 42}, WS_EX_CLIENTEDGE);
    HWND edged = host.add(L"Edit", L"", 0, RECT{20, 60, 120, 82}, WS_EX_STATICEDGE);
    HWND readOnly = host.add(L"Edit", L"", ES_READONLY, RECT{20, 100, 120, 122}, WS_EX_CLIENTEDGE);
    HWND disabled = host.add(L"Edit", L"", WS_DISABLED, RECT{20, 140, 120, 162}, WS_EX_STATICEDGE);
    skin_test::SkinOn skin(scheme);
    skin_test::Pump(30);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    ExpectEditFrame(skin_test::Shot(sunken), kSchemeColours[scheme - 1], GetSysColor(COLOR_WINDOW));
    ExpectEditFrame(skin_test::Shot(edged), kSchemeColours[scheme - 1], GetSysColor(COLOR_WINDOW));
    ExpectEditFrame(skin_test::Shot(readOnly), kSchemeColours[scheme - 1], face);
    ExpectEditFrame(skin_test::Shot(disabled), skin_test::Less(face, 0x20), face);
    // Enabled again, the frame follows.
    EnableWindow(disabled, TRUE);
    ExpectEditFrame(skin_test::Shot(disabled), kSchemeColours[scheme - 1], GetSysColor(COLOR_WINDOW));
}

INSTANTIATE_TEST_SUITE_P(Schemes, EditFramePixels, ::testing::Values(1, 2, 3));

TEST(EditFrame, ABorderlessEditBoxKeepsItsOwnLook)
{
    skin_test::HostWindow host;
    HWND bare = host.add(L"Edit", L"abc", 0, RECT{20, 20, 120, 42});
    skin_test::Pump(30);
    automation::Image before = skin_test::Shot(bare);
    skin_test::SkinOn skin(rt::commands::kSkinBlue);
    skin_test::Pump(30);
    automation::Image after = skin_test::Shot(bare);
    EXPECT_EQ(before.rgb, after.rgb);
}

TEST(EditFrame, ALinkedUpDownGetsAWhiteLineDownTheEditBoxsEdge)
{
    skin_test::HostWindow host;
    HWND right = host.add(L"Edit", L"5", 0, RECT{20, 20, 120, 42}, WS_EX_CLIENTEDGE);
    HWND rightSpin = host.add(UPDOWN_CLASSW, L"", UDS_ALIGNRIGHT, RECT{0, 0, 16, 22});
    SendMessageW(rightSpin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(right), 0);
    HWND left = host.add(L"Edit", L"6", 0, RECT{160, 20, 260, 42}, WS_EX_CLIENTEDGE);
    HWND leftSpin = host.add(UPDOWN_CLASSW, L"", UDS_ALIGNLEFT, RECT{0, 0, 16, 22});
    SendMessageW(leftSpin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(left), 0);
    HWND alone = host.add(L"Edit", L"7", 0, RECT{20, 60, 120, 82}, WS_EX_CLIENTEDGE);
    skin_test::SkinOn skin(rt::commands::kSkinSilver);
    // The up-downs stand over the boxes' outer edges: hidden, they leave the edges in view.
    ShowWindow(rightSpin, SW_HIDE);
    ShowWindow(leftSpin, SW_HIDE);
    skin_test::Pump(30);
    automation::Image rightImage = skin_test::Shot(right);
    const int h = rightImage.height;
    EXPECT_COLOUR(skin_test::PixelOf(rightImage, rightImage.width - 1, h / 2), RGB(255, 255, 255), 0);
    EXPECT_COLOUR(skin_test::PixelOf(rightImage, rightImage.width - 1, 0), kSchemeColours[2], 0);
    EXPECT_COLOUR(skin_test::PixelOf(rightImage, 0, h / 2), kSchemeColours[2], 0);
    automation::Image leftImage = skin_test::Shot(left);
    EXPECT_COLOUR(skin_test::PixelOf(leftImage, 0, h / 2), RGB(255, 255, 255), 0);
    EXPECT_COLOUR(skin_test::PixelOf(leftImage, leftImage.width - 1, h / 2), kSchemeColours[2], 0);
    automation::Image aloneImage = skin_test::Shot(alone);
    EXPECT_COLOUR(skin_test::PixelOf(aloneImage, aloneImage.width - 1, h / 2), kSchemeColours[2], 0);
    // Once the up-down is gone, so is the line.
    DestroyWindow(rightSpin);
    RedrawWindow(right, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_COLOUR(skin_test::PixelOf(skin_test::Shot(right), rightImage.width - 1, h / 2), kSchemeColours[2], 0);
}

// The group box's caption size in its own font, as the control measures it.
SIZE CaptionSize(HWND group, const wchar_t* caption)
{
    rt::WindowDc dc(group);
    rt::ScopedSelection font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(group, WM_GETFONT, 0, 0)));
    RECT measured{0, 0, 0, 0};
    DrawTextW(dc.get(), caption, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    return SIZE{measured.right, measured.bottom};
}

constexpr int kGroupWidth = 200;
constexpr int kGroupHeight = 100;

struct GroupBoxPixels : ::testing::Test {
    skin_test::HostWindow host;
    skin_test::SkinOn skin{rt::commands::kSkinBlue};

    HWND add(DWORD style, const wchar_t* caption)
    {
        HWND group =
            host.add(L"Button", caption, BS_GROUPBOX | style, RECT{20, 20, 20 + kGroupWidth, 20 + kGroupHeight});
        skin_test::Pump(30);
        return group;
    }
};

void ExpectGroupFrame(const automation::Image& image, int top)
{
    auto at = [&](int x, int y) { return skin_test::PixelOf(image, x, y); };
    const int right = kGroupWidth - 1;
    const int bottom = kGroupHeight - 1;
    EXPECT_COLOUR(at(0, 60), kGroupFrame, 0);
    EXPECT_COLOUR(at(right, 60), kGroupFrame, 0);
    EXPECT_COLOUR(at(100, bottom), kGroupFrame, 0);
    EXPECT_COLOUR(at(4, top), kGroupFrame, 0);
    EXPECT_COLOUR(at(100, 60), skin_test::kParentBack, 0);
    // Rounded corners: the corner and its two neighbours in the background, the pixel inside it
    // in the frame colour.
    for (auto [x, y, inX, inY] : {std::tuple{0, top, 1, 1}, std::tuple{right, top, -1, 1}, std::tuple{0, bottom, 1, -1},
                                  std::tuple{right, bottom, -1, -1}}) {
        SCOPED_TRACE(testing::Message() << "corner " << x << "," << y);
        EXPECT_COLOUR(at(x, y), skin_test::kParentBack, 0);
        EXPECT_COLOUR(at(x + inX, y), skin_test::kParentBack, 0);
        EXPECT_COLOUR(at(x, y + inY), skin_test::kParentBack, 0);
        EXPECT_COLOUR(at(x + inX, y + inY), kGroupFrame, 0);
        EXPECT_COLOUR(at(x + 2 * inX, y), kGroupFrame, 0);
        EXPECT_COLOUR(at(x, y + 2 * inY), kGroupFrame, 0);
    }
}

TEST_F(GroupBoxPixels, LeftCaptionClearsTheLineFromEightToOnePastTheText)
{
    HWND group = add(0, L"Group");
    const SIZE caption = CaptionSize(group, L"Group");
    const int top = caption.cy / 2;
    automation::Image image = skin_test::Shot(group);
    ExpectGroupFrame(image, top);
    EXPECT_COLOUR(skin_test::PixelOf(image, 7, top), kGroupFrame, 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, 8, top), skin_test::kParentBack, 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, 9 + caption.cx, top), skin_test::kParentBack, 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, 10 + caption.cx, top), kGroupFrame, 0);
}

TEST_F(GroupBoxPixels, CentredCaptionClearsFivePixelsEachSide)
{
    HWND group = add(BS_CENTER, L"Group");
    const SIZE caption = CaptionSize(group, L"Group");
    const int top = caption.cy / 2;
    const int left = (kGroupWidth - caption.cx) / 2;
    automation::Image image = skin_test::Shot(group);
    ExpectGroupFrame(image, top);
    EXPECT_COLOUR(skin_test::PixelOf(image, left - 6, top), kGroupFrame, 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, left - 5, top), skin_test::kParentBack, 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, left - 1, top), skin_test::kParentBack, 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, left + caption.cx + 4, top), skin_test::kParentBack, 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, left + caption.cx + 5, top), kGroupFrame, 0);
}

TEST_F(GroupBoxPixels, RightCaptionClearsOnlyUnderTheText)
{
    HWND group = add(BS_RIGHT, L"Group");
    const SIZE caption = CaptionSize(group, L"Group");
    const int top = caption.cy / 2;
    const int left = kGroupWidth - 10 - caption.cx;
    automation::Image image = skin_test::Shot(group);
    ExpectGroupFrame(image, top);
    EXPECT_COLOUR(skin_test::PixelOf(image, left - 1, top), kGroupFrame, 0);
    EXPECT_COLOUR(skin_test::PixelOf(image, left + caption.cx, top), kGroupFrame, 0);
}

TEST_F(GroupBoxPixels, WithoutCaptionTheFrameRunsAtHalfALine)
{
    HWND group = add(0, L"");
    TEXTMETRICW metrics{};
    GetTextMetricsW(rt::WindowDc(group).get(), &metrics);
    const int top = metrics.tmHeight / 2;
    automation::Image image = skin_test::Shot(group);
    ExpectGroupFrame(image, top);
    EXPECT_COLOUR(skin_test::PixelOf(image, 10, top), kGroupFrame, 0);
}

}  // namespace
