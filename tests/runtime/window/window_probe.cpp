// A program with two windows of its own, for tests of how windows end a whole process: its header
// carries a template block made at start-up and a code base of its handlers. The scenario named
// on the command line loads the windows; what the handlers saw goes to the log file after it.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "runtime/helper_table.h"
#include "runtime/misc_service.h"
#include "runtime/runtime_service.h"
#include "runtime/start_runtime.h"
#include "runtime/templates/template_writer.h"
#include "runtime/window/unit_kind_registry.h"
#include "tests/runtime/window/window_test_support.h"

namespace {

constexpr uint32_t kMainWindow = 0x52000001;
constexpr uint32_t kMainWindowUnit = 0x06000002;
constexpr uint32_t kSecondWindow = 0x52000010;
constexpr uint32_t kSecondWindowUnit = 0x06000011;
constexpr uint32_t kUnknownWindow = 0x52007777;
constexpr uint32_t kMainWindowNumber = 0x16000003;

std::wstring logPath;

void Log(const std::string& line)
{
    if (FILE* file = _wfopen(logPath.c_str(), L"ab")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

rt::SubReturn OnMainDestroyed(const int32_t*, int)
{
    Log("main destroyed");
    return {};
}

rt::SubReturn OnSecondDestroyed(const int32_t*, int)
{
    Log("second destroyed");
    return {};
}

const rt::ApplicationSub kSubs[] = {OnMainDestroyed, OnSecondDestroyed};
const rt::CodeBase kCodeBase{kSubs, 2};

rt::WindowRecord MakeWindow(uint32_t id, uint32_t unitId, const char* title, rt::UnitRect rect, uint32_t onDestroyed)
{
    rt::WindowOptions options;
    options.Title = title;
    options.StartPosition = 0;
    rt::WindowRecord window;
    window.id = id;
    window.units.push_back(window_test::WindowRecord(unitId, options, rect, rt::kUnitVisible, {{2, onDestroyed}}));
    return window;
}

const std::vector<uint8_t>& TemplateBytes()
{
    static const std::vector<uint8_t> bytes = [] {
        rt::TemplateBlock block;
        block.windows.push_back(MakeWindow(kMainWindow, kMainWindowUnit, "探针主窗口", {40, 40, 320, 200}, 0));
        block.windows.back().units.push_back(
            window_test::TestUnitRecord(kMainWindowNumber, {10, 10, 80, 20}, rt::kUnitVisible));
        block.windows.push_back(MakeWindow(kSecondWindow, kSecondWindowUnit, "探针副窗口", {400, 40, 260, 160}, 1));
        return rt::WriteTemplateBlock(block);
    }();
    return bytes;
}

std::wstring Argument(int index)
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring value = index < count ? arguments[index] : L"";
    LocalFree(arguments);
    return value;
}

// A worker that keeps reading and writing a unit of the main window, as the program's split does.
DWORD WINAPI WorkOnMainWindow(void*)
{
    const rt::HelperTable& helpers = rt::Helpers();
    for (uint32_t i = 0;; ++i) {
        helpers.writeProperty(kMainWindow, kMainWindowNumber, 8 + window_test::kNumber, -1, i, 0);
        helpers.readProperty(kMainWindow, kMainWindowNumber, 8 + window_test::kNumber, -1);
        Sleep(1);
    }
}

void RunScenario(const std::wstring& scenario)
{
    const rt::HelperTable& helpers = rt::Helpers();
    if (scenario == L"two-windows") {
        helpers.loadStartWindow(kMainWindow);
        rt::LoadWindowRequest second{kSecondWindow, nullptr, 0};
        int64_t answer = rt::RuntimeService(rt::kServiceLoadWindow, reinterpret_cast<uintptr_t>(&second), 0);
        Log(answer == rt::kLoadWindowSucceeded ? "second loaded" : "second failed");
    } else if (scenario == L"unknown-start-window") {
        helpers.loadStartWindow(kUnknownWindow);
    } else if (scenario == L"worker-on-main-window") {
        helpers.loadStartWindow(kMainWindow);
        CloseHandle(CreateThread(nullptr, 0, WorkOnMainWindow, nullptr, 0, nullptr));
        Log("worker started");
    } else if (scenario == L"crash") {
        RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    }
}

}  // namespace

namespace rt {

const ProgramHeader kProgramHeader{
    .runMode = 3,
    .reserved1 = 0,
    .reserved2 = 0x10268,
    .codeBase = &kCodeBase,
    .constantData = nullptr,
    .constantDataLength = 0,
    .templateData = TemplateBytes().data(),
    .templateDataLength = static_cast<uint32_t>(TemplateBytes().size()),
    .libraryCount = 0,
    .libraries = nullptr,
    .dllCommandCount = 0,
    .dllLibraryNames = nullptr,
    .dllCommandNames = nullptr,
};

int ApplicationEntry()
{
    logPath = Argument(2);
    const HelperTable& helpers = Helpers();
    helpers.miscService(kStartRuntime);
    RegisterUnitKind(window_test::TestKind());
    RunScenario(Argument(1));
    helpers.runMessageLoop();
    Log("entry returns");
    return 0;
}

}  // namespace rt
