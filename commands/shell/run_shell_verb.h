// RunShellVerb: a file, folder or address handed to the shell with a verb and a window mode.
#pragma once

#include "runtime/values.h"

namespace rt::commands {

// Arguments: verb (integer, optional), target (text), parameters (text, optional), working folder
// (text, optional), window mode (integer, optional). Texts are GBK and reach the shell as wide
// texts converted through code page 936. The shell's answer is not reported: no result value.
void RunShellVerbCommand(ValueTriple* result, int argCount, ValueTriple* args);

}  // namespace rt::commands
