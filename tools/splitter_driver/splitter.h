// The real program, started from its folder and driven through its windows as a user drives it:
// buttons pressed, edit boxes filled, the open and save dialogs filled and confirmed, message boxes
// read and answered. Every step waits with a bound and throws DriverError when what it waits for
// does not come.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tools/automation/image.h"
#include "tools/automation/process.h"
#include "tools/splitter_driver/main_window_units.h"
#include "tools/splitter_driver/program_folder.h"

namespace splitter {

// Far above what any step needs on a loaded machine.
constexpr DWORD kStepTimeoutMs = 20000;
// A whole split, from the save dialog to the final question.
constexpr DWORD kSplitTimeoutMs = 120000;

struct SeenMessageBox {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
    std::vector<int> buttons;  // ids (IDOK, IDYES, ...) in the box's order
};

class Splitter {
public:
    // Starts the program in its folder and waits until its main window shows all its units.
    explicit Splitter(const ProgramFolder& folder);
    Splitter(const Splitter&) = delete;
    Splitter& operator=(const Splitter&) = delete;
    // Ends a program that still runs and closes the folder windows its splits opened.
    ~Splitter();

    DWORD pid() const { return process_.pid(); }
    HANDLE process() const { return process_.handle(); }
    const MainWindowUnits& units() const { return units_; }
    HWND mainWindow() const { return units_.window; }

    // Presses 打开图片, gives the path to the open dialog and waits until the name label shows it.
    void OpenPicture(const std::wstring& path);
    // Presses 打开图片 and cancels the open dialog.
    void CancelOpen();
    std::wstring PictureName() const;
    std::wstring PictureSize() const;

    void ChooseByCount();
    void ChooseBySize();
    // Ticks or clears 改变图片尺寸.
    void SetResize(bool resize);
    // The edit boxes' texts, set as pasted (any text, not only what the boxes let a user type).
    void SetCount(const std::wstring& rows, const std::wstring& columns);
    void SetPieceSize(const std::wstring& width, const std::wstring& height);
    void SetResizeSize(const std::wstring& width, const std::wstring& height);

    // Presses 预览.
    void PressPreview();
    // The preview board's drawing area once it has stopped changing; with red wanted, once it also
    // shows red grid lines.
    automation::Image WaitForBoardStill(bool redWanted);
    automation::Image CaptureBoard() const;
    // The board's drawing area on the screen.
    RECT BoardRect() const;

    // Presses 分割; its answer is the save dialog or a message box.
    void PressSplit();
    HWND WaitForSaveDialog();
    // Gives the name to the save dialog and confirms it, answering Yes to replacing a file.
    void Save(const std::wstring& saveName);
    void CancelSave();
    // The first message box of the program within the time.
    SeenMessageBox WaitForMessageBox(DWORD timeoutMs = kSplitTimeoutMs);
    // Nothing when no box comes within the time.
    std::optional<SeenMessageBox> FindMessageBoxWithin(DWORD timeoutMs);
    void Press(const SeenMessageBox& box, int buttonId);
    // The final question; any other box first is a failure that names it.
    SeenMessageBox WaitForFinalQuestion();
    // Answers the question and waits for the split to end; after Yes, also for the output folder's
    // window, which the driver closes when it ends.
    void AnswerFinalQuestion(const SeenMessageBox& question, bool yes);
    void AnswerFinalQuestion(bool yes) { AnswerFinalQuestion(WaitForFinalQuestion(), yes); }
    // The progress bar's position, 0 to 100.
    int ProgressPosition() const;
    // The progress bar hidden again: the worker is through with the question.
    void WaitForSplitEnd();
    // Waits for a preview window other than the one given.
    HWND WaitForPreviewWindow(HWND replaced = nullptr);
    HWND PreviewWindow() const;

    // A whole split: 分割, the save dialog, the final question answered; after Yes, the preview
    // window.
    void Split(const std::wstring& saveName, bool yes);

    // Closes the preview window and the main window and returns the exit code.
    DWORD Close();
    // Asks the main window alone to close, as its close box does.
    void RequestMainClose();
    std::optional<DWORD> WaitForExit(DWORD timeoutMs) const { return process_.WaitForExit(timeoutMs); }

    // The folders whose windows the splits' Yes answers opened.
    const std::vector<std::wstring>& openedFolders() const { return openedFolders_; }

private:
    void WaitUntilIdle() const;
    void ClickButton(HWND button, const wchar_t* what);
    void SetEditText(HWND edit, const std::wstring& text);

    automation::ChildProcess process_;
    MainWindowUnits units_;
    std::wstring lastSaveName_;
    std::vector<std::wstring> openedFolders_;
};

// The folder part of a Windows path, with its closing backslash.
std::wstring FolderOf(const std::wstring& path);

}  // namespace splitter
