// The system's open and save dialogs in another process: filled, confirmed, refused and cancelled.
#include <gtest/gtest.h>

#include "tests/tools/fixture_process.h"
#include "tools/automation/automation.h"

using namespace automation;

namespace {

// What the dialog's own message box says, for failure messages.
std::wstring BoxText(HWND dialog)
{
    HWND box = FindOwnedMessageBox(dialog);
    return box ? WindowText(box) + L": " + MessageBoxText(box) : L"(no message box)";
}

class FileDialogTest : public ::testing::TestWithParam<const wchar_t*> {
protected:
    // Starts the fixture's dialog (open-dialog or save-dialog) and waits for it.
    HWND Show(const wchar_t* which)
    {
        child_ = fixture::StartFixture({which, result_, GetParam()});
        if (!child_) {
            return nullptr;
        }
        return WaitForFileDialog(child_.pid(), fixture::kWaitMs);
    }

    std::optional<DWORD> ExitCode() const { return child_.WaitForExit(fixture::kWaitMs); }

    fixture::TempFolder folder_;
    std::wstring result_ = (folder_.path() / L"result.txt").wstring();
    ChildProcess child_;
};

TEST_P(FileDialogTest, OpenDialogReturnsTheTypedPath)
{
    const std::wstring picture = folder_.AddFile(L"分割 图片.jpg");
    HWND dialog = Show(L"open-dialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsMessageBox(dialog));
    EXPECT_EQ(ClassName(FileNameField(dialog)), L"Edit");
    EXPECT_EQ(ConfirmFileDialog(dialog, picture, fixture::kWaitMs), FileDialogOutcome::kClosed) << BoxText(dialog);
    EXPECT_EQ(ExitCode(), 1u);
    EXPECT_EQ(fixture::ReadUtf16File(result_), picture);
}

TEST_P(FileDialogTest, CancelledOpenDialogReturnsFalse)
{
    HWND dialog = Show(L"open-dialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(CancelFileDialog(dialog, fixture::kWaitMs));
    EXPECT_EQ(ExitCode(), 0u);
    EXPECT_FALSE(std::filesystem::exists(result_));
}

TEST_P(FileDialogTest, OpenDialogRefusesAMissingFile)
{
    HWND dialog = Show(L"open-dialog");
    ASSERT_NE(dialog, nullptr);
    const std::wstring missing = (folder_.path() / L"missing.jpg").wstring();
    EXPECT_EQ(ConfirmFileDialog(dialog, missing, fixture::kWaitMs), FileDialogOutcome::kMessageBox);
    HWND box = FindOwnedMessageBox(dialog);
    ASSERT_NE(box, nullptr);
    // Not the replace question: that one has Yes and No.
    EXPECT_EQ(FindOverwritePrompt(dialog), nullptr);
    EXPECT_FALSE(AnswerOverwritePrompt(dialog, true, 300));
    EXPECT_TRUE(PressDialogButton(box, IDOK));
    EXPECT_TRUE(WaitForWindowGone(box, fixture::kWaitMs));
    EXPECT_TRUE(CancelFileDialog(dialog, fixture::kWaitMs));
    EXPECT_EQ(ExitCode(), 0u);
}

TEST_P(FileDialogTest, SaveDialogAsksBeforeReplacing)
{
    const std::wstring existing = folder_.AddFile(L"pieces.jpg");
    HWND dialog = Show(L"save-dialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ConfirmFileDialog(dialog, existing, fixture::kWaitMs), FileDialogOutcome::kMessageBox);
    EXPECT_EQ(FindOverwritePrompt(dialog), FindOwnedMessageBox(dialog));
    EXPECT_TRUE(AnswerOverwritePrompt(dialog, false, fixture::kWaitMs));
    EXPECT_TRUE(IsWindow(dialog));

    EXPECT_EQ(ConfirmFileDialog(dialog, existing, fixture::kWaitMs), FileDialogOutcome::kMessageBox);
    EXPECT_TRUE(AnswerOverwritePrompt(dialog, true, fixture::kWaitMs));
    EXPECT_TRUE(WaitForWindowGone(dialog, fixture::kWaitMs));
    EXPECT_EQ(ExitCode(), 1u);
    EXPECT_EQ(fixture::ReadUtf16File(result_), existing);
}

TEST_P(FileDialogTest, SaveDialogTakesANewNameWithoutQuestion)
{
    const std::wstring fresh = (folder_.path() / L"新的.jpg").wstring();
    HWND dialog = Show(L"save-dialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ConfirmFileDialog(dialog, fresh, fixture::kWaitMs), FileDialogOutcome::kClosed) << BoxText(dialog);
    EXPECT_EQ(ExitCode(), 1u);
    EXPECT_EQ(fixture::ReadUtf16File(result_), fresh);
}

// The program's dialogs pass no OFN_EXPLORER flag; without a hook both look the same.
INSTANTIATE_TEST_SUITE_P(Styles, FileDialogTest, ::testing::Values(L"explorer", L"plain"));

TEST(FileDialog, NoDialogTimesOut)
{
    ChildProcess child = fixture::StartFixture({L"message-box", L"0", L"t", L"not a dialog"});
    ASSERT_TRUE(child);
    ASSERT_NE(WaitForMessageBox(child.pid(), fixture::kWaitMs), nullptr);
    EXPECT_EQ(WaitForFileDialog(child.pid(), 300), nullptr);
    EXPECT_EQ(ConfirmFileDialog(nullptr, L"C:\\x.jpg", 300), FileDialogOutcome::kTimedOut);
    EXPECT_FALSE(CancelFileDialog(nullptr, 300));
}

}  // namespace
