#include "runtime/helper_table.h"

#include "runtime/dll_commands.h"
#include "runtime/memory.h"
#include "runtime/message_loop.h"
#include "runtime/misc_service.h"
#include "runtime/runtime_error.h"
#include "runtime/shutdown.h"
#include "runtime/unit_access.h"

namespace rt {

ValueTriple CallCommand(CommandRoutine routine, int argCount, ValueTriple* args)
{
    ValueTriple result{};
    routine(&result, argCount, args);
    return result;
}

const HelperTable& Helpers()
{
    static const HelperTable table{
        [](int code) { RaiseErrorCode(code); },
        ResolveDllCommand,
        // The library number only tells where the routine comes from; the routine is the command.
        [](int, CommandRoutine routine, int argCount, ValueTriple* args) {
            return CallCommand(routine, argCount, args);
        },
        CallCommand,
        ReadProperty,
        WriteProperty,
        AllocMem,
        ReallocMem,
        FreeMem,
        [](int exitCode) { ExitProgram(exitCode); },
        [] { RunMessageLoop(); },
        LoadStartWindow,
        MiscService,
    };
    return table;
}

}  // namespace rt
