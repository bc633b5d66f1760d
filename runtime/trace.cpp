#include "runtime/trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runtime/trace_output.h"

namespace rt {

bool TraceOn()
{
    static const bool on = [] {
        const char* value = std::getenv("ZORVI_TRACE");
        return value && *value && std::strcmp(value, "0") != 0;
    }();
    return on;
}

void Trace(const char* format, ...)
{
    if (!TraceOn()) {
        return;
    }
    char line[1024] = "zorvi: ";
    size_t prefix = std::strlen(line);
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line + prefix, sizeof line - prefix - 1, format, arguments);
    va_end(arguments);
    std::strcat(line, "\n");
    WriteTraceLine(line);
}

void TraceFailure(const char* call, int64_t code, const char* detail)
{
    if (TraceOn()) {
        Trace("%s failed with %lld (0x%llx)%s%s", call, static_cast<long long>(code),
              static_cast<unsigned long long>(code), detail && *detail ? ": " : "", detail ? detail : "");
    }
}

}  // namespace rt
