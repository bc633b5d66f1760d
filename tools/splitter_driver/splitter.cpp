#include "tools/splitter_driver/splitter.h"

#include <commctrl.h>

#include "tools/automation/file_dialog.h"
#include "tools/automation/input.h"
#include "tools/automation/message_box.h"
#include "tools/automation/screenshot.h"
#include "tools/automation/wait.h"
#include "tools/automation/window_query.h"
#include "tools/splitter_driver/driver_error.h"
#include "tools/splitter_driver/folder_windows.h"
#include "tools/splitter_driver/program_texts.h"

namespace splitter {
namespace {

// The board is still when two captures this far apart are the same.
constexpr DWORD kStillIntervalMs = 300;
// How long the file browser may take to close its window.
constexpr DWORD kFolderCloseMs = 5000;

bool ShowsRed(const automation::Image& image)
{
    for (size_t i = 0; i + 2 < image.rgb.size(); i += 3) {
        if (image.rgb[i] == 255 && image.rgb[i + 1] == 0 && image.rgb[i + 2] == 0) {
            return true;
        }
    }
    return false;
}

// A box the driver did not ask for, named in the failure.
std::wstring Describe(const SeenMessageBox& box) { return L"\"" + box.caption + L"\" box: " + box.text; }

}  // namespace

std::wstring FolderOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

Splitter::Splitter(const ProgramFolder& folder)
    : process_(automation::Launch(folder.program().wstring(), L"", folder.folder().wstring()))
{
    if (!process_) {
        throw DriverError(L"cannot start " + folder.program().wstring());
    }
    automation::WindowQuery query;
    query.title = texts::kMainTitle;
    HWND window = automation::WaitForTopWindow(pid(), query, kStepTimeoutMs);
    if (!window) {
        throw DriverError(L"no main window titled " + std::wstring(texts::kMainTitle));
    }
    std::optional<MainWindowUnits> found =
        automation::WaitFor(kStepTimeoutMs, [&] { return FindMainWindowUnits(window); });
    if (!found) {
        throw DriverError(L"the main window lacks some of its units");
    }
    units_ = *found;
    WaitUntilIdle();
}

Splitter::~Splitter()
{
    for (const std::wstring& folder : openedFolders_) {
        CloseFolderWindows(FolderName(folder), kFolderCloseMs);
    }
}

void Splitter::WaitUntilIdle() const
{
    // Answered only once the window thread is back in its message loop.
    if (!automation::SendBounded(units_.window, WM_NULL, 0, 0)) {
        throw DriverError(L"the main window does not answer");
    }
}

void Splitter::ClickButton(HWND button, const wchar_t* what)
{
    if (!automation::Click(button)) {
        throw DriverError(std::wstring(L"cannot press ") + what);
    }
}

void Splitter::SetEditText(HWND edit, const std::wstring& text)
{
    if (!automation::IsEnabled(edit) || !automation::SetText(edit, text) || automation::WindowText(edit) != text) {
        throw DriverError(L"cannot put \"" + text + L"\" into an edit box");
    }
}

void Splitter::OpenPicture(const std::wstring& path)
{
    ClickButton(units_.openButton, texts::kOpenButton);
    HWND dialog = automation::WaitForFileDialog(pid(), kStepTimeoutMs);
    if (!dialog) {
        throw DriverError(L"no open dialog");
    }
    const automation::FileDialogOutcome outcome = automation::ConfirmFileDialog(dialog, path, kStepTimeoutMs);
    if (outcome != automation::FileDialogOutcome::kClosed) {
        throw DriverError(L"the open dialog did not take " + path);
    }
    if (!automation::WaitForText(units_.pictureNameLabel, path, kStepTimeoutMs)) {
        throw DriverError(L"the picture name label does not show " + path);
    }
    WaitUntilIdle();
}

void Splitter::CancelOpen()
{
    ClickButton(units_.openButton, texts::kOpenButton);
    HWND dialog = automation::WaitForFileDialog(pid(), kStepTimeoutMs);
    if (!dialog || !automation::CancelFileDialog(dialog, kStepTimeoutMs)) {
        throw DriverError(L"no open dialog to cancel");
    }
    WaitUntilIdle();
}

std::wstring Splitter::PictureName() const { return automation::WindowText(units_.pictureNameLabel); }

std::wstring Splitter::PictureSize() const { return automation::WindowText(units_.pictureSizeLabel); }

void Splitter::ChooseByCount()
{
    ClickButton(units_.byCountRadio, texts::kByCountRadio);
    if (!automation::WaitFor(kStepTimeoutMs, [&] {
            return automation::IsEnabled(units_.rowsEdit) && !automation::IsEnabled(units_.pieceWidthEdit);
        })) {
        throw DriverError(L"the count boxes did not open");
    }
}

void Splitter::ChooseBySize()
{
    ClickButton(units_.bySizeRadio, texts::kBySizeRadio);
    if (!automation::WaitFor(kStepTimeoutMs, [&] {
            return automation::IsEnabled(units_.pieceWidthEdit) && !automation::IsEnabled(units_.rowsEdit);
        })) {
        throw DriverError(L"the size boxes did not open");
    }
}

void Splitter::SetResize(bool resize)
{
    if ((automation::CheckState(units_.resizeCheck) == BST_CHECKED) != resize) {
        ClickButton(units_.resizeCheck, texts::kResizeCheck);
    }
    if (!automation::WaitFor(kStepTimeoutMs, [&] {
            return automation::IsEnabled(units_.resizeWidthEdit) == resize &&
                   automation::IsEnabled(units_.resizeHeightEdit) == resize;
        })) {
        throw DriverError(L"the resize boxes did not follow the tick");
    }
}

void Splitter::SetCount(const std::wstring& rows, const std::wstring& columns)
{
    SetEditText(units_.rowsEdit, rows);
    SetEditText(units_.columnsEdit, columns);
}

void Splitter::SetPieceSize(const std::wstring& width, const std::wstring& height)
{
    SetEditText(units_.pieceWidthEdit, width);
    SetEditText(units_.pieceHeightEdit, height);
}

void Splitter::SetResizeSize(const std::wstring& width, const std::wstring& height)
{
    SetEditText(units_.resizeWidthEdit, width);
    SetEditText(units_.resizeHeightEdit, height);
}

void Splitter::PressPreview() { ClickButton(units_.previewButton, texts::kPreviewButton); }

RECT Splitter::BoardRect() const
{
    RECT client{};
    GetClientRect(units_.previewBoard, &client);
    MapWindowPoints(units_.previewBoard, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

automation::Image Splitter::CaptureBoard() const
{
    std::optional<automation::Image> image = automation::CaptureScreenRect(BoardRect());
    if (!image) {
        throw DriverError(L"cannot capture the preview board");
    }
    return *image;
}

automation::Image Splitter::WaitForBoardStill(bool redWanted)
{
    const automation::Deadline deadline(kStepTimeoutMs);
    automation::Image before = CaptureBoard();
    while (deadline.Remaining() > 0) {
        Sleep(kStillIntervalMs);
        automation::Image now = CaptureBoard();
        if (now.rgb == before.rgb && (!redWanted || ShowsRed(now))) {
            return now;
        }
        before = std::move(now);
    }
    throw DriverError(redWanted ? L"the preview board shows no settled grid" : L"the preview board does not settle");
}

void Splitter::PressSplit() { ClickButton(units_.splitButton, texts::kSplitButton); }

HWND Splitter::WaitForSaveDialog()
{
    HWND dialog = nullptr;
    bool boxShown = false;
    automation::WaitFor(kStepTimeoutMs, [&] {
        boxShown = automation::FindMessageBox(pid()) != nullptr;
        dialog = boxShown ? nullptr : automation::FindFileDialog(pid());
        return boxShown || dialog;
    });
    if (!dialog) {
        std::optional<SeenMessageBox> box = FindMessageBoxWithin(0);
        throw DriverError(box ? L"no save dialog but a " + Describe(*box) : L"no save dialog");
    }
    return dialog;
}

void Splitter::Save(const std::wstring& saveName)
{
    HWND dialog = WaitForSaveDialog();
    automation::FileDialogOutcome outcome = automation::ConfirmFileDialog(dialog, saveName, kStepTimeoutMs);
    if (outcome == automation::FileDialogOutcome::kMessageBox && automation::FindOverwritePrompt(dialog)) {
        if (automation::AnswerOverwritePrompt(dialog, true, kStepTimeoutMs) &&
            automation::WaitForWindowGone(dialog, kStepTimeoutMs)) {
            outcome = automation::FileDialogOutcome::kClosed;
        }
    }
    if (outcome != automation::FileDialogOutcome::kClosed) {
        throw DriverError(L"the save dialog did not take " + saveName);
    }
    lastSaveName_ = saveName;
}

void Splitter::CancelSave()
{
    HWND dialog = WaitForSaveDialog();
    if (!automation::CancelFileDialog(dialog, kStepTimeoutMs)) {
        throw DriverError(L"the save dialog did not close on Cancel");
    }
}

std::optional<SeenMessageBox> Splitter::FindMessageBoxWithin(DWORD timeoutMs)
{
    HWND window = automation::WaitForMessageBox(pid(), timeoutMs);
    if (!window) {
        return std::nullopt;
    }
    SeenMessageBox box{window, automation::WindowText(window), automation::MessageBoxText(window), {}};
    for (const automation::DialogButton& button : automation::DialogButtons(window)) {
        box.buttons.push_back(button.id);
    }
    return box;
}

SeenMessageBox Splitter::WaitForMessageBox(DWORD timeoutMs)
{
    std::optional<SeenMessageBox> box = FindMessageBoxWithin(timeoutMs);
    if (!box) {
        throw DriverError(L"no message box");
    }
    return *box;
}

void Splitter::Press(const SeenMessageBox& box, int buttonId)
{
    if (!automation::PressDialogButton(box.window, buttonId) ||
        !automation::WaitForWindowGone(box.window, kStepTimeoutMs)) {
        throw DriverError(L"cannot answer the " + Describe(box));
    }
}

SeenMessageBox Splitter::WaitForFinalQuestion()
{
    SeenMessageBox box = WaitForMessageBox(kSplitTimeoutMs);
    if (box.text != texts::kDoneQuestion) {
        throw DriverError(L"instead of the final question a " + Describe(box));
    }
    return box;
}

void Splitter::AnswerFinalQuestion(const SeenMessageBox& question, bool yes)
{
    Press(question, yes ? IDYES : IDNO);
    if (yes) {
        openedFolders_.push_back(FolderOf(lastSaveName_));
        if (!WaitForFolderWindow(FolderName(openedFolders_.back()), kStepTimeoutMs)) {
            throw DriverError(L"Yes did not open the folder " + openedFolders_.back());
        }
    }
    WaitForSplitEnd();
}

int Splitter::ProgressPosition() const
{
    return static_cast<int>(automation::SendBounded(units_.progressBar, PBM_GETPOS, 0, 0).value_or(0));
}

void Splitter::WaitForSplitEnd()
{
    if (!automation::WaitFor(kStepTimeoutMs, [&] { return !IsWindowVisible(units_.progressBar); })) {
        throw DriverError(L"the progress bar stays after the split");
    }
}

HWND Splitter::PreviewWindow() const
{
    automation::WindowQuery query;
    query.title = texts::kPreviewTitle;
    return automation::FindTopWindow(pid(), query);
}

HWND Splitter::WaitForPreviewWindow(HWND replaced)
{
    HWND window = automation::WaitFor(kStepTimeoutMs, [&]() -> HWND {
        HWND shown = PreviewWindow();
        return shown != replaced ? shown : nullptr;
    });
    if (!window) {
        throw DriverError(replaced ? L"no new preview window" : L"no preview window");
    }
    return window;
}

void Splitter::Split(const std::wstring& saveName, bool yes)
{
    HWND before = PreviewWindow();
    PressSplit();
    Save(saveName);
    AnswerFinalQuestion(yes);
    if (yes) {
        WaitForPreviewWindow(before);
    }
}

void Splitter::RequestMainClose()
{
    if (!automation::RequestClose(units_.window)) {
        throw DriverError(L"cannot ask the main window to close");
    }
}

DWORD Splitter::Close()
{
    if (HWND preview = PreviewWindow()) {
        automation::RequestClose(preview);
        if (!automation::WaitForWindowGone(preview, kStepTimeoutMs)) {
            throw DriverError(L"the preview window does not close");
        }
    }
    RequestMainClose();
    std::optional<DWORD> code = WaitForExit(kStepTimeoutMs);
    if (!code) {
        throw DriverError(L"the program does not end when its windows are closed");
    }
    return *code;
}

}  // namespace splitter
