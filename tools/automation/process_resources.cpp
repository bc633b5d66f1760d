// Reading another process's memory figures and object counts.
#include "tools/automation/process_resources.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace automation {
namespace {

// One entry of the GDI handle table the system maps into every process; the entry's type is 0
// while it is free.
struct GdiHandleEntry {
    void* object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    void* user;
};

constexpr size_t kGdiHandleEntries = 0x10000;

#ifdef _WIN64
constexpr size_t kPebGdiTableOffset = 0xf8;
#else
constexpr size_t kPebGdiTableOffset = 0x94;
#endif

bool ReadRemote(HANDLE process, const void* address, void* buffer, size_t size)
{
    SIZE_T read = 0;
    return ReadProcessMemory(process, address, buffer, size, &read) && read == size;
}

std::optional<long> GdiTableEntries(HANDLE process)
{
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
        return std::nullopt;
    }
    const auto* peb = reinterpret_cast<const unsigned char*>(basic.PebBaseAddress);
    const GdiHandleEntry* table = nullptr;
    if (!peb || !ReadRemote(process, peb + kPebGdiTableOffset, &table, sizeof table) || !table) {
        return std::nullopt;
    }
    std::vector<GdiHandleEntry> entries(kGdiHandleEntries);
    if (!ReadRemote(process, table, entries.data(), entries.size() * sizeof(GdiHandleEntry))) {
        return std::nullopt;
    }
    long live = 0;
    for (const GdiHandleEntry& entry : entries) {
        live += entry.type != 0 ? 1 : 0;
    }
    return live;
}

// Committed private memory, region by region, where the system's own figure is missing (Wine
// reports its swap use there).
uint64_t CommittedPrivateBytes(HANDLE process)
{
    uint64_t total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr;
         VirtualQueryEx(process, address, &region, sizeof region) == sizeof region && region.RegionSize != 0;
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            total += region.RegionSize;
        }
    }
    return total;
}

BOOL CALLBACK CountDescendant(HWND, LPARAM count)
{
    ++*reinterpret_cast<long*>(count);
    return TRUE;
}

struct WindowCount {
    DWORD pid;
    long count;
};

BOOL CALLBACK CountTopWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<WindowCount*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid) {
        ++search->count;
        EnumChildWindows(window, CountDescendant, reinterpret_cast<LPARAM>(&search->count));
    }
    return TRUE;
}

long ProcessWindows(DWORD pid)
{
    WindowCount search{pid, 0};
    EnumWindows(CountTopWindow, reinterpret_cast<LPARAM>(&search));
    // Message-only windows are not top-level windows of the desktop.
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) {
        CountTopWindow(window, reinterpret_cast<LPARAM>(&search));
    }
    return search.count;
}

}  // namespace

std::optional<ProcessResources> MeasureProcess(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (!process ||
        !K32GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        return std::nullopt;
    }
    ProcessResources resources;
    resources.privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : CommittedPrivateBytes(process);
    resources.gdiObjects = static_cast<long>(GetGuiResources(process, GR_GDIOBJECTS));
    if (resources.gdiObjects == 0) {
        std::optional<long> entries = GdiTableEntries(process);
        if (!entries) {
            return std::nullopt;
        }
        resources.gdiObjects = *entries;
    }
    resources.userObjects = static_cast<long>(GetGuiResources(process, GR_USEROBJECTS));
    if (resources.userObjects == 0) {
        resources.userObjects = ProcessWindows(GetProcessId(process));
    }
    return resources;
}

}  // namespace automation
