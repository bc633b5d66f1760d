// The internet library (library 6) as the program header lists it: command 0 is HttpRead.
#pragma once

#include "runtime/program_header.h"

namespace rt::commands {

// At shut-down its notification closes the internet state's root handle.
extern const LibraryDescription kInternetLibrary;

}  // namespace rt::commands
