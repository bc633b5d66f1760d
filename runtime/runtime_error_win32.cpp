// The runtime error report: events stop for good, an installed handler may take the report,
// otherwise the "错误" box shows it; then the process ends with exit code -1.
#include <windows.h>

#include <atomic>

#include "runtime/runtime_app.h"
#include "runtime/runtime_error.h"
#include "runtime/shutdown.h"
#include "runtime/text_codec.h"

namespace rt {
namespace {

std::atomic<RuntimeErrorHandler> installedHandler{nullptr};
std::atomic<bool> handlerRunning{false};

bool HandlerTookReport(int code, const char* message)
{
    RuntimeErrorHandler handler = installedHandler.load();
    if (!handler || handlerRunning.exchange(true)) {
        return false;
    }
    return handler(App().eventsSuspended.load(), code, message) != 0;
}

}  // namespace

void SetRuntimeErrorHandler(RuntimeErrorHandler handler) { installedHandler = handler; }

void ReportRuntimeError(const char* message, int code)
{
    SuspendEvents();
    if (!HandlerTookReport(code, message)) {
        std::wstring text = WideFromGbk(FormatRuntimeErrorText(code, message));
        MessageBoxW(nullptr, text.c_str(), WideFromGbk("错误").c_str(), MB_OK | MB_ICONERROR);
    }
    // Run mode 2 asks for the debugger; without one attached a break would only crash the process.
    if (App().runMode == 2 && IsDebuggerPresent()) {
        DebugBreak();
    }
    ExitProgram(-1);
}

}  // namespace rt
