// The GroupBox as a container: the units inside it get their colour requests and clicks answered
// through it, its own colours and caption alignment, and its caption as the window text.
#include <gtest/gtest.h>

#include "runtime/memory.h"
#include "runtime/text_codec.h"
#include "runtime/unit_access.h"
#include "runtime/win32/owned_handles.h"
#include "tests/controls/buttons/buttons_fixture.h"
#include "tests/runtime/window/window_test_support.h"

namespace {

using namespace buttons_test;

enum : int { kCaption = 8, kAlignment = 9, kBackColour = 11 };

COLORREF BrushColour(LRESULT answer)
{
    LOGBRUSH described{};
    GetObjectW(reinterpret_cast<HBRUSH>(answer), sizeof described, &described);
    return described.lbColor;
}

// The control drawn by itself into a memory bitmap; the colour at (x, y).
COLORREF PrintedPixel(HWND control, int x, int y)
{
    RECT client;
    GetClientRect(control, &client);
    rt::ScreenDc screen;
    rt::MemoryDc memory(screen.get());
    rt::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
    rt::ScopedSelection selection(memory.get(), bitmap.get());
    HDC dc = memory.get();
    PatBlt(dc, 0, 0, client.right, client.bottom, WHITENESS);
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    return GetPixel(dc, x, y);
}

// The colour the control shows on the screen at (x, y), after a full repaint.
COLORREF ScreenPixel(HWND control, int x, int y)
{
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    rt::WindowDc dc(control);
    return GetPixel(dc.get(), x, y);
}

struct GroupBoxTest : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(LoadButtonsWindow()); }
    void TearDown() override { CloseWindows(); }
};

TEST_F(GroupBoxTest, UnitsInsideAreChildrenOfTheGroupBox)
{
    EXPECT_EQ(GetParent(UnitHandle(kGroupCheck)), UnitHandle(kGroup));
    EXPECT_EQ(StyleOf(kGroup) & BS_TYPEMASK, BS_GROUPBOX);
}

TEST_F(GroupBoxTest, AChildsColourRequestIsAnsweredByTheChild)
{
    rt::MemoryDc memory(nullptr);
    HDC dc = memory.get();
    LRESULT answer = SendMessageW(UnitHandle(kGroup), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                  reinterpret_cast<LPARAM>(UnitHandle(kGroupCheck)));
    ASSERT_NE(answer, 0);
    EXPECT_EQ(BrushColour(answer), kGroupCheckColour);
    EXPECT_EQ(GetBkColor(dc), kGroupCheckColour);
}

TEST_F(GroupBoxTest, AChildCheckBoxPaintsItsOwnBackColour)
{
    RECT client;
    GetClientRect(UnitHandle(kGroupCheck), &client);
    EXPECT_EQ(PrintedPixel(UnitHandle(kGroupCheck), client.right - 2, client.bottom - 2), kGroupCheckColour);
}

TEST_F(GroupBoxTest, TheGroupBoxAnswersItsOwnColourRequestAndFillsItsInside)
{
    rt::MemoryDc memory(nullptr);
    HDC dc = memory.get();
    LRESULT answer = SendMessageW(UnitHandle(kWindowUnit), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                  reinterpret_cast<LPARAM>(UnitHandle(kGroup)));
    EXPECT_EQ(BrushColour(answer), kGroupColour);
    EXPECT_EQ(ScreenPixel(UnitHandle(kGroup), 150, 100), kGroupColour);

    Write(kGroup, kBackColour, static_cast<int32_t>(RGB(1, 2, 3)));
    EXPECT_EQ(ScreenPixel(UnitHandle(kGroup), 150, 100), RGB(1, 2, 3));
}

TEST_F(GroupBoxTest, ClicksInsideTheGroupBoxReachTheirUnits)
{
    SendMessageW(UnitHandle(kGroupCheck), BM_CLICK, 0, 0);
    EXPECT_EQ(Clicks(kGroupCheck), 1);
    EXPECT_EQ(Read(kGroupCheck, 18), 1);
    SendMessageW(UnitHandle(kGroupRadioB), BM_CLICK, 0, 0);
    EXPECT_EQ(Clicks(kGroupRadioB), 1);
    EXPECT_EQ(Read(kGroupRadioB, 18), 1);
}

TEST_F(GroupBoxTest, AlignmentIsClampedAndChangesTheStyleInPlace)
{
    Write(kGroup, kAlignment, 1);
    EXPECT_EQ(StyleOf(kGroup) & BS_CENTER, BS_CENTER);
    Write(kGroup, kAlignment, 5);
    EXPECT_EQ(Read(kGroup, kAlignment), 2);
    EXPECT_EQ(StyleOf(kGroup) & BS_CENTER, BS_RIGHT);
    EXPECT_EQ(StyleOf(kGroup) & BS_TYPEMASK, BS_GROUPBOX);
}

TEST_F(GroupBoxTest, CaptionIsTheWindowText)
{
    rt::WriteProperty(kWindow, kGroup, kCaption, -1, reinterpret_cast<uintptr_t>("尺寸"), 0);
    wchar_t text[16] = {};
    GetWindowTextW(UnitHandle(kGroup), text, 16);
    EXPECT_EQ(rt::GbkFromWide(text), "尺寸");
    auto* read = reinterpret_cast<char*>(static_cast<uintptr_t>(rt::ReadProperty(kWindow, kGroup, kCaption, -1)));
    EXPECT_STREQ(read, "尺寸");
    rt::FreeMem(read);
}

}  // namespace
