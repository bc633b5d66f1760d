// Which controls the skin takes over, row by row of its class-and-style table, on real windows
// skinned both ways: by the walk at switch-on and by the hook as they are created.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <vector>

#include "commands/control_skin/control_skin.h"
#include "commands/control_skin/skin_classification.h"
#include "commands/control_skin/skin_procedure.h"
#include "commands/control_skin/skin_record.h"
#include "tests/commands/control_skin/skin_test_support.h"

namespace {

using rt::commands::skin::SkinKind;
using skin_test::HostWindow;

struct Row {
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    std::optional<SkinKind> kind;
};

// Every control is a visible child; the bare push button is the one exception, created with
// exactly the child and tab-stop styles.
const Row kRows[] = {
    {L"Button", L"Push", BS_PUSHBUTTON, SkinKind::kPushButton},
    {L"Button", L"Default", BS_DEFPUSHBUTTON, SkinKind::kPushButton},
    {L"Button", L"", BS_PUSHBUTTON, SkinKind::kPushButton},
    {L"Button", L"Check", BS_CHECKBOX, SkinKind::kCheckBox},
    {L"Button", L"Auto check", BS_AUTOCHECKBOX, SkinKind::kCheckBox},
    {L"Button", L"Three", BS_3STATE, SkinKind::kCheckBox},
    {L"Button", L"Auto three", BS_AUTO3STATE, SkinKind::kCheckBox},
    {L"Button", L"Push-like check", BS_AUTOCHECKBOX | BS_PUSHLIKE, SkinKind::kPushButton},
    {L"Button", L"Radio", BS_RADIOBUTTON, SkinKind::kRadioButton},
    {L"Button", L"Auto radio", BS_AUTORADIOBUTTON, SkinKind::kRadioButton},
    {L"Button", L"Push-like radio", BS_AUTORADIOBUTTON | BS_PUSHLIKE, SkinKind::kPushButton},
    {L"Button", L"Group", BS_GROUPBOX, SkinKind::kGroupBox},
    {L"Button", L"Bitmap", BS_PUSHBUTTON | BS_BITMAP, std::nullopt},
    {L"Button", L"Icon", BS_AUTOCHECKBOX | BS_ICON, std::nullopt},
    {L"Button", L"Owner", BS_OWNERDRAW, std::nullopt},
    {L"Edit", L"text", ES_AUTOHSCROLL | WS_BORDER, SkinKind::kEditBox},
    {L"Edit", L"bare", ES_AUTOHSCROLL, SkinKind::kEditBox},
    {L"ComboBox", L"", CBS_DROPDOWN, SkinKind::kComboBox},
    {L"ComboBox", L"", CBS_DROPDOWNLIST, SkinKind::kComboBox},
    {L"ComboBox", L"", CBS_SIMPLE, std::nullopt},
    {UPDOWN_CLASSW, L"", 0, SkinKind::kUpDown},
    {L"ScrollBar", L"", SBS_HORZ, std::nullopt},
    {PROGRESS_CLASSW, L"", 0, std::nullopt},
    {TRACKBAR_CLASSW, L"", 0, std::nullopt},
    {WC_TABCONTROLW, L"", 0, std::nullopt},
    {MONTHCAL_CLASSW, L"", 0, std::nullopt},
    {HOTKEY_CLASSW, L"", 0, std::nullopt},
    {WC_LISTBOXW, L"", 0, std::nullopt},
    {WC_LISTVIEWW, L"", 0, std::nullopt},
    {WC_TREEVIEWW, L"", 0, std::nullopt},
    {DATETIMEPICK_CLASSW, L"", 0, std::nullopt},
    {L"Static", L"label", 0, std::nullopt},
};

void LoadCommonControls()
{
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&classes);
}

std::vector<HWND> CreateRows(const HostWindow& host)
{
    std::vector<HWND> windows;
    int y = 0;
    for (const Row& row : kRows) {
        windows.push_back(host.add(row.className, row.text, row.style, RECT{0, y, 150, y + 22}));
        y += 8;
    }
    return windows;
}

void ExpectClassified(const std::vector<HWND>& windows, const std::vector<WNDPROC>& ownProcedures)
{
    for (size_t i = 0; i < windows.size(); ++i) {
        const Row& row = kRows[i];
        SCOPED_TRACE(testing::Message() << "row " << i << " class "
                                        << testing::PrintToString(std::wstring(row.className)) << " style 0x"
                                        << std::hex << row.style);
        ASSERT_NE(windows[i], nullptr);
        rt::commands::skin::SkinRecord* record = rt::commands::skin::FindSkinRecord(windows[i]);
        if (!row.kind) {
            EXPECT_EQ(record, nullptr);
            EXPECT_EQ(skin_test::ProcedureOf(windows[i]), ownProcedures[i]);
            continue;
        }
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->kind, *row.kind);
        EXPECT_EQ(record->savedProcedure, ownProcedures[i]);
        EXPECT_EQ(skin_test::ProcedureOf(windows[i]), rt::commands::skin::SkinWindowProcedure);
    }
}

struct ClassificationTest : ::testing::Test {
    static void SetUpTestSuite() { LoadCommonControls(); }
    void TearDown() override { rt::commands::SwitchSkinOff(); }
};

TEST_F(ClassificationTest, SwitchOnTakesOverTheKnownControlsOfTheThread)
{
    HostWindow host;
    std::vector<HWND> windows = CreateRows(host);
    std::vector<WNDPROC> own;
    for (HWND window : windows) {
        own.push_back(skin_test::ProcedureOf(window));
    }
    rt::commands::SwitchSkinOn(rt::commands::kSkinSilver);
    ExpectClassified(windows, own);
}

TEST_F(ClassificationTest, TheHookTakesOverControlsAsTheyAreCreated)
{
    HostWindow host;
    rt::commands::SwitchSkinOn(rt::commands::kSkinBlue);
    std::vector<HWND> windows = CreateRows(host);
    // Taken over at creation, a control's own procedure is its class's.
    std::vector<WNDPROC> own;
    for (HWND window : windows) {
        WNDCLASSEXW info{sizeof info};
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        GetClassInfoExW(nullptr, name, &info);
        own.push_back(info.lpfnWndProc);
    }
    ExpectClassified(windows, own);
}

TEST_F(ClassificationTest, ABarePushButtonWithoutTextKeepsItsLook)
{
    HostWindow host;
    HWND bare = skin_test::CreateControl(host.get(), L"Button", L"", WS_TABSTOP, RECT{0, 0, 50, 20});
    HWND titled = skin_test::CreateControl(host.get(), L"Button", L"OK", WS_TABSTOP, RECT{0, 30, 50, 50});
    ASSERT_EQ(GetWindowLongPtrW(bare, GWL_STYLE), WS_CHILD | WS_TABSTOP);
    rt::commands::SwitchSkinOn(rt::commands::kSkinSilver);
    EXPECT_EQ(rt::commands::skin::FindSkinRecord(bare), nullptr);
    ASSERT_NE(rt::commands::skin::FindSkinRecord(titled), nullptr);
    EXPECT_EQ(rt::commands::skin::FindSkinRecord(titled)->kind, SkinKind::kPushButton);
}

TEST_F(ClassificationTest, TheEditFieldsOfAnAddressControlKeepTheirLook)
{
    HostWindow host;
    rt::commands::SwitchSkinOn(rt::commands::kSkinSilver);
    HWND address = host.add(WC_IPADDRESSW, L"", 0, RECT{10, 10, 160, 32});
    ASSERT_NE(address, nullptr);
    HWND field = FindWindowExW(address, nullptr, L"Edit", nullptr);
    ASSERT_NE(field, nullptr);
    for (; field; field = FindWindowExW(address, field, L"Edit", nullptr)) {
        EXPECT_EQ(rt::commands::skin::FindSkinRecord(field), nullptr);
    }
    EXPECT_EQ(rt::commands::skin::FindSkinRecord(address), nullptr);
}

TEST_F(ClassificationTest, AComboBoxsListAndEditFieldAreSkinnedToo)
{
    HostWindow host;
    HWND combo = host.add(L"ComboBox", L"", CBS_DROPDOWN, RECT{10, 10, 160, 200});
    rt::commands::SwitchSkinOn(rt::commands::kSkinOlive);
    COMBOBOXINFO info{sizeof info};
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    ASSERT_NE(rt::commands::skin::FindSkinRecord(info.hwndList), nullptr);
    EXPECT_EQ(rt::commands::skin::FindSkinRecord(info.hwndList)->kind, SkinKind::kDropDownList);
    ASSERT_NE(rt::commands::skin::FindSkinRecord(info.hwndItem), nullptr);
    EXPECT_EQ(rt::commands::skin::FindSkinRecord(info.hwndItem)->kind, SkinKind::kEditBox);
}

TEST(ClassifyControl, ClassNamesMatchWhateverTheirCase)
{
    using rt::commands::skin::ClassifyControl;
    EXPECT_EQ(ClassifyControl({L"bUtToN", BS_AUTORADIOBUTTON, true, L""}), SkinKind::kRadioButton);
    EXPECT_EQ(ClassifyControl({L"EDIT", 0, false, L"Dialog"}), SkinKind::kEditBox);
    EXPECT_EQ(ClassifyControl({L"edit", 0, false, L"sysipaddress32"}), std::nullopt);
    EXPECT_EQ(ClassifyControl({L"comboLbox", 0, false, L""}), SkinKind::kDropDownList);
    EXPECT_EQ(ClassifyControl({L"MSCTLS_UPDOWN32", 0, false, L""}), SkinKind::kUpDown);
    EXPECT_EQ(ClassifyControl({L"Buttons", BS_PUSHBUTTON, true, L""}), std::nullopt);
    EXPECT_EQ(ClassifyControl({L"", 0, false, L""}), std::nullopt);
}

TEST(ClassifyControl, ScrollBarsAndFourCommonControlsHaveAKindButAreNotSkinned)
{
    using rt::commands::skin::ClassifyControl;
    const std::pair<const wchar_t*, SkinKind> kinds[] = {
        {L"ScrollBar", SkinKind::kScrollBar},        {L"SysMonthCal32", SkinKind::kMonthCalendar},
        {L"SysTabControl32", SkinKind::kTabControl}, {L"msctls_progress32", SkinKind::kProgressBar},
        {L"msctls_trackbar32", SkinKind::kTrackBar},
    };
    for (const auto& [name, kind] : kinds) {
        EXPECT_EQ(ClassifyControl({name, 0, false, L""}), kind);
        EXPECT_FALSE(rt::commands::skin::IsSkinnedKind(kind));
    }
    for (SkinKind kind : {SkinKind::kPushButton, SkinKind::kGroupBox, SkinKind::kDropDownList}) {
        EXPECT_TRUE(rt::commands::skin::IsSkinnedKind(kind));
    }
}

TEST(ClassifyControl, TheBarePushButtonRuleNeedsExactlyChildAndTabStop)
{
    using rt::commands::skin::ClassifyControl;
    EXPECT_EQ(ClassifyControl({L"Button", WS_CHILD | WS_TABSTOP, false, L""}), std::nullopt);
    EXPECT_EQ(ClassifyControl({L"Button", WS_CHILD | WS_TABSTOP, true, L""}), SkinKind::kPushButton);
    EXPECT_EQ(ClassifyControl({L"Button", WS_CHILD | WS_TABSTOP | WS_VISIBLE, false, L""}), SkinKind::kPushButton);
    EXPECT_EQ(ClassifyControl({L"Button", WS_CHILD | WS_TABSTOP | BS_DEFPUSHBUTTON, false, L""}),
              SkinKind::kPushButton);
}

}  // namespace
