// What a process holds: its private memory and its GDI and USER objects, for tests that check a
// program gives back what it takes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace automation {

struct ProcessResources {
    uint64_t privateBytes = 0;
    long gdiObjects = 0;
    long userObjects = 0;
};

// The figures of a running process, opened with query and read access (a handle from Launch has
// both). Private bytes are the committed private memory. GDI and USER objects are what GetGuiResources reports; where it reports none (Wine), the
// GDI objects are the live entries of the process's GDI handle table and the USER objects its
// windows with all their descendants. Nothing when the process cannot be read.
std::optional<ProcessResources> MeasureProcess(HANDLE process);

}  // namespace automation
