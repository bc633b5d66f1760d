// RaiseFeedback: the label's private message carries two integers to the label's window, which
// raises event 0 with them on the window thread. Worker threads find the label's window through a
// table of their own, so that a posted call never waits for the window thread.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "runtime/private_messages.h"
#include "runtime/values.h"

namespace rt::units {

// The label windows by window id and unit id; any thread. A label is entered at creation and
// leaves at its destruction (only when the entry still names that window).
void EnterFeedbackWindow(uint32_t windowId, uint32_t unitId, HWND window);
void LeaveFeedbackWindow(uint32_t windowId, uint32_t unitId, HWND window);
HWND FeedbackWindow(uint32_t windowId, uint32_t unitId);

// The core command: Label, [integer a], [integer b], [logical wait]. With wait omitted or true the
// message is sent and the result is the handler's integer (0 when it returned nothing); with wait
// false it is posted and the result is 0.
void RaiseFeedbackCommand(ValueTriple* result, int argCount, ValueTriple* args);

}  // namespace rt::units
