// A program built on the runtime with a header of its own, for tests that need a whole process:
// the scenario named on the command line ends in a runtime error, an exit from another thread, a
// DLL command call or a normal end, and writes what it saw to the log file given after it. Built
// a second time with a corrupt window template block, whose start-up must end in a runtime error.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <thread>

#include "runtime/dll_commands.h"
#include "runtime/helper_table.h"
#include "runtime/memory.h"
#include "runtime/misc_service.h"
#include "runtime/runtime_service.h"
#include "runtime/start_runtime.h"

namespace {

std::wstring logPath;

void Log(const std::string& line)
{
    if (FILE* file = _wfopen(logPath.c_str(), L"ab")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

int64_t ProbeLibraryNotify(int code, uintptr_t, uintptr_t)
{
    Log("notify " + std::to_string(code));
    return 0;
}

const rt::LibraryDescription kProbeLibrary{"probe", ProbeLibraryNotify, nullptr, 0, nullptr, 0};
const rt::LibraryDescription* const kLibraries[] = {&kProbeLibrary};

const char* const kDllLibraries[] = {"", "", "probe_dll.dll", "probe_dll.dll", "missing_probe.dll", "probe_dll.dll"};
const char* const kDllCommands[] = {"GetCurrentProcessId", "NoSuchExportAnywhere", "ProbeValue", "#1", "Anything",
                                    "NotExported"};

void ExitRoutine() { Log("exit routine"); }

#ifdef PROBE_CORRUPT_TEMPLATES
// A window index whose length runs past the end of the block.
const uint8_t kTemplateBlock[] = {0xff, 0xff, 0x00, 0x00, 0x01, 0x00, 0x01, 0x52};
#endif

void* FailingAllocate(size_t) { return nullptr; }

std::wstring Argument(int index)
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring value = index < count ? arguments[index] : L"";
    LocalFree(arguments);
    return value;
}

int NumberArgument(int index) { return _wtoi(Argument(index).c_str()); }

void RunScenario(const std::wstring& scenario)
{
    const rt::HelperTable& helpers = rt::Helpers();
    if (scenario == L"normal") {
        return;
    } else if (scenario == L"error-empty") {
        rt::RuntimeService(rt::kServiceErrorReport, reinterpret_cast<uintptr_t>(""), 0);
    } else if (scenario == L"error-code") {
        helpers.raiseErrorCode(NumberArgument(3));
    } else if (scenario == L"error-message") {
        rt::RuntimeService(rt::kServiceErrorReport, reinterpret_cast<uintptr_t>("自定义消息"), 0);
    } else if (scenario == L"alloc-fail") {
        rt::HeapBackend failing = rt::DefaultHeapBackend();
        failing.allocate = FailingAllocate;
        rt::SetHeapBackend(failing);
        helpers.allocMem(12345);
    } else if (scenario == L"not-numeric") {
        rt::ValueTriple text = rt::MakeText("12");
        rt::RuntimeService(rt::kServiceToInteger, reinterpret_cast<uintptr_t>(&text), 0);
    } else if (scenario == L"start-window") {
        helpers.loadStartWindow(0x52010001);
    } else if (scenario == L"thread-exit") {
        int code = NumberArgument(3);
        std::thread([&helpers, code] { helpers.exitProgram(code); }).detach();
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
        Log("message loop ended");
    } else if (scenario == L"dll") {
        int index = NumberArgument(3);
        auto command = reinterpret_cast<int(WINAPI*)()>(helpers.callDllCommand(index));
        Log("dll " + std::to_string(command()));
        Log(command == helpers.callDllCommand(index) ? "cached" : "not cached");
    }
}

}  // namespace

namespace rt {

const ProgramHeader kProgramHeader{
    .runMode = 3,
    .reserved1 = 0,
    .reserved2 = 0x10268,
    .codeBase = nullptr,
    .constantData = nullptr,
    .constantDataLength = 0,
#ifdef PROBE_CORRUPT_TEMPLATES
    .templateData = kTemplateBlock,
    .templateDataLength = sizeof kTemplateBlock,
#else
    .templateData = nullptr,
    .templateDataLength = 0,
#endif
    .libraryCount = 1,
    .libraries = kLibraries,
    .dllCommandCount = 6,
    .dllLibraryNames = kDllLibraries,
    .dllCommandNames = kDllCommands,
};

int ApplicationEntry()
{
    logPath = Argument(2);
    const HelperTable& helpers = Helpers();
    helpers.miscService(kStartRuntime);
    helpers.miscService(kSetExitRoutine, &ExitRoutine);
    RunScenario(Argument(1));
    helpers.runMessageLoop();
    Log("entry returns");
    return 0;
}

}  // namespace rt
