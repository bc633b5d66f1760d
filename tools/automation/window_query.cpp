// Window lookup and reading for the driver.
#include "tools/automation/window_query.h"

#include <algorithm>
#include <iterator>

#include "tools/automation/wait.h"

namespace automation {
namespace {

struct TopWindowSearch {
    DWORD pid;
    std::vector<HWND> found;
};

// pid 0 collects the windows of every process.
BOOL CALLBACK CollectTopWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<TopWindowSearch*>(context);
    if (search->pid == 0 || WindowProcessId(window) == search->pid) {
        search->found.push_back(window);
    }
    return TRUE;
}

// The title as the system keeps it, read without a message: a program whose window thread is
// busy does not slow the search down.
std::wstring Title(HWND window)
{
    wchar_t title[512];
    const int length = GetWindowTextW(window, title, static_cast<int>(std::size(title)));
    return std::wstring(title, length > 0 ? static_cast<size_t>(length) : 0);
}

bool Matches(HWND window, const WindowQuery& query)
{
    if (query.visibleOnly && !IsWindowVisible(window)) {
        return false;
    }
    if (query.className && ClassName(window) != *query.className) {
        return false;
    }
    if (!query.title && !query.titleContains) {
        return true;
    }
    const std::wstring title = Title(window);
    if (query.title && title != *query.title) {
        return false;
    }
    return !query.titleContains || title.find(*query.titleContains) != std::wstring::npos;
}

bool Matches(HWND window, const ChildQuery& query)
{
    if (query.visibleOnly && !IsWindowVisible(window)) {
        return false;
    }
    if (query.id && ControlId(window) != *query.id) {
        return false;
    }
    if (query.className && ClassName(window) != *query.className) {
        return false;
    }
    return !query.text || WindowText(window) == *query.text;
}

}  // namespace

std::optional<LRESULT> SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    // A window the system already counts as hung answers nothing at once instead of after the timeout.
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                             &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

DWORD WindowProcessId(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::vector<HWND> TopWindows(DWORD pid)
{
    TopWindowSearch search{pid, {}};
    EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopWindow(DWORD pid, const WindowQuery& query)
{
    for (HWND window : TopWindows(pid)) {
        if (Matches(window, query)) {
            return window;
        }
    }
    return nullptr;
}

HWND WaitForTopWindow(DWORD pid, const WindowQuery& query, DWORD timeoutMs)
{
    return WaitFor(timeoutMs, [&] { return FindTopWindow(pid, query); });
}

std::vector<HWND> AllTopWindows() { return TopWindows(0); }

HWND FindAnyTopWindow(const WindowQuery& query) { return FindTopWindow(0, query); }

HWND WaitForAnyTopWindow(const WindowQuery& query, DWORD timeoutMs)
{
    return WaitFor(timeoutMs, [&] { return FindAnyTopWindow(query); });
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

HWND FindChild(HWND parent, const ChildQuery& query)
{
    for (HWND child : Children(parent)) {
        if (Matches(child, query)) {
            return child;
        }
        if (HWND found = FindChild(child, query)) {
            return found;
        }
    }
    return nullptr;
}

HWND WaitForChild(HWND parent, const ChildQuery& query, DWORD timeoutMs)
{
    return WaitFor(timeoutMs, [&] { return FindChild(parent, query); });
}

std::wstring WindowText(HWND window)
{
    const std::optional<LRESULT> length = SendBounded(window, WM_GETTEXTLENGTH, 0, 0);
    if (!length || *length <= 0) {
        return {};
    }
    // The length may be an over-estimate (it can count bytes of an ANSI window); the copy is cut
    // to what WM_GETTEXT reports.
    std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
    const std::optional<LRESULT> copied =
        SendBounded(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    if (!copied || *copied <= 0) {
        return {};
    }
    text.resize(std::min(static_cast<size_t>(*copied), text.size() - 1));
    return text;
}

std::wstring ClassName(HWND window)
{
    wchar_t name[256];
    const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

int ControlId(HWND window) { return IsWindow(window) ? GetDlgCtrlID(window) : 0; }

bool IsShown(HWND window) { return IsWindowVisible(window) != FALSE; }

bool IsEnabled(HWND window) { return IsWindow(window) && IsWindowEnabled(window); }

RECT ScreenRect(HWND window)
{
    RECT rect{};
    if (!GetWindowRect(window, &rect)) {
        return RECT{};
    }
    return rect;
}

RECT RectInParent(HWND window)
{
    RECT rect = ScreenRect(window);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    HWND parent = (style & WS_CHILD) ? GetParent(window) : nullptr;
    if (parent) {
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

HWND FocusedWindow(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!thread || !GetGUIThreadInfo(thread, &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

std::optional<int> CheckState(HWND button)
{
    const std::optional<LRESULT> state = SendBounded(button, BM_GETCHECK, 0, 0);
    if (!state) {
        return std::nullopt;
    }
    return static_cast<int>(*state);
}

bool WaitForText(HWND window, const std::wstring& text, DWORD timeoutMs)
{
    return WaitFor(timeoutMs, [&] { return WindowText(window) == text; });
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs)
{
    return WaitFor(timeoutMs, [&] { return !IsWindow(window); });
}

}  // namespace automation
