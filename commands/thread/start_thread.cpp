#include "commands/thread/start_thread.h"

#include <windows.h>

#include <memory>
#include <new>

#include "commands/core/command_args.h"
#include "runtime/program_header.h"

namespace rt::commands {
namespace {

// What the new thread needs; the thread owns it from the moment it starts.
struct ThreadStart {
    ThreadSub sub;
    int32_t parameter;
};

// The thread entry in the system's calling convention: the application sub in its own.
DWORD WINAPI RunThreadSub(void* start)
{
    std::unique_ptr<ThreadStart> owned(static_cast<ThreadStart*>(start));
    ThreadSub sub = owned->sub;
    int32_t parameter = owned->parameter;
    owned.reset();
    return static_cast<DWORD>(sub(parameter));
}

ThreadSub SubOf(const ValueTriple& value)
{
    if (value.type != kSubPtr) {
        return nullptr;
    }
    return reinterpret_cast<ThreadSub>(value.pointer());
}

int32_t* HandleVariableOf(const ValueTriple& value)
{
    return value.type == kIntVariableReference ? static_cast<int32_t*>(value.pointer()) : nullptr;
}

HANDLE CreateSubThread(ThreadSub sub, int32_t parameter)
{
    std::unique_ptr<ThreadStart> start(new (std::nothrow) ThreadStart{sub, parameter});
    if (!start) {
        return nullptr;
    }
    HANDLE thread = CreateThread(nullptr, 0, RunThreadSub, start.get(), 0, nullptr);
    if (thread) {
        start.release();
    }
    return thread;
}

}  // namespace

void StartThreadCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    CommandArgs arguments(argCount, args);
    ThreadSub sub = SubOf(arguments[0]);
    if (!sub) {
        *result = MakeLogical(false);
        return;
    }
    HANDLE thread = CreateSubThread(sub, IntegerOf(arguments[1]).value_or(0));
    *result = MakeLogical(thread != nullptr);
    if (!thread) {
        return;
    }
    if (int32_t* variable = HandleVariableOf(arguments[2])) {
        *variable = static_cast<int32_t>(reinterpret_cast<intptr_t>(thread));
    } else {
        CloseHandle(thread);
    }
}

}  // namespace rt::commands
