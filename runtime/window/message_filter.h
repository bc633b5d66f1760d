// The window's message filter: runs for every message aimed at a template window or a unit inside
// it, before dispatch. Pre-filters, DragAnywhere, Tab / Enter / Esc / F1 / Alt mnemonics, then the
// common unit events. Focus events come from a hook on the window thread, since focus messages
// are sent, never queued.
#pragma once

#include <windows.h>

namespace rt {

// Installs the filter into the message loop and the focus hook on the calling thread.
void InstallWindowMessageFilter();

// True when the message was handled and must not be dispatched.
bool WindowMessageFilter(MSG& message);

// Ctrl 1, Shift 2, Alt 4.
int KeyStateBits();

}  // namespace rt
