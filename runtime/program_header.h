// What a compiled program tells the runtime about itself: the program header, the application's
// subs bound to events, and the descriptions of the command libraries linked in.
#pragma once

#include <cstdint>

#include "runtime/values.h"

namespace rt {

// What an application sub bound to an event hands back: whether it returned a value, and which.
struct SubReturn {
    bool returned = false;
    int32_t value = 0;
};
inline SubReturn Returns(int32_t value) { return {true, value}; }

// An application sub bound to an event: the event's arguments as 32-bit words.
using ApplicationSub = SubReturn (*)(const int32_t* args, int argCount);
// An application sub run as a thread by StartThread: its one parameter in, the thread's exit code out.
using ThreadSub = int32_t (*)(int32_t parameter);

// The application's code base: one table of the subs that templates bind by offset (entry index).
struct CodeBase {
    const ApplicationSub* subs;
    uint32_t count;
};

// A command routine: a zeroed result triple, the argument count and the argument triples.
using CommandRoutine = void (*)(ValueTriple* result, int argCount, ValueTriple* args);

// The one entry through which units and libraries reach the runtime.
using RuntimeServiceEntry = int64_t (*)(int code, uintptr_t arg1, uintptr_t arg2);

// Library notifications: code 1 at start-up with the RuntimeService entry as arg1; code 6 at
// shut-down with the library's data word as arg1.
enum LibraryNotify : int { kNotifyStarted = 1, kNotifyFinishing = 6 };
using LibraryNotifyRoutine = int64_t (*)(int code, uintptr_t arg1, uintptr_t arg2);

struct UnitKindDescription;

struct LibraryDescription {
    const char* name;
    LibraryNotifyRoutine notify;  // may be null
    const CommandRoutine* commands;
    uint32_t commandCount;
    const UnitKindDescription* const* unitKinds;
    uint32_t unitKindCount;
};

// Thirteen fields, read once at start-up. Address fields are pointer-sized in the 64-bit build.
struct ProgramHeader {
    uint32_t runMode;  // 2: a runtime error breaks into an attached debugger
    uint32_t reserved1;
    uint32_t reserved2;
    const CodeBase* codeBase;  // event sub offsets in templates select entries of it
    const void* constantData;
    uint32_t constantDataLength;
    const uint8_t* templateData;
    uint32_t templateDataLength;  // 0: no windows, the template load is skipped
    uint32_t libraryCount;
    const LibraryDescription* const* libraries;
    uint32_t dllCommandCount;
    const char* const* dllLibraryNames;  // file name of the DLL of each command ("" : system DLLs)
    const char* const* dllCommandNames;  // exported name, or "#n" for ordinal n
};

}  // namespace rt
