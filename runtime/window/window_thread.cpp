#include "runtime/window/window_thread.h"

#include <deque>
#include <mutex>
#include <vector>

#include "runtime/runtime_app.h"

namespace rt {
namespace {

struct Request {
    const std::function<void()>* work;
    HANDLE done;
};

std::mutex requestsMutex;
std::deque<Request*> waitingRequests;
bool wakePosted = false;
bool requestsHeld = false;

// The events requests wait on, kept for later requests once done: a request takes one of its
// own, so a worker that answers a sent message while it waits may make another request inside.
std::vector<HANDLE> idleEvents;

HANDLE TakeEvent()
{
    {
        std::lock_guard lock(requestsMutex);
        if (!idleEvents.empty()) {
            HANDLE event = idleEvents.back();
            idleEvents.pop_back();
            return event;
        }
    }
    return CreateEventW(nullptr, FALSE, FALSE, nullptr);
}

void ReturnEvent(HANDLE event)
{
    std::lock_guard lock(requestsMutex);
    idleEvents.push_back(event);
}

// False when the request cannot be queued: no runtime window.
bool Queue(Request& request, HWND runtimeWindow)
{
    std::lock_guard lock(requestsMutex);
    if (!requestsHeld && !wakePosted) {
        if (!PostMessageW(runtimeWindow, kRunOnWindowThreadMessage, 0, 0)) {
            return false;
        }
        wakePosted = true;
    }
    waitingRequests.push_back(&request);
    return true;
}

// Waits for the window thread, still answering messages that other threads send to this
// thread's windows (the window thread may be waiting on one of them).
void WaitAnsweringSentMessages(HANDLE done)
{
    while (MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace

bool OnWindowThread()
{
    const RuntimeApp& app = App();
    return app.mainThreadId == 0 || app.onMainThread();
}

void ParkWorkerThread()
{
    for (;;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_SENDMESSAGE);
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

bool RunOnWindowThread(const std::function<void()>& work)
{
    RuntimeApp& app = App();
    if (OnWindowThread()) {
        work();
        return true;
    }
    HWND runtimeWindow = app.runtimeWindow;
    if (!runtimeWindow) {
        if (app.shuttingDown) {
            ParkWorkerThread();
        }
        return false;
    }
    Request request{&work, TakeEvent()};
    bool queued = Queue(request, runtimeWindow);
    if (queued) {
        WaitAnsweringSentMessages(request.done);
    }
    ReturnEvent(request.done);
    return queued;
}

void RunWaitingRequests()
{
    std::deque<Request*> batch;
    {
        std::lock_guard lock(requestsMutex);
        wakePosted = false;
        if (requestsHeld) {
            return;
        }
        batch.swap(waitingRequests);
    }
    for (Request* request : batch) {
        // A request that ended the program leaves the later ones waiting for good.
        if (requestsHeld) {
            return;
        }
        (*request->work)();
        SetEvent(request->done);
    }
}

void HoldWorkerRequests()
{
    std::lock_guard lock(requestsMutex);
    requestsHeld = true;
}

}  // namespace rt
