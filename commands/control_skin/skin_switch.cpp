// Switching the skin on and off for the calling thread: every window of the thread is walked
// (top-level windows, then all their descendants), and a thread hook takes over the windows the
// thread creates while the skin is on, as they receive WM_CREATE.
#include "commands/control_skin/skin_switch.h"

#include <windows.h>

#include <atomic>

#include "commands/control_skin/control_skin.h"
#include "commands/control_skin/skin_attach.h"
#include "commands/control_skin/skin_colours.h"
#include "commands/control_skin/skin_record.h"

namespace rt::commands {
namespace skin {
namespace {

// The skin is switched from one thread; the scheme is also read by windows painting on others.
HHOOK hook = nullptr;
std::atomic<int> scheme{kSkinSilver};

BOOL CALLBACK AttachOne(HWND window, LPARAM)
{
    AttachSkin(window);
    return TRUE;
}

BOOL CALLBACK AttachTree(HWND window, LPARAM)
{
    AttachSkin(window);
    EnumChildWindows(window, AttachOne, 0);
    return TRUE;
}

BOOL CALLBACK DetachOne(HWND window, LPARAM)
{
    SkinRecord* record = FindSkinRecord(window);
    if (record && record->attached) {
        DetachSkin(record, true);
    }
    return TRUE;
}

BOOL CALLBACK DetachTree(HWND window, LPARAM)
{
    DetachOne(window, 0);
    EnumChildWindows(window, DetachOne, 0);
    return TRUE;
}

LRESULT CALLBACK WatchCreations(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (message && message->message == WM_CREATE) {
            AttachSkin(message->hwnd);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

int CurrentScheme() { return scheme.load(); }

}  // namespace skin

int SwitchSkinOn(int newScheme)
{
    SwitchSkinOff();
    skin::scheme.store(skin::ValidScheme(newScheme));
    EnumThreadWindows(GetCurrentThreadId(), skin::AttachTree, 0);
    skin::hook = SetWindowsHookExW(WH_CALLWNDPROC, skin::WatchCreations, nullptr, GetCurrentThreadId());
    return 1;
}

int SwitchSkinOff()
{
    if (!skin::hook) {
        return 0;
    }
    EnumThreadWindows(GetCurrentThreadId(), skin::DetachTree, 0);
    BOOL removed = UnhookWindowsHookEx(skin::hook);
    skin::hook = nullptr;
    return removed ? 1 : 0;
}

}  // namespace rt::commands
