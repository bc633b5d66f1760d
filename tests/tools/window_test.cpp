// Finding, reading and acting on the fixture's window in another process.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/tools/fixture.h"
#include "tests/tools/fixture_process.h"
#include "tools/automation/automation.h"
#include "tools/automation/wait.h"

using namespace automation;

namespace {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        child_ = fixture::StartFixture({L"window"});
        ASSERT_TRUE(child_);
        window_ = WaitForTopWindow(child_.pid(), WindowQuery{.title = fixture::kWindowTitle}, fixture::kWaitMs);
        ASSERT_NE(window_, nullptr);
    }

    HWND Control(int id) const { return FindChild(window_, ChildQuery{.id = id}); }

    bool WaitForCheck(int id, int state) const
    {
        return WaitFor(fixture::kWaitMs, [&] { return CheckState(Control(id)) == state; });
    }

    ChildProcess child_;
    HWND window_ = nullptr;
};

TEST_F(WindowTest, FindsTopWindowByClassTitleOrPart)
{
    const DWORD pid = child_.pid();
    EXPECT_EQ(FindTopWindow(pid, WindowQuery{.className = L"AutomationFixture"}), window_);
    EXPECT_EQ(FindTopWindow(pid, WindowQuery{.titleContains = L"窗口"}), window_);
    EXPECT_EQ(FindTopWindow(pid, WindowQuery{.className = L"AutomationFixture", .title = L"Fixture"}), nullptr);
    EXPECT_EQ(FindTopWindow(GetCurrentProcessId(), WindowQuery{.title = fixture::kWindowTitle}), nullptr);
    EXPECT_EQ(WindowText(window_), fixture::kWindowTitle);
    EXPECT_EQ(WindowProcessId(window_), pid);

    const std::vector<HWND> windows = TopWindows(pid);
    EXPECT_NE(std::find(windows.begin(), windows.end(), window_), windows.end());
}

TEST_F(WindowTest, FindsTopWindowOfAnyProcess)
{
    EXPECT_EQ(FindAnyTopWindow(WindowQuery{.title = fixture::kWindowTitle}), window_);
    EXPECT_EQ(WaitForAnyTopWindow(WindowQuery{.className = L"AutomationFixture", .title = L"none"}, 100), nullptr);
    const std::vector<HWND> all = AllTopWindows();
    EXPECT_NE(std::find(all.begin(), all.end(), window_), all.end());
    EXPECT_GT(all.size(), TopWindows(child_.pid()).size());
}

TEST_F(WindowTest, MissingWindowTimesOut)
{
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(WaitForTopWindow(child_.pid(), WindowQuery{.title = L"none"}, 300), nullptr);
    EXPECT_EQ(WaitForChild(window_, ChildQuery{.id = 999}, 300), nullptr);
    EXPECT_LT(GetTickCount64() - start, 3000u);
}

TEST_F(WindowTest, FindsChildrenByIdClassAndText)
{
    HWND press = Control(fixture::kPressButton);
    ASSERT_NE(press, nullptr);
    EXPECT_EQ(ClassName(press), L"Button");
    EXPECT_EQ(WindowText(press), L"Press");
    EXPECT_EQ(FindChild(window_, ChildQuery{.text = L"Press"}), press);
    EXPECT_EQ(FindChild(window_, ChildQuery{.className = L"Edit"}), Control(fixture::kPlainEdit));
    EXPECT_EQ(FindChild(window_, ChildQuery{.className = L"Edit", .id = fixture::kPressButton}), nullptr);

    // Children come in z-order, which is creation order here.
    const std::vector<HWND> children = Children(window_);
    ASSERT_EQ(children.size(), 11u);
    EXPECT_EQ(ControlId(children.front()), fixture::kPlainEdit);
    EXPECT_EQ(ControlId(children.back()), fixture::kModalButton);
}

TEST_F(WindowTest, ReadsStateAndGeometry)
{
    EXPECT_TRUE(IsShown(window_));
    EXPECT_TRUE(IsEnabled(Control(fixture::kPressButton)));
    EXPECT_FALSE(IsEnabled(Control(fixture::kDisabledButton)));

    const RECT inParent = RectInParent(Control(fixture::kDigitsEdit));
    EXPECT_EQ(inParent.left, 140);
    EXPECT_EQ(inParent.top, 10);
    EXPECT_EQ(inParent.right - inParent.left, 120);
    EXPECT_EQ(inParent.bottom - inParent.top, 24);

    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    const RECT onScreen = ScreenRect(Control(fixture::kDigitsEdit));
    EXPECT_EQ(onScreen.left, origin.x + 140);
    EXPECT_EQ(onScreen.top, origin.y + 10);
    EXPECT_EQ(RectInParent(window_).left, ScreenRect(window_).left);

    // A window that is gone reads as nothing.
    HWND gone = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7FFFFFF0));
    EXPECT_EQ(WindowText(gone), L"");
    EXPECT_EQ(ControlId(gone), 0);
    EXPECT_FALSE(IsShown(gone));
    EXPECT_FALSE(CheckState(gone));
}

TEST_F(WindowTest, SetAndTypedTextReadsBack)
{
    HWND edit = Control(fixture::kPlainEdit);
    EXPECT_TRUE(SetText(edit, L"运行时出错! text"));
    EXPECT_EQ(WindowText(edit), L"运行时出错! text");
    EXPECT_TRUE(SetText(edit, L""));
    EXPECT_EQ(WindowText(edit), L"");
    EXPECT_TRUE(TypeText(edit, L"ab中文12"));
    EXPECT_EQ(WindowText(edit), L"ab中文12");
}

TEST_F(WindowTest, TypedCharactersPassTheProgramsFilter)
{
    HWND digits = Control(fixture::kDigitsEdit);
    EXPECT_TRUE(TypeText(digits, L"1a2-3x"));
    EXPECT_EQ(WindowText(digits), L"123");
}

TEST_F(WindowTest, ClicksReachTheButton)
{
    HWND press = Control(fixture::kPressButton);
    HWND clicks = Control(fixture::kClicksLabel);
    EXPECT_TRUE(Click(press));
    EXPECT_TRUE(WaitForText(clicks, L"clicks: 1", fixture::kWaitMs));
    EXPECT_TRUE(Click(press));
    EXPECT_TRUE(Click(press));
    EXPECT_TRUE(WaitForText(clicks, L"clicks: 3", fixture::kWaitMs));
}

TEST_F(WindowTest, ClicksToggleCheckBoxesAndSelectRadioBoxes)
{
    EXPECT_EQ(CheckState(Control(fixture::kCheckBox)), BST_UNCHECKED);
    EXPECT_TRUE(Click(Control(fixture::kCheckBox)));
    EXPECT_TRUE(WaitForCheck(fixture::kCheckBox, BST_CHECKED));
    EXPECT_TRUE(Click(Control(fixture::kCheckBox)));
    EXPECT_TRUE(WaitForCheck(fixture::kCheckBox, BST_UNCHECKED));

    EXPECT_TRUE(Click(Control(fixture::kRadioOne)));
    EXPECT_TRUE(WaitForCheck(fixture::kRadioOne, BST_CHECKED));
    EXPECT_TRUE(Click(Control(fixture::kRadioTwo)));
    EXPECT_TRUE(WaitForCheck(fixture::kRadioTwo, BST_CHECKED));
    EXPECT_TRUE(WaitForCheck(fixture::kRadioOne, BST_UNCHECKED));
}

TEST_F(WindowTest, WindowsAUserCannotReachTakeNoInput)
{
    HWND disabled = Control(fixture::kDisabledButton);
    EXPECT_FALSE(Click(disabled));
    EXPECT_FALSE(TypeText(disabled, L"x"));
    EXPECT_FALSE(PressKey(disabled, Key::kEnter));
    EXPECT_FALSE(Click(nullptr));

    // The click returns at once although its handler stays in a modal message box.
    const ULONGLONG start = GetTickCount64();
    EXPECT_TRUE(Click(Control(fixture::kModalButton)));
    EXPECT_LT(GetTickCount64() - start, 1000u);
    HWND box = WaitForTopWindow(child_.pid(), WindowQuery{.title = fixture::kModalTitle}, fixture::kWaitMs);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), window_);
    // The box disables its owner, so the owner's buttons are out of reach until it closes.
    EXPECT_FALSE(Click(Control(fixture::kPressButton)));
    EXPECT_FALSE(TypeText(Control(fixture::kPlainEdit), L"x"));
    EXPECT_EQ(WindowText(Control(fixture::kPlainEdit)), L"");
    EXPECT_TRUE(PressDialogButton(box, IDOK));
    EXPECT_TRUE(WaitForWindowGone(box, fixture::kWaitMs));
    EXPECT_TRUE(WaitFor(fixture::kWaitMs, [&] { return Click(Control(fixture::kPressButton)); }));
}

TEST_F(WindowTest, KeysPassThroughTheProgramsMessageLoop)
{
    const struct {
        Key key;
        const wchar_t* seen;
    } cases[] = {
        {Key::kEnter, L"key: enter 100"},
        {Key::kEscape, L"key: esc 100"},
        {Key::kTab, L"key: tab 100"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(PressKey(Control(fixture::kPlainEdit), c.key));
        EXPECT_TRUE(WaitForText(Control(fixture::kKeyLabel), c.seen, fixture::kWaitMs)) << c.seen;
    }
}

TEST_F(WindowTest, FocusMovesBetweenEdits)
{
    EXPECT_TRUE(Focus(Control(fixture::kDigitsEdit)));
    EXPECT_TRUE(WaitForText(Control(fixture::kFocusLabel), L"focus: 101", fixture::kWaitMs));
    EXPECT_EQ(FocusedWindow(window_), Control(fixture::kDigitsEdit));
    EXPECT_TRUE(Focus(Control(fixture::kPlainEdit)));
    EXPECT_TRUE(WaitForText(Control(fixture::kFocusLabel), L"focus: 100", fixture::kWaitMs));
    EXPECT_FALSE(Focus(Control(fixture::kDisabledButton)));
}

TEST_F(WindowTest, CloseRequestEndsTheProgram)
{
    EXPECT_TRUE(RequestClose(window_));
    EXPECT_EQ(child_.WaitForExit(fixture::kWaitMs), 0u);
    EXPECT_TRUE(WaitForWindowGone(window_, fixture::kWaitMs));
}

}  // namespace
