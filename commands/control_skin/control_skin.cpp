// Until the painters are in place the skin keeps only its switched state: on installs the hook
// that later attaches new windows, off removes it.
#include "commands/control_skin/control_skin.h"

#include <windows.h>

namespace rt {
namespace {

HHOOK hook = nullptr;
int currentScheme = 0;

LRESULT CALLBACK WatchCreations(int code, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

int SwitchSkinOn(int scheme)
{
    SwitchSkinOff();
    currentScheme = scheme;
    hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchCreations, nullptr, GetCurrentThreadId());
    return 1;
}

int SwitchSkinOff()
{
    if (!hook) {
        return 0;
    }
    BOOL removed = UnhookWindowsHookEx(hook);
    hook = nullptr;
    currentScheme = 0;
    return removed ? 1 : 0;
}

}  // namespace rt
