// The shell library (library 4) as the program header lists it: command 0 is RunShellVerb.
#pragma once

#include "runtime/program_header.h"

namespace rt::commands {

extern const LibraryDescription kShellLibrary;

}  // namespace rt::commands
