// The idle list (services 1012, 1013) and the idle processing that raises window event 7.
#pragma once

#include <windows.h>

#include <cstdint>

namespace rt {

using IdleRoutine = void (*)(uintptr_t argument);

struct IdleEntry {
    HWND window = nullptr;
    IdleRoutine routine = nullptr;
    uintptr_t argument = 0;
};

void RegisterIdleEntry(const IdleEntry& entry);
// Removes the window's entries with this routine, or all of the window's entries when it is null.
void RemoveIdleEntries(HWND window, IdleRoutine routine);

// Runs the idle list from its last entry to its first; an entry whose window is gone is removed.
void RunIdleList();

// One idle call with the current idle count; true when more idle calls are wanted. Count 0
// starts the idle period; from count 2 on every loaded window gets event 7 with the milliseconds
// since the period began, until its handler answers false.
bool RunIdleProcessing(int idleCount);

}  // namespace rt
