// The window and screen commands.
#pragma once

#include "runtime/values.h"

namespace rt::commands {

// window, [owner window], [modal]: true when the runtime loaded the window.
void LoadWindowCommand(ValueTriple* result, int argCount, ValueTriple* args);
// window or unit, [at once]: a window is closed when the message loop next runs (at once: during
// the call); a unit inside a window is destroyed.
void DestroyWindowCommand(ValueTriple* result, int argCount, ValueTriple* args);
// The primary screen's width and height in pixels.
void ScreenWidthCommand(ValueTriple* result, int argCount, ValueTriple* args);
void ScreenHeightCommand(ValueTriple* result, int argCount, ValueTriple* args);
// Dispatches the calling thread's waiting messages.
void ProcessEventsCommand(ValueTriple* result, int argCount, ValueTriple* args);
// milliseconds: suspends the calling thread; a negative value counts as 0.
void SleepCommand(ValueTriple* result, int argCount, ValueTriple* args);
// message, [flags], [caption "信息："]: the button pressed, OK 0, Cancel 1, Abort 2, Retry 3,
// Ignore 4, Yes 5, No 6.
void MessageBoxCommand(ValueTriple* result, int argCount, ValueTriple* args);

}  // namespace rt::commands
