#include <windows.h>

#include "commands/core/command_args.h"
#include "commands/core/window_commands.h"
#include "runtime/message_loop.h"
#include "runtime/runtime_service.h"
#include "runtime/window/unit_destruction.h"

namespace rt::commands {

void LoadWindowCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    *result = MakeLogical(false);
    CommandArgs in(argCount, args);
    if (!IsUnitKindType(in[0].type)) return;
    LoadWindowRequest request{in[0].low, nullptr, LogicalOf(in[2]) ? 1 : 0};
    const ValueTriple& owner = in[1];
    if (!owner.omitted()) {
        if (!IsUnitKindType(owner.type)) return;
        request.owner = reinterpret_cast<void*>(RuntimeService(kServiceUnitObject, owner.low, owner.high));
        if (!request.owner) return;
    }
    int64_t answer = RuntimeService(kServiceLoadWindow, reinterpret_cast<uintptr_t>(&request), 0);
    *result = MakeLogical(answer == kLoadWindowSucceeded);
}

void DestroyWindowCommand(ValueTriple*, int argCount, ValueTriple* args)
{
    CommandArgs in(argCount, args);
    if (!IsUnitKindType(in[0].type)) return;
    DestroyWindowOrUnit(in[0].low, in[0].high, LogicalOf(in[1]));
}

void ScreenWidthCommand(ValueTriple* result, int, ValueTriple*) { *result = MakeInt(GetSystemMetrics(SM_CXSCREEN)); }

void ScreenHeightCommand(ValueTriple* result, int, ValueTriple*) { *result = MakeInt(GetSystemMetrics(SM_CYSCREEN)); }

void ProcessEventsCommand(ValueTriple*, int, ValueTriple*) { ProcessPendingMessages(); }

void SleepCommand(ValueTriple*, int argCount, ValueTriple* args)
{
    int32_t milliseconds = IntegerOf(CommandArgs(argCount, args)[0]).value_or(0);
    ::Sleep(milliseconds < 0 ? 0 : static_cast<DWORD>(milliseconds));
}

}  // namespace rt::commands
