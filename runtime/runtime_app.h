// The one runtime object of the process: what start-up records and every later service reads.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/program_header.h"

namespace rt {

struct EventSource {
    uint32_t windowId = 0;
    uint32_t unitId = 0;
};

struct DllCommandTables {
    std::vector<std::string> libraryNames;
    std::vector<std::string> commandNames;
    std::vector<HMODULE> modules;
    std::vector<void*> addresses;
};

struct RuntimeApp {
    const ProgramHeader* header = nullptr;
    uint32_t runMode = 0;
    uint32_t reserved1 = 0;
    uint32_t reserved2 = 0;
    HANDLE heap = nullptr;

    std::string initialDirectory;  // the program's folder with trailing backslash, recorded at process start
    std::string programDirectory;  // without trailing backslash
    std::string programFileName;

    std::vector<const LibraryDescription*> libraries;
    std::vector<uintptr_t> libraryData;
    DllCommandTables dll;
    std::string dllLibraryDirectory;  // configured library directory, empty when not set
    HMODULE dllRedirectModule = nullptr;

    DWORD mainThreadId = 0;
    // Events are dropped while this is 1 or more.
    std::atomic<int> eventsSuspended{0};
    EventSource currentEventSource;

    void (*exitRoutine)() = nullptr;
    HWND runtimeWindow = nullptr;
    std::atomic<bool> shuttingDown{false};
    bool oleInitialised = false;
    bool socketsStarted = false;
    bool started = false;
    bool loopStarted = false;
    int quitCode = 0;

    bool onMainThread() const { return GetCurrentThreadId() == mainThreadId; }
    bool eventsAllowed() const { return eventsSuspended.load() == 0; }
};

RuntimeApp& App();

// Process start: records the program's folder (trailing backslash) before the entry sub runs.
void InitialiseRuntimeApp();

void SuspendEvents();
void ResumeEvents();

}  // namespace rt
