// The hidden runtime window: it receives requests that must run on the main thread, such as the
// exit request of ExitProgram called on another thread.
#pragma once

#include <windows.h>

#include "runtime/private_messages.h"

namespace rt {

void CreateRuntimeWindow();
void DestroyRuntimeWindow();

// The application icon, big and small, loaded once from the program's icon resource "DEFAULT_ICON".
struct ApplicationIcons {
    HICON big = nullptr;
    HICON small = nullptr;
};
const ApplicationIcons& ApplicationIcon();
void DestroyApplicationIcons();

}  // namespace rt
