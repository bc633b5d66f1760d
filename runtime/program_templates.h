// The program's window templates: read from the header's template block at start-up.
#pragma once

#include "runtime/program_header.h"

namespace rt {

// Reads the block into the template collection and resolves its event bindings against the
// code base; false when the block is unreadable.
bool ReadProgramTemplates(const ProgramHeader& header);

// Whether any window of the template collection is alive.
bool AnyTemplateWindowAlive();

}  // namespace rt
