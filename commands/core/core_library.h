// The core library (library 0): its command table in table order and its description.
#pragma once

#include "commands/core/core_command_ids.h"
#include "runtime/program_header.h"

namespace rt {

// The library's description for the program header's library table: the 35 command routines in
// table order (indexed by CoreCommand), and a notify routine that hands the runtime the picture
// teardown and the picture-to-bitmap service (1003) at start-up and closes the open files and
// forgets the picture handles at shut-down.
extern const LibraryDescription kCoreLibrary;

// The table's entry for the command; null outside the table.
CommandRoutine CoreCommandRoutine(CoreCommand command);

}  // namespace rt
