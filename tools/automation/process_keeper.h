// Keeps the exit code of a program started by "automate.exe launch" readable after that
// invocation has ended. An ended process that nobody holds open is gone with its exit code (and its
// id may be reused), so a hidden "automate.exe hold PID" holds it until "wait-exit" has read the
// code, or for a while after the end.
#pragma once

#include <windows.h>

#include "tools/automation/process.h"

namespace automation::cli {

// Starts the holder for a child this invocation still owns and waits until it holds the child.
bool StartKeeper(const ChildProcess& child);
// The hold command itself: returns once the code was read or the hold time after the end is over.
int RunKeeper(DWORD pid);
// Tells the holder of pid, if there is one, that the exit code has been read.
void ReleaseKeeper(DWORD pid);

}  // namespace automation::cli
