// Unit operations that come from worker threads run on the window thread, so no runtime table,
// unit record or GDI object is touched by two threads. A worker's call is a request that it
// queues and posts to the hidden runtime window, then waits for: the window thread runs it from
// its message loop like any posted message. So a handler run for a worker is never inside an
// input-synchronous call (InSendMessage() is false: it may show dialogs and call other processes),
// and workers calling without pause cannot keep the window thread inside one message call.
#pragma once

#include <windows.h>

#include <functional>

#include "runtime/private_messages.h"

namespace rt {

// Runs work on the window thread and returns when it is done: directly on the window thread,
// else as a request to the runtime window. False, without running it, when there is no runtime
// window (before start-up, after shut-down). Once requests are held, a worker's call never
// returns: the process ends around it.
bool RunOnWindowThread(const std::function<void()>& work);

// True on the window thread, and before start-up (there is no other thread then).
bool OnWindowThread();

// A worker whose window was closed under it waits here for good, still answering messages sent
// to its own windows: the program ends around it, or goes on without that window.
[[noreturn]] void ParkWorkerThread();

// The runtime window's handler of kRunOnWindowThreadMessage: runs the requests waiting now;
// requests made meanwhile wait for the next message.
void RunWaitingRequests();

// From now on no worker request runs: the program is ending, and a worker must not reach a
// window that is gone. Window thread.
void HoldWorkerRequests();

}  // namespace rt
