#include "runtime/window/window_thread.h"

#include "runtime/runtime_app.h"

namespace rt {

bool RunOnWindowThread(const std::function<void()>& work)
{
    RuntimeApp& app = App();
    if (app.mainThreadId == 0 || app.onMainThread()) {
        work();
        return true;
    }
    HWND runtimeWindow = app.runtimeWindow;
    if (!runtimeWindow) {
        return false;
    }
    // SendMessage returns only after the window thread ran the call, so work may refer to the
    // caller's stack. It fails (0) when the window is gone; the call then did not run.
    return SendMessageW(runtimeWindow, kRunOnWindowThreadMessage, 0, reinterpret_cast<LPARAM>(&work)) == 1;
}

LRESULT RunWindowThreadCall(LPARAM call)
{
    (*reinterpret_cast<const std::function<void()>*>(call))();
    return 1;
}

}  // namespace rt
