// The test programs never start the runtime; their header is empty.
#include "runtime/start_runtime.h"

const rt::ProgramHeader rt::kProgramHeader{};
