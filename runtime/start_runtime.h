// Start-up of the runtime from the program header, run by the application's entry sub.
#pragma once

#include "runtime/program_header.h"

namespace rt {

// The program header of the running program (each program defines its own).
extern const ProgramHeader kProgramHeader;

void StartRuntime();

// The application's entry sub (each program defines its own); it returns 0.
int ApplicationEntry();

}  // namespace rt
