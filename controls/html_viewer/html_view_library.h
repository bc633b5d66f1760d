// The HTML view library as the program header lists it: no commands, one unit kind.
#pragma once

#include "runtime/program_header.h"

namespace rt::units {

extern const LibraryDescription kHtmlViewLibrary;

}  // namespace rt::units
