// The core library's command side: its command table in table order and its start and finish
// work. The library's description, which also lists its unit kinds, is made where the kinds are.
#pragma once

#include <cstdint>

#include "commands/core/core_command_ids.h"
#include "runtime/program_header.h"

namespace rt::commands {

// The 35 command routines in table order (indexed by CoreCommand).
const CommandRoutine* CoreCommandTable();

// The table's entry for the command; null outside the table.
CommandRoutine CoreCommandRoutine(CoreCommand command);

// The command side's library notification: at start-up it hands the runtime the picture teardown
// and the picture-to-bitmap service (1003); at shut-down it closes the open files and forgets the
// picture handles.
int64_t CoreCommandsNotify(int code, uintptr_t arg1, uintptr_t arg2);

}  // namespace rt::commands
