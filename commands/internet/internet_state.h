// The internet state: one object for the whole process holding the WinINet root handle (opened by
// the first request and kept for all later ones) and the proxy settings. Nothing in this program
// sets a proxy, so its texts stay empty and requests go direct, with the system's proxy options.
#pragma once

#include <windows.h>

#include <wininet.h>

#include <mutex>
#include <string>

#include "commands/internet/internet_handle.h"

namespace rt::commands {

class InternetState {
public:
    // The root handle, opened on first use; null when it cannot be opened (a later call tries again).
    HINTERNET Root();
    // The proxy options on the root handle and the proxy user name and password on the connection.
    void ApplyProxyOptions(HINTERNET connection);
    // Closes the root handle; run at the end of the process.
    void Close();

private:
    std::mutex mutex_;
    InternetHandle root_;
    std::string proxy_;
    std::string proxyUserName_;
    std::string proxyPassword_;
};

InternetState& Internet();

}  // namespace rt::commands
