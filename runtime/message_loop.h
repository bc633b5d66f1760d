// The message loop and the processing of waiting messages.
#pragma once

#include <windows.h>

namespace rt {

// Dispatches every waiting message of the calling thread; a quit message stays queued.
void ProcessPendingMessages();

// Runs until the quit message (or at once when no window is alive); returns the quit code.
int RunMessageLoop();

// Takes and dispatches one message through the window layer's filter.
void DispatchOne(MSG& message);

// The window layer's message filter: true when it handled the message (no dispatch follows).
using MessageFilter = bool (*)(MSG& message);
void SetMessageFilter(MessageFilter filter);

}  // namespace rt
