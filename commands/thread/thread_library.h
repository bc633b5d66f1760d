// The thread library (library 1) as the program header lists it: command 0 is StartThread.
#pragma once

#include "runtime/program_header.h"

namespace rt::commands {

extern const LibraryDescription kThreadLibrary;

}  // namespace rt::commands
