// Acting on another process's windows as a user would.
#pragma once

#include <windows.h>

#include <string>

namespace automation {

// Clicks a push button, check box or radio box by posting BM_CLICK, the button's own
// press-and-release. Posted, so the call never waits on what the click starts (a modal dialog
// shown by the click handler would otherwise hold the caller until it closes); the caller waits
// for the effect instead. Like a user, it cannot click a hidden or disabled button, or one whose
// window is disabled behind a modal dialog: then it returns false.
bool Click(HWND button);

// Replaces the text with WM_SETTEXT.
bool SetText(HWND window, const std::wstring& text);

// Types text one WM_CHAR per UTF-16 unit, sent to the window so its own and any subclassed
// window procedure see each character as typed (and may refuse it); returns when all are handled.
// Like Click, it refuses a window a user cannot reach.
bool TypeText(HWND window, const std::wstring& text);

enum class Key { kEnter, kEscape, kTab };

// Posts the key's press and release to the window, through its thread's message loop, where
// dialogs and the program's loop handle Enter, Esc and Tab. Refuses a window a user cannot reach.
// A dialog maps Enter to its default button only once a control of it has the focus: a caller that
// presses keys on a box that has just appeared waits for FocusedWindow to be inside it first.
bool PressKey(HWND window, Key key);

// Posts WM_CLOSE, the request a user makes with the window's close box.
bool RequestClose(HWND window);

// Gives the window the keyboard focus by joining its thread's input for a moment.
bool Focus(HWND window);

}  // namespace automation
