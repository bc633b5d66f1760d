// Finding the windows of a process and reading what they show. Every read works across
// processes: texts come through WM_GETTEXT, which Windows and Wine carry between processes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace automation {

// How long one message to another process's window may take before the driver gives up on it.
constexpr DWORD kMessageTimeoutMs = 5000;

// Sends a message and waits at most kMessageTimeoutMs for the answer; nothing when the window is
// gone, hung or did not answer in time.
std::optional<LRESULT> SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A top-level window to look for. Empty fields match anything. Titles are compared as the system
// keeps them (up to 511 characters).
struct WindowQuery {
    std::optional<std::wstring> className;
    std::optional<std::wstring> title;          // the whole title
    std::optional<std::wstring> titleContains;  // a part of the title
    bool visibleOnly = true;
};

// A child window to look for, at any depth. Empty fields match anything.
struct ChildQuery {
    std::optional<std::wstring> className;
    std::optional<int> id;
    std::optional<std::wstring> text;  // the whole window text
    bool visibleOnly = false;
};

DWORD WindowProcessId(HWND window);
// Top-level windows of a process, topmost first.
std::vector<HWND> TopWindows(DWORD pid);
HWND FindTopWindow(DWORD pid, const WindowQuery& query);
HWND WaitForTopWindow(DWORD pid, const WindowQuery& query, DWORD timeoutMs);
// The same among the top-level windows of every process: windows that a program has another
// process show (the shell's folder windows).
std::vector<HWND> AllTopWindows();
HWND FindAnyTopWindow(const WindowQuery& query);
HWND WaitForAnyTopWindow(const WindowQuery& query, DWORD timeoutMs);

// Direct children in z-order, topmost first.
std::vector<HWND> Children(HWND parent);
// The first match in a depth-first walk of the descendants, in z-order.
HWND FindChild(HWND parent, const ChildQuery& query);
HWND WaitForChild(HWND parent, const ChildQuery& query, DWORD timeoutMs);

// Reads; a window that is gone reads as empty text, id 0, not visible, an empty rectangle.
std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
int ControlId(HWND window);
bool IsShown(HWND window);
bool IsEnabled(HWND window);
RECT ScreenRect(HWND window);
// The rectangle in the client coordinates of the parent; screen coordinates for a top-level window.
RECT RectInParent(HWND window);
// The window that has the keyboard focus in the thread of the given window, or null.
HWND FocusedWindow(HWND window);
// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE of a button; nothing when it does not answer.
std::optional<int> CheckState(HWND button);

bool WaitForText(HWND window, const std::wstring& text, DWORD timeoutMs);
bool WaitForWindowGone(HWND window, DWORD timeoutMs);

}  // namespace automation
