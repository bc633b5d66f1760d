// Message boxes of another process: found, read (Chinese texts included) and answered.
#include <gtest/gtest.h>

#include "tests/tools/fixture_process.h"
#include "tools/automation/automation.h"
#include "tools/automation/wait.h"

using namespace automation;

namespace {

ChildProcess ShowBox(UINT flags, const std::wstring& title, const std::wstring& text)
{
    return fixture::StartFixture({L"message-box", std::to_wstring(flags), title, text});
}

std::vector<int> ButtonIds(HWND box)
{
    std::vector<int> ids;
    for (const DialogButton& button : DialogButtons(box)) {
        ids.push_back(button.id);
    }
    return ids;
}

TEST(MessageBoxes, ReadsTitleTextAndButtons)
{
    const std::wstring text = L"运行时出错!\r\n\r\n错误信息：测试\r\n";
    ChildProcess child = ShowBox(MB_YESNOCANCEL | MB_ICONERROR, L"错误", text);
    ASSERT_TRUE(child);
    HWND box = WaitForMessageBox(child.pid(), fixture::kWaitMs);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(IsMessageBox(box));
    EXPECT_FALSE(IsFileDialog(box));
    EXPECT_EQ(WindowText(box), L"错误");
    EXPECT_EQ(MessageBoxText(box), text);
    EXPECT_EQ(ButtonIds(box), (std::vector<int>{IDYES, IDNO, IDCANCEL}));
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_EQ(FindOwnedMessageBox(box), nullptr);
}

TEST(MessageBoxes, PressedButtonIsWhatTheCallReturns)
{
    const struct {
        UINT flags;
        int press;
    } cases[] = {
        {MB_OK, IDOK},    {MB_OKCANCEL, IDCANCEL},   {MB_YESNO, IDYES},
        {MB_YESNO, IDNO}, {MB_RETRYCANCEL, IDRETRY}, {MB_ABORTRETRYIGNORE, IDIGNORE},
    };
    for (const auto& c : cases) {
        ChildProcess child = ShowBox(c.flags, L"信息：", L"图片分割完成,是否打开图片保存目录并网页预览");
        ASSERT_TRUE(child);
        EXPECT_TRUE(AnswerMessageBox(child.pid(), c.press, fixture::kWaitMs)) << c.flags << " " << c.press;
        EXPECT_EQ(child.WaitForExit(fixture::kWaitMs), static_cast<DWORD>(c.press)) << c.flags << " " << c.press;
    }
}

TEST(MessageBoxes, KeysAnswerTheBoxAsAUsersKeysDo)
{
    const struct {
        UINT flags;
        Key key;
        int answer;
    } cases[] = {
        {MB_YESNO, Key::kEnter, IDYES},  // the default button
        {MB_YESNO | MB_DEFBUTTON2, Key::kEnter, IDNO},
        {MB_OKCANCEL, Key::kEscape, IDCANCEL},
    };
    for (const auto& c : cases) {
        ChildProcess child = ShowBox(c.flags, L"t", L"keys");
        ASSERT_TRUE(child);
        HWND box = WaitForMessageBox(child.pid(), fixture::kWaitMs);
        ASSERT_NE(box, nullptr);
        // A user presses a key once the box has taken the focus; before that Enter has no button.
        ASSERT_TRUE(WaitFor(fixture::kWaitMs, [&] { return GetParent(FocusedWindow(box)) == box; }));
        EXPECT_TRUE(PressKey(box, c.key));
        EXPECT_EQ(child.WaitForExit(fixture::kWaitMs), static_cast<DWORD>(c.answer)) << c.flags;
    }
}

TEST(MessageBoxes, PressesAButtonByItsCaption)
{
    ChildProcess child = ShowBox(MB_YESNO, L"t", L"question");
    ASSERT_TRUE(child);
    HWND box = WaitForMessageBox(child.pid(), fixture::kWaitMs);
    ASSERT_NE(box, nullptr);
    std::wstring noCaption;
    for (const DialogButton& button : DialogButtons(box)) {
        if (button.id == IDNO) {
            noCaption = button.caption;
        }
    }
    ASSERT_FALSE(noCaption.empty());
    EXPECT_FALSE(PressDialogButtonByCaption(box, L"Maybe"));
    // Mnemonic marks do not matter: "&No" is pressed as "No".
    std::wstring plain = noCaption;
    std::erase(plain, L'&');
    EXPECT_TRUE(PressDialogButtonByCaption(box, plain));
    EXPECT_EQ(child.WaitForExit(fixture::kWaitMs), static_cast<DWORD>(IDNO));
}

TEST(MessageBoxes, ButtonTheBoxLacksIsRefused)
{
    ChildProcess child = ShowBox(MB_OK, L"t", L"only OK");
    ASSERT_TRUE(child);
    HWND box = WaitForMessageBox(child.pid(), fixture::kWaitMs);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(PressDialogButton(box, IDYES));
    EXPECT_FALSE(AnswerMessageBox(child.pid(), IDNO, 300));
    EXPECT_TRUE(IsWindow(box));
    EXPECT_TRUE(AnswerMessageBox(child.pid(), IDOK, fixture::kWaitMs));
    EXPECT_EQ(child.WaitForExit(fixture::kWaitMs), static_cast<DWORD>(IDOK));
}

TEST(MessageBoxes, NoBoxTimesOut)
{
    ChildProcess child = fixture::StartFixture({L"window"});
    ASSERT_TRUE(child);
    ASSERT_NE(WaitForTopWindow(child.pid(), WindowQuery{}, fixture::kWaitMs), nullptr);
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(WaitForMessageBox(child.pid(), 300), nullptr);
    EXPECT_FALSE(AnswerMessageBox(child.pid(), IDOK, 300));
    EXPECT_LT(GetTickCount64() - start, 3000u);
}

}  // namespace
