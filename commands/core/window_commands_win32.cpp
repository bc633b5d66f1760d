#include <windows.h>

#include "commands/core/command_args.h"
#include "commands/core/load_window_request.h"
#include "commands/core/window_commands.h"
#include "runtime/message_loop.h"
#include "runtime/runtime_service.h"

namespace rt {

void LoadWindowCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    *result = MakeLogical(false);
    CommandArgs in(argCount, args);
    if (!IsUnitKindType(in[0].type)) return;
    LoadWindowRequest request{nullptr, LogicalOf(in[2]) ? 1u : 0u};
    const ValueTriple& owner = in[1];
    if (!owner.omitted()) {
        if (!IsUnitKindType(owner.type)) return;
        request.owner = reinterpret_cast<void*>(RuntimeService(kServiceUnitObject, owner.low, owner.high));
        if (!request.owner) return;
    }
    int64_t answer = RuntimeService(kServiceLoadWindow, in[0].low, reinterpret_cast<uintptr_t>(&request));
    *result = MakeLogical(answer == kLoadWindowSucceeded);
}

void ScreenWidthCommand(ValueTriple* result, int, ValueTriple*) { *result = MakeInt(GetSystemMetrics(SM_CXSCREEN)); }

void ScreenHeightCommand(ValueTriple* result, int, ValueTriple*) { *result = MakeInt(GetSystemMetrics(SM_CYSCREEN)); }

void ProcessEventsCommand(ValueTriple*, int, ValueTriple*) { ProcessPendingMessages(); }

void SleepCommand(ValueTriple*, int argCount, ValueTriple* args)
{
    int32_t milliseconds = IntegerOf(CommandArgs(argCount, args)[0]).value_or(0);
    ::Sleep(milliseconds < 0 ? 0 : static_cast<DWORD>(milliseconds));
}

}  // namespace rt
