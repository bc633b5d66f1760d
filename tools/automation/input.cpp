// Clicks, texts, keys, focus and close requests sent to another process's windows.
#include "tools/automation/input.h"

#include "tools/automation/wait.h"
#include "tools/automation/window_query.h"

namespace automation {
namespace {

// A user reaches a window only when it and every window above it are shown and enabled.
bool ReachableByUser(HWND window)
{
    if (!IsWindow(window)) {
        return false;
    }
    for (HWND current = window; current; current = GetAncestor(current, GA_PARENT)) {
        if (current == GetDesktopWindow()) {
            break;
        }
        if (!IsWindowVisible(current) || !IsWindowEnabled(current)) {
            return false;
        }
    }
    return true;
}

UINT VirtualKey(Key key)
{
    switch (key) {
    case Key::kEnter:
        return VK_RETURN;
    case Key::kEscape:
        return VK_ESCAPE;
    case Key::kTab:
        return VK_TAB;
    }
    return VK_RETURN;
}

// Joins the calling thread's input to another thread's for one scope, so focus calls reach it.
class AttachedInput {
public:
    explicit AttachedInput(DWORD target)
        : self_(GetCurrentThreadId()),
          target_(target),
          attached_(target != self_ && AttachThreadInput(self_, target, TRUE))
    {
    }
    AttachedInput(const AttachedInput&) = delete;
    AttachedInput& operator=(const AttachedInput&) = delete;
    ~AttachedInput()
    {
        if (attached_) {
            AttachThreadInput(self_, target_, FALSE);
        }
    }

private:
    DWORD self_;
    DWORD target_;
    bool attached_;
};

}  // namespace

bool Click(HWND button)
{
    if (!ReachableByUser(button)) {
        return false;
    }
    return PostMessageW(button, BM_CLICK, 0, 0) != FALSE;
}

bool SetText(HWND window, const std::wstring& text)
{
    const std::optional<LRESULT> result = SendBounded(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return result && *result;
}

bool TypeText(HWND window, const std::wstring& text)
{
    if (!ReachableByUser(window)) {
        return false;
    }
    for (wchar_t c : text) {
        // Repeat count 1 in the low word of lParam, as for one key stroke.
        if (!SendBounded(window, WM_CHAR, c, 1)) {
            return false;
        }
    }
    return true;
}

bool PressKey(HWND window, Key key)
{
    if (!ReachableByUser(window)) {
        return false;
    }
    const UINT vk = VirtualKey(key);
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    // Key up: previous state down (bit 30) and transition (bit 31).
    const LPARAM up = scan | 1 | (LPARAM{1} << 30) | (LPARAM{1} << 31);
    if (!PostMessageW(window, WM_KEYDOWN, vk, scan | 1)) {
        return false;
    }
    // The key down may already have closed the window (Esc): the key up then has nowhere to go,
    // and the key was pressed all the same.
    PostMessageW(window, WM_KEYUP, vk, up);
    return true;
}

bool RequestClose(HWND window) { return PostMessageW(window, WM_CLOSE, 0, 0) != FALSE; }

bool Focus(HWND window)
{
    if (!ReachableByUser(window)) {
        return false;
    }
    AttachedInput attached(GetWindowThreadProcessId(window, nullptr));
    // Under Wine the foreground change can lag behind the call: try again for a moment.
    constexpr DWORD kFocusTimeoutMs = 2000;
    return WaitFor(kFocusTimeoutMs, [window] {
        SetForegroundWindow(GetAncestor(window, GA_ROOT));
        SetFocus(window);
        return GetFocus() == window;
    });
}

}  // namespace automation
