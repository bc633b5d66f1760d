// The system's open and save dialogs (GetOpenFileNameW / GetSaveFileNameW, Explorer style): a
// top-level "#32770" dialog whose file-name field is the combo box cmb13 with its edit, or the
// plain edit edt1 of older templates.
#pragma once

#include <windows.h>

#include <string>

namespace automation {

bool IsFileDialog(HWND window);
// The topmost shown open or save dialog of a process, or null.
HWND FindFileDialog(DWORD pid);
HWND WaitForFileDialog(DWORD pid, DWORD timeoutMs);
// The edit a user types the file name into, or null.
HWND FileNameField(HWND dialog);

enum class FileDialogOutcome {
    kClosed,      // the dialog took the name and closed
    kMessageBox,  // it answered with a message box of its own (replace the file? not found?) and stays open
    kTimedOut,    // nothing happened in time, or the dialog has no field to fill
};

// Puts a full path into the file-name field, presses the default (Open or Save) button and waits
// for the dialog to close or to raise a message box.
FileDialogOutcome ConfirmFileDialog(HWND dialog, const std::wstring& path, DWORD timeoutMs);

// The save dialog's question whether to replace an existing file: its own message box with Yes and
// No. Null when it is not showing.
HWND FindOverwritePrompt(HWND dialog);

// Answers the save dialog's question whether to replace an existing file, Yes when replace is set,
// and waits for the question to go. After Yes the dialog closes with the name; after No it stays.
bool AnswerOverwritePrompt(HWND dialog, bool replace, DWORD timeoutMs);

// Presses Cancel and waits for the dialog to close.
bool CancelFileDialog(HWND dialog, DWORD timeoutMs);

}  // namespace automation
