// The native build has no message box: the report goes to standard error and the process ends
// with exit code -1, as in the Windows build.
#include <cstdio>
#include <cstdlib>

#include "runtime/runtime_error.h"

namespace rt {
namespace {
RuntimeErrorHandler installedHandler = nullptr;
}

void SetRuntimeErrorHandler(RuntimeErrorHandler handler) { installedHandler = handler; }

void ReportRuntimeError(const char* message, int code)
{
    if (installedHandler && installedHandler(1, code, message)) {
        std::_Exit(-1);
    }
    std::fputs(FormatRuntimeErrorText(code, message).c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(-1);
}

}  // namespace rt
