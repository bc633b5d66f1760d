// The thirteen entry points through which application code reaches the runtime, in their order.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/program_header.h"
#include "runtime/values.h"

namespace rt {

struct HelperTable {
    void (*raiseErrorCode)(int code);
    // Resolves DLL command i (cached) and gives its address for the caller to call.
    void* (*callDllCommand)(int index);
    ValueTriple (*callLibraryCommand)(int library, CommandRoutine routine, int argCount, ValueTriple* args);
    ValueTriple (*callCoreCommand)(CommandRoutine routine, int argCount, ValueTriple* args);
    // Low word of the value, and the high word for 64-bit values.
    int64_t (*readProperty)(uint32_t windowId, uint32_t unitId, int index, int wholeValue);
    void (*writeProperty)(uint32_t windowId, uint32_t unitId, int index, int subIndex, uintptr_t low, uint32_t high);
    void* (*allocMem)(size_t size);
    void* (*reallocMem)(void* block, size_t size);
    void (*freeMem)(void* block);
    void (*exitProgram)(int exitCode);
    void (*runMessageLoop)();
    void (*loadStartWindow)(uint32_t windowId);
    uintptr_t (*miscService)(int function, ...);
};

const HelperTable& Helpers();

// Calls a command routine with a zeroed result triple.
ValueTriple CallCommand(CommandRoutine routine, int argCount, ValueTriple* args);

}  // namespace rt
