// Filling, confirming and cancelling the open and save dialogs.
#include "tools/automation/file_dialog.h"

#include <dlgs.h>

#include "tools/automation/input.h"
#include "tools/automation/message_box.h"
#include "tools/automation/wait.h"
#include "tools/automation/window_query.h"

namespace automation {
namespace {

bool HasButton(HWND dialog, int id)
{
    for (const DialogButton& button : DialogButtons(dialog)) {
        if (button.id == id) {
            return true;
        }
    }
    return false;
}

}  // namespace

HWND FileNameField(HWND dialog)
{
    for (HWND child : Children(dialog)) {
        const int id = ControlId(child);
        if (id == cmb13) {
            // Explorer style: a ComboBoxEx32 holding a ComboBox holding the edit.
            return ClassName(child) == L"Edit" ? child : FindChild(child, ChildQuery{.className = L"Edit"});
        }
        if (id == edt1 && ClassName(child) == L"Edit") {
            return child;
        }
    }
    return nullptr;
}

bool IsFileDialog(HWND window)
{
    return IsWindowVisible(window) && ClassName(window) == L"#32770" && FileNameField(window) != nullptr;
}

HWND FindFileDialog(DWORD pid)
{
    for (HWND window : TopWindows(pid)) {
        if (IsFileDialog(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND WaitForFileDialog(DWORD pid, DWORD timeoutMs)
{
    return WaitFor(timeoutMs, [&] { return FindFileDialog(pid); });
}

FileDialogOutcome ConfirmFileDialog(HWND dialog, const std::wstring& path, DWORD timeoutMs)
{
    HWND field = FileNameField(dialog);
    if (!field || !SetText(field, path) || !PressDialogButton(dialog, IDOK)) {
        return FileDialogOutcome::kTimedOut;
    }
    FileDialogOutcome outcome = FileDialogOutcome::kTimedOut;
    WaitFor(timeoutMs, [&] {
        if (!IsWindow(dialog)) {
            outcome = FileDialogOutcome::kClosed;
        } else if (FindOwnedMessageBox(dialog)) {
            outcome = FileDialogOutcome::kMessageBox;
        }
        return outcome != FileDialogOutcome::kTimedOut;
    });
    return outcome;
}

HWND FindOverwritePrompt(HWND dialog)
{
    HWND box = FindOwnedMessageBox(dialog);
    return box && HasButton(box, IDYES) && HasButton(box, IDNO) ? box : nullptr;
}

bool AnswerOverwritePrompt(HWND dialog, bool replace, DWORD timeoutMs)
{
    const Deadline deadline(timeoutMs);
    HWND prompt = WaitFor(deadline.Remaining(), [&] { return FindOverwritePrompt(dialog); });
    return prompt && PressDialogButton(prompt, replace ? IDYES : IDNO) &&
           WaitForWindowGone(prompt, deadline.Remaining());
}

bool CancelFileDialog(HWND dialog, DWORD timeoutMs)
{
    return PressDialogButton(dialog, IDCANCEL) && WaitForWindowGone(dialog, timeoutMs);
}

}  // namespace automation
