#include "commands/core/command_slots.h"

#include <algorithm>
#include <array>
#include <atomic>

namespace rt::commands {
namespace {

constexpr std::array kForwarded{
    CoreCommand::kOpenLink,      CoreCommand::kClear,         CoreCommand::kDrawPicture, CoreCommand::kGetPictureData,
    CoreCommand::kPictureWidth,  CoreCommand::kPictureHeight, CoreCommand::kShow,        CoreCommand::kCopy,
    CoreCommand::kRaiseFeedback, CoreCommand::kDrawLine,
};

// Worker threads call the methods while the window thread may register them.
std::array<std::atomic<CommandRoutine>, kCoreCommandCount> registered{};

bool InTable(CoreCommand command)
{
    return static_cast<int>(command) >= 0 && static_cast<int>(command) < kCoreCommandCount;
}

}  // namespace

bool IsForwardedCommand(CoreCommand command)
{
    return std::find(kForwarded.begin(), kForwarded.end(), command) != kForwarded.end();
}

bool RegisterCommandRoutine(CoreCommand command, CommandRoutine routine)
{
    if (!IsForwardedCommand(command)) return false;
    registered[static_cast<size_t>(command)].store(routine);
    return true;
}

CommandRoutine RegisteredRoutine(CoreCommand command)
{
    return InTable(command) ? registered[static_cast<size_t>(command)].load() : nullptr;
}

}  // namespace rt::commands
