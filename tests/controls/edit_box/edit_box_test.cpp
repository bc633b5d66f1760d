// The EditBox unit on real "EDIT" controls in a window loaded from a template: typed input and its
// normalisation on focus loss, the change event, selection, in-place style changes and rebuilds,
// the colour request, Enter in a multi-line box, and the up-down control in both spin modes.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "controls/edit_box/edit_box.h"
#include "controls/edit_box/edit_box_properties.h"
#include "runtime/unit_options/edit_box_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/memory.h"
#include "runtime/runtime_service.h"
#include "runtime/start_runtime.h"
#include "runtime/templates/unit_kinds.h"
#include "runtime/unit_access.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/window/unit_kind_registry.h"
#include "runtime/window/window_lifetime.h"
#include "tests/runtime/window/window_test_support.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

constexpr uint32_t kWindow = 0x52000101;
constexpr uint32_t kWindowUnit = 0x06000102;
constexpr uint32_t kNumberBox = 0x16000103;
constexpr uint32_t kOtherBox = 0x16000104;
constexpr uint32_t kSpinBox = 0x16000105;
constexpr uint32_t kEventSpinBox = 0x16000106;
constexpr uint32_t kTextBox = 0x16000107;
constexpr uint32_t kContainer = 0x16000108;
constexpr uint32_t kInnerSpinBox = 0x16000109;

constexpr int kFirstOwn = 8;

int changeEvents = 0;
std::vector<int32_t> spinSteps;

rt::SubReturn OnChanged(const int32_t*, int)
{
    ++changeEvents;
    return {};
}

rt::SubReturn OnSpin(const int32_t* args, int argCount)
{
    spinSteps.push_back(argCount > 0 ? args[0] : 0);
    return {};
}

const rt::ApplicationSub kSubs[] = {OnChanged, OnSpin};
const rt::CodeBase kCodeBase{kSubs, 2};

rt::UnitRecord BoxRecord(uint32_t id, rt::UnitRect rect, const rt::EditBoxOptions& options)
{
    return window_test::Record(id, rt::kEditBoxKind, rect, rt::kUnitVisible | rt::kUnitTakesFocus, {{0, 0}, {1, 1}},
                               rt::WriteOptions(options));
}

rt::WindowRecord MakeWindow()
{
    rt::WindowRecord window;
    window.id = kWindow;
    rt::WindowOptions windowOptions;
    windowOptions.StartPosition = 0;
    window.units.push_back(
        window_test::WindowRecord(kWindowUnit, windowOptions, {20, 20, 420, 320}, rt::kUnitVisible, {}));

    rt::EditBoxOptions number;
    number.InputMode = 7;
    number.Alignment = 1;
    number.Content = "100";
    window.units.push_back(BoxRecord(kNumberBox, {10, 10, 120, 22}, number));

    rt::EditBoxOptions other;
    window.units.push_back(BoxRecord(kOtherBox, {10, 40, 120, 22}, other));

    rt::EditBoxOptions spin;
    spin.SpinMode = 1;
    spin.SpinMin = 3;
    spin.SpinMax = 0;
    spin.Content = "2";
    window.units.push_back(BoxRecord(kSpinBox, {10, 70, 80, 22}, spin));

    rt::EditBoxOptions eventSpin;
    eventSpin.SpinMode = 2;
    eventSpin.Content = "50";
    window.units.push_back(BoxRecord(kEventSpinBox, {10, 100, 80, 22}, eventSpin));

    rt::EditBoxOptions text;
    text.Multiline = true;
    text.ScrollBars = 2;
    text.TextColour = 0x0000ff;
    text.BackColour = 0xecd0a0;
    text.HideSelection = false;
    window.units.push_back(BoxRecord(kTextBox, {200, 10, 180, 120}, text));

    // A box inside a container: the loader moves it there after creating it.
    rt::UnitRecord inner = BoxRecord(kInnerSpinBox, {5, 5, 60, 22}, spin);
    inner.placed().container = kContainer;
    window.units.push_back(inner);
    window.units.push_back(
        window_test::TestUnitRecord(kContainer, {200, 150, 150, 60}, rt::kUnitVisible, 0, {kInnerSpinBox}));
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

std::string ReadText(uint32_t unitId, int number)
{
    return window_test::ReadTextProperty(kWindow, unitId, kFirstOwn + number);
}

void WriteText(uint32_t unitId, int number, const std::string& text)
{
    rt::WriteProperty(kWindow, unitId, kFirstOwn + number, -1, reinterpret_cast<uintptr_t>(text.c_str()), 0);
}

std::wstring ControlText(HWND control)
{
    wchar_t text[256] = {};
    GetWindowTextW(control, text, 256);
    return text;
}

// The up-down control standing right of the box in the same parent.
HWND SpinBeside(HWND box)
{
    RECT boxRect;
    GetWindowRect(box, &boxRect);
    for (HWND child = GetWindow(GetParent(box), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        RECT rect;
        GetWindowRect(child, &rect);
        if (std::wstring(name) == UPDOWN_CLASSW && rect.left == boxRect.right && rect.top == boxRect.top) {
            return child;
        }
    }
    return nullptr;
}

// A left click on the upper or lower arrow of an up-down control.
void ClickSpin(HWND spin, bool up)
{
    RECT client;
    GetClientRect(spin, &client);
    LPARAM at = MAKELPARAM(client.right / 2, up ? 2 : client.bottom - 3);
    SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(spin, WM_LBUTTONUP, 0, at);
}

void Type(HWND control, const std::wstring& characters)
{
    for (wchar_t c : characters) {
        PostMessageW(control, WM_CHAR, c, 1);
    }
    window_test::Pump(30);
}

struct EditBoxTest : ::testing::Test {
    static void SetUpTestSuite()
    {
        window_test::StartWindowLayerForTests();
        rt::RegisterUnitKind(rt::units::EditBoxKind());
    }
    void SetUp() override
    {
        ASSERT_TRUE(window_test::InstallTemplates({MakeWindow()}, kCodeBase));
        ASSERT_TRUE(rt::LoadWindow(kWindow, nullptr, false, false));
        window_test::Pump(20);
        changeEvents = 0;
        spinSteps.clear();
    }
    void TearDown() override
    {
        rt::DestroyAllWindows();
        window_test::Pump(20);
    }

    // Puts the text into the number box, then moves the focus in and out of it.
    std::string NormalisedInMode(int32_t mode, const std::string& content)
    {
        WriteNumber(kNumberBox, rt::units::kEditInputMode, mode);
        WriteText(kNumberBox, rt::units::kEditContent, content);
        SetFocus(UnitHandle(kNumberBox));
        SetFocus(UnitHandle(kOtherBox));
        return ReadText(kNumberBox, rt::units::kEditContent);
    }
};

TEST_F(EditBoxTest, CreatesTheEditControlWithTheStylesOfItsOptions)
{
    HWND number = UnitHandle(kNumberBox);
    ASSERT_TRUE(number);
    EXPECT_EQ(ControlText(number), L"100");
    LONG_PTR style = GetWindowLongPtrW(number, GWL_STYLE);
    EXPECT_TRUE(style & ES_CENTER);
    EXPECT_TRUE(style & ES_AUTOHSCROLL);
    EXPECT_FALSE(style & ES_MULTILINE);
    EXPECT_FALSE(style & ES_NOHIDESEL);
    EXPECT_TRUE(GetWindowLongPtrW(number, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    HWND text = UnitHandle(kTextBox);
    style = GetWindowLongPtrW(text, GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & ES_WANTRETURN);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_FALSE(style & WS_HSCROLL);
    EXPECT_TRUE(style & ES_NOHIDESEL);
    // No up-down control beside a box without SpinMode.
    EXPECT_EQ(SpinBeside(number), nullptr);
}

TEST_F(EditBoxTest, Mode7HoldsNumbersToThe32BitRangeWhenTheFocusLeaves)
{
    EXPECT_EQ(NormalisedInMode(7, "99999999999"), "2147483647");
    EXPECT_EQ(ControlText(UnitHandle(kNumberBox)), L"2147483647");
    EXPECT_EQ(NormalisedInMode(7, "-99999999999999999999999"), "-2147483648");
    EXPECT_EQ(NormalisedInMode(7, "0"), "");
    EXPECT_EQ(NormalisedInMode(7, "-"), "");
    EXPECT_EQ(NormalisedInMode(7, "-0"), "");
    EXPECT_EQ(NormalisedInMode(7, "12-3"), "12");
    // Modes without a number leave the text alone.
    EXPECT_EQ(NormalisedInMode(3, "0"), "0");
}

TEST_F(EditBoxTest, TypedCharactersTheModeRefusesNeverReachTheText)
{
    HWND number = UnitHandle(kNumberBox);
    WriteText(kNumberBox, rt::units::kEditContent, "");
    SetFocus(number);
    Type(number, L"a1b-2.c");
    EXPECT_EQ(ControlText(number), L"1-2");
    // Control characters pass: a backspace removes the last digit.
    Type(number, L"\b");
    EXPECT_EQ(ControlText(number), L"1-");

    WriteNumber(kNumberBox, rt::units::kEditInputMode, 5);
    WriteText(kNumberBox, rt::units::kEditContent, "");
    Type(number, L"-7x");
    EXPECT_EQ(ControlText(number), L"7");

    HWND other = UnitHandle(kOtherBox);
    SetFocus(other);
    Type(other, L"ab1");
    EXPECT_EQ(ControlText(other), L"ab1");
}

TEST_F(EditBoxTest, SettingContentRaisesTheChangeEventExactlyOnce)
{
    WriteText(kOtherBox, rt::units::kEditContent, "新的文字");
    EXPECT_EQ(changeEvents, 1);
    EXPECT_EQ(ReadText(kOtherBox, rt::units::kEditContent), "新的文字");
    // The same text again still counts as set.
    WriteText(kOtherBox, rt::units::kEditContent, "新的文字");
    EXPECT_EQ(changeEvents, 2);
    WriteText(kTextBox, rt::units::kEditContent, "line one\r\nline two");
    EXPECT_EQ(changeEvents, 3);

    // Typing changes the text too.
    changeEvents = 0;
    HWND other = UnitHandle(kOtherBox);
    SetFocus(other);
    Type(other, L"x");
    EXPECT_EQ(changeEvents, 1);
}

TEST_F(EditBoxTest, SelectionMinusOneMeansTheEndOrTheWholeText)
{
    HWND other = UnitHandle(kOtherBox);
    WriteText(kOtherBox, rt::units::kEditContent, "abcdef");
    WriteNumber(kOtherBox, rt::units::kEditSelStart, -1);
    DWORD start = 99;
    DWORD end = 99;
    SendMessageW(other, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 6u);
    EXPECT_EQ(end, 6u);
    EXPECT_EQ(ReadNumber(kOtherBox, rt::units::kEditSelStart), 6);

    WriteNumber(kOtherBox, rt::units::kEditSelLength, -1);
    EXPECT_EQ(ReadNumber(kOtherBox, rt::units::kEditSelStart), 0);
    EXPECT_EQ(ReadNumber(kOtherBox, rt::units::kEditSelLength), 6);
    EXPECT_EQ(ReadText(kOtherBox, rt::units::kEditSelText), "abcdef");

    WriteNumber(kOtherBox, rt::units::kEditSelStart, 2);
    WriteNumber(kOtherBox, rt::units::kEditSelLength, 3);
    EXPECT_EQ(ReadText(kOtherBox, rt::units::kEditSelText), "cde");
    WriteText(kOtherBox, rt::units::kEditSelText, "XY");
    EXPECT_EQ(ReadText(kOtherBox, rt::units::kEditContent), "abXYf");

    // Past the end: the caret stops at the end.
    WriteNumber(kOtherBox, rt::units::kEditSelStart, 40);
    EXPECT_EQ(ReadNumber(kOtherBox, rt::units::kEditSelStart), 5);
}

TEST_F(EditBoxTest, SelectionCountsGbkBytes)
{
    WriteText(kOtherBox, rt::units::kEditContent, "中文ab");
    WriteNumber(kOtherBox, rt::units::kEditSelStart, 2);
    WriteNumber(kOtherBox, rt::units::kEditSelLength, 3);
    EXPECT_EQ(ReadText(kOtherBox, rt::units::kEditSelText), "文a");
    EXPECT_EQ(ReadNumber(kOtherBox, rt::units::kEditSelStart), 2);
    EXPECT_EQ(ReadNumber(kOtherBox, rt::units::kEditSelLength), 3);
    DWORD start = 0;
    SendMessageW(UnitHandle(kOtherBox), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    EXPECT_EQ(start, 1u);
}

TEST_F(EditBoxTest, InputModePasswordAndReadOnlyChangeTheControlInPlace)
{
    HWND other = UnitHandle(kOtherBox);
    WriteNumber(kOtherBox, rt::units::kEditInputMode, 2);
    EXPECT_EQ(UnitHandle(kOtherBox), other);
    EXPECT_TRUE(GetWindowLongPtrW(other, GWL_STYLE) & ES_PASSWORD);
    EXPECT_EQ(SendMessageW(other, EM_GETPASSWORDCHAR, 0, 0), L'*');
    WriteText(kOtherBox, rt::units::kEditPasswordChar, "#x");
    EXPECT_EQ(SendMessageW(other, EM_GETPASSWORDCHAR, 0, 0), L'#');
    EXPECT_EQ(ReadText(kOtherBox, rt::units::kEditPasswordChar), "#");
    // An empty password character would show the password: the box keeps hiding it.
    WriteText(kOtherBox, rt::units::kEditPasswordChar, "");
    EXPECT_EQ(SendMessageW(other, EM_GETPASSWORDCHAR, 0, 0), L'*');

    WriteNumber(kOtherBox, rt::units::kEditInputMode, 1);
    EXPECT_FALSE(GetWindowLongPtrW(other, GWL_STYLE) & ES_PASSWORD);
    EXPECT_TRUE(GetWindowLongPtrW(other, GWL_STYLE) & ES_READONLY);
    WriteNumber(kOtherBox, rt::units::kEditInputMode, 0);
    EXPECT_FALSE(GetWindowLongPtrW(other, GWL_STYLE) & ES_READONLY);
}

TEST_F(EditBoxTest, StylePropertiesRebuildTheControlKeepingItsText)
{
    HWND other = UnitHandle(kOtherBox);
    WriteText(kOtherBox, rt::units::kEditContent, "kept");
    WriteNumber(kOtherBox, rt::units::kEditAlignment, 0);
    EXPECT_EQ(UnitHandle(kOtherBox), other);  // unchanged: no rebuild

    WriteNumber(kOtherBox, rt::units::kEditAlignment, 2);
    HWND rebuilt = UnitHandle(kOtherBox);
    ASSERT_TRUE(rebuilt);
    EXPECT_NE(rebuilt, other);
    EXPECT_TRUE(GetWindowLongPtrW(rebuilt, GWL_STYLE) & ES_RIGHT);
    EXPECT_EQ(ControlText(rebuilt), L"kept");
    EXPECT_EQ(ReadNumber(kOtherBox, rt::units::kEditAlignment), 2);

    WriteNumber(kOtherBox, rt::units::kEditMultiline, 1);
    EXPECT_TRUE(GetWindowLongPtrW(UnitHandle(kOtherBox), GWL_STYLE) & ES_MULTILINE);
    EXPECT_EQ(ReadText(kOtherBox, rt::units::kEditContent), "kept");
}

TEST_F(EditBoxTest, MaxLengthLimitsTheControlAndNegativeIsStoredAsZero)
{
    HWND other = UnitHandle(kOtherBox);
    WriteNumber(kOtherBox, rt::units::kEditMaxLength, 3);
    EXPECT_EQ(SendMessageW(other, EM_GETLIMITTEXT, 0, 0), 3);
    SetFocus(other);
    Type(other, L"abcdef");
    EXPECT_EQ(ControlText(other), L"abc");
    WriteNumber(kOtherBox, rt::units::kEditMaxLength, -4);
    EXPECT_EQ(ReadNumber(kOtherBox, rt::units::kEditMaxLength), 0);
    EXPECT_GT(SendMessageW(other, EM_GETLIMITTEXT, 0, 0), 3);
}

TEST_F(EditBoxTest, FontMembersChangeTheControlFont)
{
    HWND other = UnitHandle(kOtherBox);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(other, WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));
    rt::WriteProperty(kWindow, kOtherBox, kFirstOwn + rt::units::kEditFont, 1, 1, 0);
    auto font = reinterpret_cast<HFONT>(SendMessageW(other, WM_GETFONT, 0, 0));
    ASSERT_NE(font, GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTW look{};
    GetObjectW(font, sizeof look, &look);
    EXPECT_EQ(look.lfWeight, 700);
    auto* stored =
        reinterpret_cast<const uint32_t*>(rt::ReadProperty(kWindow, kOtherBox, kFirstOwn + rt::units::kEditFont, -1));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored[1], 60u);  // a byte set: 1, the byte count, the bytes
    rt::FreeMem(const_cast<uint32_t*>(stored));
}

TEST_F(EditBoxTest, ColourRequestsAnswerWithTheBoxColours)
{
    HWND text = UnitHandle(kTextBox);
    rt::MemoryDc memory(nullptr);
    HDC dc = memory.get();
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(text), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text)));
    ASSERT_TRUE(brush);
    EXPECT_EQ(GetTextColor(dc), 0x0000ffu);
    EXPECT_EQ(GetBkColor(dc), 0xecd0a0u);
    LOGBRUSH look{};
    GetObjectW(brush, sizeof look, &look);
    EXPECT_EQ(look.lbColor, 0xecd0a0u);

    // A read-only box asks as a static control.
    WriteNumber(kTextBox, rt::units::kEditInputMode, 1);
    WriteNumber(kTextBox, rt::units::kEditBackColour, 0x123456);
    brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(text), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text)));
    GetObjectW(brush, sizeof look, &look);
    EXPECT_EQ(look.lbColor, 0x123456u);
    EXPECT_EQ(GetBkColor(dc), 0x123456u);
}

TEST_F(EditBoxTest, EnterBreaksTheLineOfAWritableMultiLineBoxOnly)
{
    HWND text = UnitHandle(kTextBox);
    SetFocus(text);
    Type(text, L"ab");
    PostMessageW(text, WM_KEYDOWN, VK_RETURN, 1);
    window_test::Pump(30);
    Type(text, L"c");
    EXPECT_EQ(ControlText(text), L"ab\r\nc");

    WriteNumber(kTextBox, rt::units::kEditInputMode, 1);
    PostMessageW(text, WM_KEYDOWN, VK_RETURN, 1);
    window_test::Pump(30);
    EXPECT_EQ(ControlText(text), L"ab\r\nc");
}

TEST_F(EditBoxTest, AutomaticSpinStepsWrapWithinTheRange)
{
    HWND box = UnitHandle(kSpinBox);
    HWND spin = SpinBeside(box);
    ASSERT_TRUE(spin);
    RECT boxRect;
    RECT spinRect;
    GetWindowRect(box, &boxRect);
    GetWindowRect(spin, &spinRect);
    EXPECT_EQ(spinRect.right - spinRect.left, 18);
    EXPECT_EQ(spinRect.bottom - spinRect.top, boxRect.bottom - boxRect.top);

    ClickSpin(spin, true);
    EXPECT_EQ(ControlText(box), L"3");
    EXPECT_EQ(GetFocus(), box);
    EXPECT_EQ(ReadNumber(kSpinBox, rt::units::kEditSelLength), 1);
    ClickSpin(spin, true);
    EXPECT_EQ(ControlText(box), L"0");
    ClickSpin(spin, false);
    EXPECT_EQ(ControlText(box), L"3");
    ClickSpin(spin, false);
    EXPECT_EQ(ControlText(box), L"2");
    EXPECT_TRUE(spinSteps.empty());

    // A disabled box takes no steps, and its up-down is disabled with it.
    rt::WriteProperty(kWindow, kSpinBox, 6, -1, 1, 0);
    EXPECT_FALSE(IsWindowEnabled(spin));
    SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, 2));
    SendMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(9, 2));
    NMUPDOWN step{{spin, 0, UDN_DELTAPOS}, 0, 1};
    SendMessageW(GetParent(spin), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&step));
    EXPECT_EQ(ControlText(box), L"2");
}

TEST_F(EditBoxTest, SpinRangeFollowsSpinMinAndSpinMax)
{
    HWND box = UnitHandle(kSpinBox);
    HWND spin = SpinBeside(box);
    ASSERT_TRUE(spin);
    WriteNumber(kSpinBox, rt::units::kEditSpinMin, 10);
    WriteNumber(kSpinBox, rt::units::kEditSpinMax, 20);
    int low = 0;
    int high = 0;
    SendMessageW(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 10);
    EXPECT_EQ(high, 20);
    // 3 is below the new range, so the step wraps to its upper end.
    ClickSpin(spin, true);
    EXPECT_EQ(ControlText(box), L"20");
}

TEST_F(EditBoxTest, EventOnlySpinRaisesEventOneAndLeavesTheText)
{
    HWND box = UnitHandle(kEventSpinBox);
    HWND spin = SpinBeside(box);
    ASSERT_TRUE(spin);
    ClickSpin(spin, true);
    ClickSpin(spin, false);
    NMUPDOWN step{{spin, 0, UDN_DELTAPOS}, 0, -3};
    SendMessageW(GetParent(spin), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&step));
    EXPECT_EQ(spinSteps, (std::vector<int32_t>{1, -1, -1}));
    EXPECT_EQ(ControlText(box), L"50");
}

TEST_F(EditBoxTest, TheUpDownStaysBesideTheBoxAndShowsWithIt)
{
    HWND box = UnitHandle(kSpinBox);
    HWND spin = SpinBeside(box);
    ASSERT_TRUE(spin);
    EXPECT_TRUE(IsWindowVisible(spin));
    rt::WriteProperty(kWindow, kSpinBox, 0, -1, 150, 0);
    rt::WriteProperty(kWindow, kSpinBox, 2, -1, 60, 0);
    rt::WriteProperty(kWindow, kSpinBox, 3, -1, 30, 0);
    EXPECT_EQ(SpinBeside(box), spin);
    RECT spinRect;
    GetWindowRect(spin, &spinRect);
    EXPECT_EQ(spinRect.bottom - spinRect.top, 30);

    rt::WriteProperty(kWindow, kSpinBox, 5, -1, 0, 0);
    EXPECT_FALSE(IsWindowVisible(spin));
    rt::WriteProperty(kWindow, kSpinBox, 5, -1, 1, 0);
    EXPECT_TRUE(IsWindowVisible(spin));

    // A rebuild for another SpinMode replaces the up-down with the box.
    WriteNumber(kSpinBox, rt::units::kEditSpinMode, 0);
    EXPECT_FALSE(IsWindow(spin));
    EXPECT_EQ(SpinBeside(UnitHandle(kSpinBox)), nullptr);
}

TEST_F(EditBoxTest, TheUpDownFollowsItsBoxIntoAContainer)
{
    HWND box = UnitHandle(kInnerSpinBox);
    ASSERT_EQ(GetParent(box), UnitHandle(kContainer));
    HWND spin = SpinBeside(box);
    ASSERT_TRUE(spin);
    EXPECT_TRUE(IsWindowVisible(spin));
    ClickSpin(spin, true);
    EXPECT_EQ(ControlText(box), L"3");
}

TEST(EditBoxKindTest, PropertyDataOfALaterVersionCreatesNoUnit)
{
    window_test::StartWindowLayerForTests();
    std::vector<uint8_t> data = rt::WriteOptions(rt::EditBoxOptions{});
    data[0] = 3;
    rt::UnitCreateArgs args;
    args.parent = GetDesktopWindow();
    args.propertyData = data.data();
    args.propertyLength = data.size();
    EXPECT_EQ(rt::units::EditBoxKind().create(args), nullptr);
}

}  // namespace
