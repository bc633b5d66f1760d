#include "runtime/misc_service.h"

#include <cstdarg>
#include <cstring>

#include "runtime/find_file_filter.h"
#include "runtime/memory.h"
#include "runtime/owned_values.h"
#include "runtime/runtime_app.h"
#include "runtime/start_runtime.h"
#include "runtime/text_codec.h"
#include "runtime/unit_access.h"

namespace rt {

char* FindFile(const char* pattern, uint32_t filter, bool any, HANDLE* searchSlot)
{
    WIN32_FIND_DATAW entry;
    bool found;
    if (pattern && *pattern) {
        if (*searchSlot) {
            CloseFind(*searchSlot);
        }
        *searchSlot = FindFirstFileW(WideFromGbk(pattern).c_str(), &entry);
        if (*searchSlot == INVALID_HANDLE_VALUE) {
            *searchSlot = nullptr;
        }
        found = *searchSlot != nullptr;
    } else {
        found = *searchSlot && FindNextFileW(*searchSlot, &entry);
    }
    while (found) {
        if (FindFileEntryMatches(entry.dwFileAttributes, filter, any)) {
            std::string name = GbkFromWide(entry.cFileName);
            return NewText(name);
        }
        found = FindNextFileW(*searchSlot, &entry);
    }
    if (*searchSlot) {
        CloseFind(*searchSlot);
    }
    *searchSlot = nullptr;
    return nullptr;
}

void CloseFind(HANDLE search)
{
    if (search && search != INVALID_HANDLE_VALUE) {
        FindClose(search);
    }
}

void MakeArrayWritable(size_t elementSize, void** array)
{
    if (!*array || !IsConstantData(*array)) {
        return;
    }
    size_t size = ArrayBlockSize(*array, elementSize);
    void* copy = AllocMem(size);
    std::memcpy(copy, *array, size);
    *array = copy;
}

void SetExitRoutine(void (*routine)()) { App().exitRoutine = routine; }

uintptr_t MiscService(int function, ...)
{
    va_list args;
    va_start(args, function);
    uintptr_t result = 0;
    switch (function) {
    case kFindFile: {
        const char* pattern = va_arg(args, const char*);
        uint32_t filter = va_arg(args, uint32_t);
        int any = va_arg(args, int);
        HANDLE* slot = va_arg(args, HANDLE*);
        result = reinterpret_cast<uintptr_t>(FindFile(pattern, filter, any != 0, slot));
        break;
    }
    case kCloseFind:
        CloseFind(va_arg(args, HANDLE));
        break;
    case kMakeArrayWritable: {
        size_t elementSize = va_arg(args, size_t);
        MakeArrayWritable(elementSize, va_arg(args, void**));
        break;
    }
    case kSetExitRoutine:
        SetExitRoutine(va_arg(args, void (*)()));
        break;
    case kReadUnitPropertyByRef: {
        uint32_t kind = va_arg(args, uint32_t);
        void* unit = va_arg(args, void*);
        int number = va_arg(args, int);
        result = static_cast<uintptr_t>(ReadUnitPropertyByRef(kind, unit, number));
        break;
    }
    case kWriteUnitPropertyByRef: {
        uint32_t kind = va_arg(args, uint32_t);
        void* unit = va_arg(args, void*);
        int number = va_arg(args, int);
        int subIndex = va_arg(args, int);
        uintptr_t low = va_arg(args, uintptr_t);
        WriteUnitPropertyByRef(kind, unit, number, subIndex, low);
        break;
    }
    case kStartRuntime:
        StartRuntime();
        break;
    default:
        break;
    }
    va_end(args);
    return result;
}

}  // namespace rt
