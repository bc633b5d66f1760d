#include <windows.h>

#include "runtime/trace.h"
#include "runtime/trace_output.h"

namespace rt {

void WriteTraceLine(const char* line) { OutputDebugStringA(line); }

void TraceLastError(const char* call, const char* detail)
{
    DWORD error = GetLastError();
    if (TraceOn()) {
        TraceFailure(call, error, detail);
    }
}

}  // namespace rt
