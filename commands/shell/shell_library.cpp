#include "commands/shell/shell_library.h"

#include <iterator>

#include "commands/shell/run_shell_verb.h"

namespace rt::commands {
namespace {

const CommandRoutine kCommands[] = {RunShellVerbCommand};

}  // namespace

const LibraryDescription kShellLibrary{
    "shell", nullptr, kCommands, static_cast<uint32_t>(std::size(kCommands)), nullptr, 0,
};

}  // namespace rt::commands
