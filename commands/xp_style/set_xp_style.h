// SetXpStyle: the control skin of the calling thread switched on with a colour scheme, or off.
#pragma once

#include "runtime/values.h"

namespace rt::commands {

// Argument: the colour scheme (integer); 1, 2 or 3 switch the skin on with it (off first), any
// other value or none switches it off. Result: Int; 1 when switched on; when switched off, nonzero
// if a hook was removed, else 0.
void SetXpStyleCommand(ValueTriple* result, int argCount, ValueTriple* args);

}  // namespace rt::commands
