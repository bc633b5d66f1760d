// The image conversion library (library 2) as the program header lists it: command 0 is
// ConvertToJpeg.
#pragma once

#include "runtime/program_header.h"

namespace pictures {

extern const rt::LibraryDescription kImageConversionLibrary;

}  // namespace pictures
