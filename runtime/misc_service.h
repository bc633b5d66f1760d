// The helper table's MiscService sub-functions.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace rt {

enum MiscFunction : int {
    kFindFile = 0,
    kCloseFind = 1,
    kMakeArrayWritable = 2,
    kSetExitRoutine = 3,
    kReadUnitPropertyByRef = 4,
    kWriteUnitPropertyByRef = 5,
    kStartRuntime = 6,
};

// The next matching name of a search as a new text, or null when there is none (the handle is
// then closed and the slot cleared). A null or empty pattern continues the search in the slot.
char* FindFile(const char* pattern, uint32_t filter, bool any, HANDLE* searchSlot);
void CloseFind(HANDLE search);
// An array block in constant data is copied into runtime memory and the pointer replaced.
void MakeArrayWritable(size_t elementSize, void** array);
void SetExitRoutine(void (*routine)());

uintptr_t MiscService(int function, ...);

}  // namespace rt
