// The application's code base: the subs that the window templates bind, in the order of
// data/application_subs.txt (a template's sub offset is an index into it).
#pragma once

#include "runtime/program_header.h"

namespace app {

extern const rt::CodeBase kCodeBase;

}  // namespace app
