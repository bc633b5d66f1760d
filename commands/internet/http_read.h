// HttpRead: one URL fetched with an HTTP GET through WinINet, its body returned as a byte set.
#pragma once

#include <windows.h>

#include <wininet.h>

#include "runtime/values.h"

namespace rt::commands {

// Argument: the URL (text, http or https). Result: a byte set of the body bytes received, held to
// kBodyLimit; the empty byte set when nothing was received or the request could not be made. The
// status code is not looked at: an error page's body comes back like any other. Blocks the
// calling thread until the transfer ends.
void HttpReadCommand(ValueTriple* result, int argCount, ValueTriple* args);

// The call that reads each piece of a response (InternetReadFile). Tests put a recording call in
// its place to see the read sizes; returns the call it replaced. Set it while no request runs.
using InternetReadRoutine = BOOL(WINAPI*)(HINTERNET request, void* buffer, DWORD size, DWORD* received);
InternetReadRoutine ReplaceInternetRead(InternetReadRoutine routine);

}  // namespace rt::commands
