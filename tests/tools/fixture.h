// automation_fixture.exe: the windows the automation tests drive, shown by a process of their own
// as the program under test shows them.
#pragma once

#include <windows.h>

#include <string>

namespace fixture {

// Control ids of the main fixture window.
enum ControlId {
    kPlainEdit = 100,
    kDigitsEdit = 101,  // refuses typed characters other than digits, as a typed-input filter does
    kPressButton = 102,
    kClicksLabel = 103,  // "clicks: N"
    kCheckBox = 104,
    kRadioOne = 105,
    kRadioTwo = 106,
    kKeyLabel = 107,    // "key: enter|esc|tab ID", the last key the message loop saw and its window's id
    kFocusLabel = 108,  // "focus: ID", the edit that last took the focus
    kDisabledButton = 109,
    kModalButton = 110,  // shows a message box owned by the window from its click handler
};

inline constexpr wchar_t kWindowTitle[] = L"Fixture 窗口";
inline constexpr wchar_t kModalTitle[] = L"Modal";
inline constexpr wchar_t kSolidTitle[] = L"Solid";

int RunWindow();
// The window of RunWindow, after making count brushes, count more windows and count × 64 KB of
// private memory, all held until the end.
int RunWindowHolding(int count);
int RunSolid(COLORREF colour, const RECT& rect);
// Exits 1 after writing the chosen path (UTF-16) to resultPath, 0 on cancel, 2 on a dialog error.
int RunFileDialog(bool save, bool explorer, const std::wstring& resultPath);

}  // namespace fixture
