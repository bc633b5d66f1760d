// The XP-style library (library 3) as the program header lists it: command 0 is SetXpStyle.
#pragma once

#include "runtime/program_header.h"

namespace rt::commands {

// At shut-down its notification switches the skin of the shutting-down (main) thread off.
extern const LibraryDescription kXpStyleLibrary;

}  // namespace rt::commands
