// The program's window templates: read from the header's template block at start-up.
#pragma once

#include "runtime/program_header.h"
#include "runtime/templates/template_collection.h"

namespace rt {

// Reads the block into the template collection and resolves its event bindings against the
// code base; false when the block is unreadable. Starts the window layer first (its services,
// message filter and the window kind), which every later window load relies on.
bool ReadProgramTemplates(const ProgramHeader& header);

// The window template collection (service 1001). Owned by the runtime; windows and units are
// loaded from it and restore it when they go.
TemplateCollection& ProgramTemplates();

// Whether any window of the template collection is alive.
bool AnyTemplateWindowAlive();

}  // namespace rt
