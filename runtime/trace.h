// A trace that a user can switch on to see why the program did what it did: refused pictures with
// the reason, failed Windows and COM calls with their error codes, private messages nobody knows.
// Set the environment variable ZORVI_TRACE to 1 before starting the program; each line goes out
// through OutputDebugString (under Wine, WINEDEBUG=+debugstr prints it) or, in the native build, to
// standard error. Off, a trace point costs the test of one flag.
#pragma once

#include <cstdint>

namespace rt {

bool TraceOn();

// One line, formatted as printf does; nothing when the trace is off.
void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A failed call with its error code (a Windows error, an HRESULT, a library's code).
void TraceFailure(const char* call, int64_t code, const char* detail);

// Windows builds: a failed Windows call with the thread's last error, taken before anything else.
void TraceLastError(const char* call, const char* detail);

}  // namespace rt
