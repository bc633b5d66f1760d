// The question after a split and what its answers open: Yes the output folder in the shell's
// window and the preview window showing the page, No neither; a second Yes replaces the window.
#include "tests/end_to_end/end_to_end_test.h"
#include "tools/automation/input.h"
#include "tools/automation/wait.h"
#include "tools/automation/window_query.h"
#include "tools/splitter_driver/folder_windows.h"

namespace end_to_end {
namespace {

namespace fs = std::filesystem;

// What Yes opens shows within this; No is given as long to open nothing.
constexpr DWORD kOpenMs = 10000;
constexpr DWORD kNothingOpensMs = 2000;

// The preview window's view that shows the page: its one shown child view.
HWND PageView(HWND preview)
{
    for (HWND child : automation::Children(preview)) {
        if (automation::ClassName(child) == L"ZorviHtmlViewer" && IsWindowVisible(child)) {
            return child;
        }
    }
    return nullptr;
}

RECT Rect(LONG left, LONG top, LONG right, LONG bottom) { return RECT{left, top, right, bottom}; }

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

class FinalQuestion : public EndToEndTest {
protected:
    // Splits the default picture into folder\cover up to the question.
    splitter::SeenMessageBox SplitUpToTheQuestion(const std::wstring& folder)
    {
        program().PressSplit();
        program().Save((Folder(folder) / L"cover").wstring());
        return program().WaitForFinalQuestion();
    }
    fs::path Page(const std::wstring& folder) { return Folder(folder) / texts::kPage; }
    // The split's 15 pieces of the default picture and its page.
    ::testing::AssertionResult SplitWritten(const std::wstring& folder)
    {
        const RgbPicture source = DecodeJpegFile(DefaultPictureSource());
        return SplitOutputIs((Folder(folder) / L"cover").wstring(), CountGrid(source, 3, 5), source,
                             kGrainyDrawingOneJpegCoding);
    }
};

TEST_F(FinalQuestion, NoAfterTheQuestionOpensNeitherFolderNorPreview)
{
    Start();
    const splitter::SeenMessageBox question = SplitUpToTheQuestion(L"out");
    EXPECT_EQ(question.caption, texts::kBoxCaption);
    EXPECT_EQ(question.text, texts::kDoneQuestion);
    EXPECT_EQ(question.buttons, (std::vector<int>{IDYES, IDNO}));
    const uint64_t written = LastAccess(Page(L"out"));

    program().AnswerFinalQuestion(question, false);
    EXPECT_EQ(automation::WaitFor(kNothingOpensMs, [&] { return program().PreviewWindow(); }), nullptr);
    EXPECT_EQ(splitter::WaitForFolderWindow(L"out", 0), nullptr);
    EXPECT_EQ(LastAccess(Page(L"out")), written);
    EXPECT_TRUE(SplitWritten(L"out"));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(FinalQuestion, YesOpensTheFolderAndAPreviewWindowOverTheScreenShowingThePage)
{
    Start();
    const splitter::SeenMessageBox question = SplitUpToTheQuestion(L"out");
    const uint64_t written = LastAccess(Page(L"out"));
    program().AnswerFinalQuestion(question, true);

    EXPECT_NE(splitter::WaitForFolderWindow(L"out", kOpenMs), nullptr);
    EXPECT_TRUE(splitter::CloseFolderWindows(L"out", kOpenMs));
    HWND preview = program().WaitForPreviewWindow();
    EXPECT_EQ(automation::WindowText(preview), texts::kPreviewTitle);
    // The whole screen but a strip of 30 pixels at the bottom, and the page's view as large.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN) - 30;
    EXPECT_TRUE(SameRect(automation::ScreenRect(preview), Rect(0, 0, width, height)));
    HWND view = PageView(preview);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(SameRect(automation::RectInParent(view), Rect(0, 0, width, height)));
    // The view was given the page: it has read it since the split wrote it.
    EXPECT_TRUE(WaitForAccessAfter(Page(L"out"), written, kOpenMs));
    EXPECT_TRUE(SplitWritten(L"out"));
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(FinalQuestion, ASecondYesReplacesThePreviewWindowAndOneClosedByHandOpensAgain)
{
    Start();
    program().AnswerFinalQuestion(SplitUpToTheQuestion(L"first"), true);
    HWND first = program().WaitForPreviewWindow();
    splitter::CloseFolderWindows(L"first", kOpenMs);

    const splitter::SeenMessageBox question = SplitUpToTheQuestion(L"second");
    const uint64_t written = LastAccess(Page(L"second"));
    program().AnswerFinalQuestion(question, true);
    HWND second = program().WaitForPreviewWindow(first);
    splitter::CloseFolderWindows(L"second", kOpenMs);
    EXPECT_TRUE(automation::WaitForWindowGone(first, kOpenMs));
    int shown = 0;
    for (HWND window : automation::TopWindows(program().pid())) {
        shown += automation::WindowText(window) == texts::kPreviewTitle && IsWindowVisible(window) ? 1 : 0;
    }
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(WaitForAccessAfter(Page(L"second"), written, kOpenMs));
    EXPECT_TRUE(SplitWritten(L"second"));

    automation::RequestClose(second);
    ASSERT_TRUE(automation::WaitForWindowGone(second, kOpenMs));
    program().AnswerFinalQuestion(SplitUpToTheQuestion(L"third"), true);
    EXPECT_NE(program().WaitForPreviewWindow(), nullptr);
    splitter::CloseFolderWindows(L"third", kOpenMs);
    EXPECT_EQ(Stop(), 0u);
}

TEST_F(FinalQuestion, ClosingTheMainWindowWhileItAsksEndsTheProgramWithZero)
{
    Start();
    SplitUpToTheQuestion(L"out");
    program().RequestMainClose();
    EXPECT_EQ(program().WaitForExit(splitter::kStepTimeoutMs), 0u);
}

}  // namespace
}  // namespace end_to_end
