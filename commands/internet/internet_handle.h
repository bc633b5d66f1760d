// An owned WinINet handle, closed when its owner goes.
#pragma once

#include <windows.h>

#include <wininet.h>

#include <memory>
#include <type_traits>

namespace rt::commands {

struct InternetHandleCloser {
    void operator()(HINTERNET handle) const { InternetCloseHandle(handle); }
};
using InternetHandle = std::unique_ptr<std::remove_pointer_t<HINTERNET>, InternetHandleCloser>;

}  // namespace rt::commands
