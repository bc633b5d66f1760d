// Unit operations that come from worker threads run on the window thread: a synchronous call
// through the hidden runtime window, so no runtime table, unit record or GDI object is touched by
// two threads.
#pragma once

#include <windows.h>

#include <functional>

namespace rt {

// The runtime window's private message carrying a call: lParam points to the std::function.
inline constexpr UINT kRunOnWindowThreadMessage = 0x83E8;

// Runs work on the window thread and returns when it is done: directly on the window thread,
// else through the runtime window. False, without running it, when there is no runtime window
// (before start-up, after shut-down).
bool RunOnWindowThread(const std::function<void()>& work);

// The runtime window's handler of kRunOnWindowThreadMessage.
LRESULT RunWindowThreadCall(LPARAM call);

}  // namespace rt
