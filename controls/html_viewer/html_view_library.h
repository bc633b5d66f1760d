// The HTML view library as the program header lists it: no commands, one unit kind.
#pragma once

#include "runtime/program_header.h"

namespace rt {

extern const LibraryDescription kHtmlViewLibrary;

}  // namespace rt
