#include "runtime/start_runtime.h"

#include <windows.h>

#include <ole2.h>

#include "runtime/memory.h"
#include "runtime/program_templates.h"
#include "runtime/runtime_app.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_service.h"
#include "runtime/runtime_window.h"
#include "runtime/text_codec.h"

namespace rt {
namespace {

void RecordProgramPath(RuntimeApp& app)
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::string full = GbkFromWide(std::wstring_view(path, length));
    size_t slash = full.rfind('\\');
    if (slash == std::string::npos) {
        app.programDirectory.clear();
        app.programFileName = full;
    } else {
        app.programDirectory = full.substr(0, slash);
        app.programFileName = full.substr(slash + 1);
    }
    SetCurrentDirectoryW(WideFromGbk(app.programDirectory).c_str());
}

void CreateDllCommandTables(RuntimeApp& app, const ProgramHeader& header)
{
    uint32_t count = header.dllCommandCount;
    if (count == 0) {
        return;
    }
    app.dll.libraryNames.assign(header.dllLibraryNames, header.dllLibraryNames + count);
    app.dll.commandNames.assign(header.dllCommandNames, header.dllCommandNames + count);
    app.dll.modules.assign(count, nullptr);
    app.dll.addresses.assign(count, nullptr);
}

void StartLibraries(RuntimeApp& app, const ProgramHeader& header)
{
    for (uint32_t i = 0; i < header.libraryCount; ++i) {
        const LibraryDescription* library = header.libraries[i];
        if (library->notify) {
            library->notify(kNotifyStarted, reinterpret_cast<uintptr_t>(&RuntimeService), 0);
        }
    }
    app.libraries.assign(header.libraries, header.libraries + header.libraryCount);
    app.libraryData.assign(header.libraryCount, 0);
}

}  // namespace

void StartRuntime()
{
    RuntimeApp& app = App();
    const ProgramHeader& header = kProgramHeader;
    app.header = &header;
    app.heap = GetProcessHeap();
    app.runMode = header.runMode;
    app.reserved1 = header.reserved1;
    app.reserved2 = header.reserved2 + 1;

    if (!app.oleInitialised) {
        app.oleInitialised = SUCCEEDED(OleInitialize(nullptr));
    }
    RecordProgramPath(app);
    CreateRuntimeWindow();
    app.mainThreadId = GetCurrentThreadId();
    if (header.constantDataLength > 0) {
        AddConstantRange(header.constantData, header.constantDataLength);
    }
    CreateDllCommandTables(app, header);
    StartLibraries(app, header);
    if (!ReadProgramTemplates(header)) {
        ReportRuntimeError(messages::kTemplateBlockUnreadable, 0);
    }
    app.started = true;
}

}  // namespace rt
