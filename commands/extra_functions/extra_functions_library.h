// The extra-functions library (library 7) as the program header lists it. The program calls none
// of its commands, so it lists none; it keeps its place in the table.
#pragma once

#include "runtime/program_header.h"

namespace rt::commands {

extern const LibraryDescription kExtraFunctionsLibrary;

}  // namespace rt::commands
