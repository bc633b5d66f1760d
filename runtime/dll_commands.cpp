#include "runtime/dll_commands.h"

#include <windows.h>

#include "runtime/dll_search.h"
#include "runtime/runtime_app.h"
#include "runtime/runtime_error.h"
#include "runtime/text_codec.h"

namespace rt {
namespace {

FARPROC FindExport(HMODULE module, const DllExportName& name)
{
    if (name.byOrdinal) {
        return GetProcAddress(module, MAKEINTRESOURCEA(name.ordinal));
    }
    return GetProcAddress(module, name.name.c_str());
}

struct Resolved {
    HMODULE module = nullptr;
    FARPROC address = nullptr;
};

Resolved ResolveInSystemLibraries(const DllExportName& name)
{
    for (const std::string& library : UnnamedLibraryCandidates()) {
        HMODULE module = LoadLibraryW(WideFromGbk(library).c_str());
        if (!module) {
            continue;
        }
        if (FARPROC address = FindExport(module, name)) return {module, address};
        FreeLibrary(module);
    }
    return {};
}

Resolved ResolveInNamedLibrary(const std::string& library, const DllExportName& name)
{
    const RuntimeApp& app = App();
    for (const std::string& candidate :
         DllLoadCandidates(library, app.dllLibraryDirectory, app.programDirectory, app.initialDirectory)) {
        HMODULE module = LoadLibraryW(WideFromGbk(candidate).c_str());
        if (!module) {
            continue;
        }
        if (FARPROC address = FindExport(module, name)) return {module, address};
        FreeLibrary(module);
        break;
    }
    return {};
}

}  // namespace

void* ResolveDllCommand(int index)
{
    DllCommandTables& dll = App().dll;
    if (index < 0 || static_cast<size_t>(index) >= dll.addresses.size()) {
        ReportRuntimeError(DllCommandNotFoundMessage("", "#" + std::to_string(index)).c_str(), 0);
    }
    if (dll.addresses[index]) {
        return dll.addresses[index];
    }

    const std::string& library = dll.libraryNames[index];
    const std::string& command = dll.commandNames[index];
    DllExportName name = ParseDllExportName(command);
    Resolved resolved;
    if (HMODULE redirect = App().dllRedirectModule) {
        resolved.address = FindExport(redirect, name);
    } else if (library.empty()) {
        resolved = ResolveInSystemLibraries(name);
    } else {
        resolved = ResolveInNamedLibrary(library, name);
    }
    if (!resolved.address) {
        ReportRuntimeError(DllCommandNotFoundMessage(library, command).c_str(), 0);
    }
    dll.modules[index] = resolved.module;
    dll.addresses[index] = reinterpret_cast<void*>(resolved.address);
    return dll.addresses[index];
}

}  // namespace rt
