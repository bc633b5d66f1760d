#include "runtime/message_loop.h"

#include <climits>

#include "runtime/private_messages.h"
#include "runtime/program_templates.h"
#include "runtime/runtime_app.h"
#include "runtime/trace.h"
#include "runtime/window/idle_list.h"
#include "runtime/window/window_lifetime.h"
#include "runtime/window/window_thread.h"

namespace rt {
namespace {

// The system's caret-blink timer message.
constexpr UINT kSystemTimerMessage = 0x0118;

MessageFilter messageFilter = nullptr;

// Mouse moves to the same place, paints and the caret blink do not end an idle period.
bool EndsIdle(const MSG& message, MSG& lastMouseMove)
{
    if (message.message == WM_MOUSEMOVE) {
        bool same = lastMouseMove.message == WM_MOUSEMOVE && message.hwnd == lastMouseMove.hwnd &&
                    message.lParam == lastMouseMove.lParam;
        lastMouseMove = message;
        return !same;
    }
    return message.message != WM_PAINT && message.message != kSystemTimerMessage;
}

bool ModalWindowGone(HWND modal) { return modal && !IsWindow(modal); }

// The loop; modal is null for the application's loop. Returns false when it ended on the quit
// message (taken in the application's loop, left queued in modal mode).
bool RunLoop(HWND modal)
{
    bool idling = true;
    int idleCount = 0;
    MSG lastMouseMove{};
    MSG message;
    for (;;) {
        while (idling && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            RunIdleList();
            bool more = RunIdleProcessing(idleCount);
            if (ModalWindowGone(modal)) {
                return true;
            }
            idling = more;
            ++idleCount;
        }
        do {
            if (modal && PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message == WM_QUIT) {
                return false;
            }
            if (ModalWindowGone(modal)) {
                return true;
            }
            if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
                App().quitCode = static_cast<int>(message.wParam);
                if (modal) {
                    PostQuitMessage(App().quitCode);
                }
                return false;
            }
            DispatchOne(message);
            if (EndsIdle(message, lastMouseMove)) {
                idling = true;
                idleCount = 0;
            }
        } while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE));
    }
}

// The next waiting message, leaving out the worker-request message when asked to.
bool PeekWaiting(MSG& message, UINT removal, bool withoutRequests)
{
    if (!withoutRequests) {
        return PeekMessageW(&message, nullptr, 0, 0, removal);
    }
    return PeekMessageW(&message, nullptr, 0, kRunOnWindowThreadMessage - 1, removal) ||
           PeekMessageW(&message, nullptr, kRunOnWindowThreadMessage + 1, UINT_MAX, removal);
}

}  // namespace

void SetMessageFilter(MessageFilter filter) { messageFilter = filter; }

void DispatchOne(MSG& message)
{
    if (IsPrivateMessage(message.message) && !PrivateMessageName(message.message) && TraceOn()) {
        char className[64] = "";
        GetClassNameA(message.hwnd, className, sizeof className);
        Trace("unknown private message 0x%04X posted to a window of class %s", message.message, className);
    }
    if (messageFilter && messageFilter(message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void ProcessPendingMessages()
{
    // Worker requests are run once per call: workers that call again at once would otherwise
    // keep this loop going for as long as they run.
    bool requestsRun = false;
    MSG message;
    while (PeekWaiting(message, PM_NOREMOVE, requestsRun)) {
        if (message.message == WM_QUIT || !PeekWaiting(message, PM_REMOVE, requestsRun)) {
            return;
        }
        if (message.message == kRunOnWindowThreadMessage) {
            requestsRun = true;
        }
        DispatchOne(message);
    }
}

int RunMessageLoop()
{
    RuntimeApp& app = App();
    app.loopStarted = true;
    if (!AnyTemplateWindowAlive()) {
        return app.quitCode;
    }
    RunLoop(nullptr);
    return app.quitCode;
}

void RunModalLoop(HWND modalWindow)
{
    HWND previous = CurrentModalWindow();
    SetCurrentModalWindow(modalWindow);
    RunLoop(modalWindow);
    SetCurrentModalWindow(previous);
}

}  // namespace rt
