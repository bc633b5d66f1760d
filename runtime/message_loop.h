// The message loop with idle processing, its modal mode, and the processing of waiting messages.
#pragma once

#include <windows.h>

namespace rt {

// Dispatches every waiting message of the calling thread, with the worker requests waiting at
// the time once; a quit message stays queued.
void ProcessPendingMessages();

// Marks the loop as started and runs until the quit message (at once when no template window is
// alive); returns the quit code.
int RunMessageLoop();

// The nested loop of a modal window: returns when the window is gone, or at a quit message, which
// stays queued for the outer loop. The previous modal window is current again afterwards.
void RunModalLoop(HWND modalWindow);

// Takes and dispatches one message through the window layer's filter.
void DispatchOne(MSG& message);

// The window layer's message filter: true when it handled the message (no dispatch follows).
using MessageFilter = bool (*)(MSG& message);
void SetMessageFilter(MessageFilter filter);

}  // namespace rt
