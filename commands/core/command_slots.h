// Commands whose work belongs to another layer: the unit methods (OpenLink, Clear, DrawPicture,
// ...). Their table entries forward to the routine that layer registers here when it starts; until
// then a call answers the empty result.
#pragma once

#include "commands/core/core_command_ids.h"
#include "runtime/program_header.h"

namespace rt::commands {

// True when the command's table entry forwards to a registered routine.
bool IsForwardedCommand(CoreCommand command);

// Sets (or with null clears) the routine behind a forwarded command; false, with nothing set, for
// a command that does not forward.
bool RegisterCommandRoutine(CoreCommand command, CommandRoutine routine);

// The routine registered for the command, or null.
CommandRoutine RegisteredRoutine(CoreCommand command);

// The table entry of a forwarded command.
template <CoreCommand command>
void ForwardCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    if (CommandRoutine routine = RegisteredRoutine(command)) routine(result, argCount, args);
}

}  // namespace rt::commands
