// The core library (library 0) as the program header lists it: the core command table and the
// unit kinds of library 1 other than the window, which the runtime makes itself.
#pragma once

#include "runtime/program_header.h"

namespace rt::units {

// Its notification starts and finishes the command side and, at start-up, sets the routines
// behind the unit methods (Clear, DrawPicture, Copy, Show, RaiseFeedback, OpenLink, ...).
extern const LibraryDescription kCoreLibrary;

}  // namespace rt::units
