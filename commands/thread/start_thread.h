// StartThread: an application sub (a ThreadSub) run on a new operating-system thread.
#pragma once

#include <cstdint>

#include "runtime/values.h"

namespace rt::commands {

// A reference to an integer variable, as StartThread's third argument takes it: the variable's
// address in the pointer words (low and high on x86_64, low on i686), under a type of its own, so
// that a plain number is never taken for an address.
constexpr uint32_t kIntVariableReference = kInt | 0x40000000;
inline ValueTriple IntVariableReference(int32_t* variable) { return MakePointerValue(variable, kIntVariableReference); }

// Arguments: the sub pointer (a ThreadSub; required), the integer parameter handed to it (0 when
// left out), and an IntVariableReference that receives the thread handle: its 32 significant bits
// (sign-extend them to get the HANDLE back), left open for the caller to close. Without the
// reference the handle is closed at once. Result: logical, true when the thread was created.
void StartThreadCommand(ValueTriple* result, int argCount, ValueTriple* args);

}  // namespace rt::commands
