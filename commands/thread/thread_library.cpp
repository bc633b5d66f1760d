#include "commands/thread/thread_library.h"

#include <iterator>

#include "commands/thread/start_thread.h"

namespace rt::commands {
namespace {

const CommandRoutine kCommands[] = {StartThreadCommand};

}  // namespace

const LibraryDescription kThreadLibrary{
    "thread", nullptr, kCommands, static_cast<uint32_t>(std::size(kCommands)), nullptr, 0,
};

}  // namespace rt::commands
