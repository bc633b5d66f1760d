// Message boxes and the buttons of dialogs. A message box is a top-level dialog ("#32770") whose
// static control 0xFFFF holds the message; Windows' and Wine's message boxes both lay it out so.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace automation {

struct DialogButton {
    HWND window;
    int id;
    std::wstring caption;
};

bool IsMessageBox(HWND window);
// The topmost shown message box of a process, or null.
HWND FindMessageBox(DWORD pid);
HWND WaitForMessageBox(DWORD pid, DWORD timeoutMs);
// A shown message box whose owner is the given window (a file dialog's prompts), or null.
HWND FindOwnedMessageBox(HWND owner);

// The message text; the title is the box's WindowText.
std::wstring MessageBoxText(HWND box);

// The shown push buttons that are direct children of a dialog, in z-order (a dialog's tab order).
std::vector<DialogButton> DialogButtons(HWND dialog);
// Clicks the dialog's shown button with this id (IDOK, IDYES, ...); false when it has none.
bool PressDialogButton(HWND dialog, int id);
// Clicks the button whose caption, without its "&" mnemonic marks, equals caption without them.
bool PressDialogButtonByCaption(HWND dialog, const std::wstring& caption);

// Waits for a message box of the process, presses its button id and waits until the box is gone.
bool AnswerMessageBox(DWORD pid, int id, DWORD timeoutMs);

}  // namespace automation
