// Loading pictures into the live picture list and unloading them.
#pragma once

#include "runtime/values.h"

namespace rt::commands {

// byte set or text path: the handle of the decoded, registered picture; 0 for empty input or data
// that does not decode.
void LoadPictureCommand(ValueTriple* result, int argCount, ValueTriple* args);
// handle: removes the picture from the live list and frees it; an unknown handle does nothing.
void UnloadPictureCommand(ValueTriple* result, int argCount, ValueTriple* args);

}  // namespace rt::commands
