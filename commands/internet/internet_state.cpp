#include "commands/internet/internet_state.h"

namespace rt::commands {
namespace {

constexpr char kAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// INTERNET_PROXY_INFO as InternetSetOptionA reads it: with UNICODE defined the system header's
// version holds wide texts.
struct ProxyInfoA {
    DWORD accessType;
    const char* proxy;
    const char* proxyBypass;
};

// The text with its terminating zero, as the proxy user name and password options take it.
void SetTextOption(HINTERNET handle, DWORD option, const std::string& text)
{
    InternetSetOptionA(handle, option, const_cast<char*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
}

}  // namespace

HINTERNET InternetState::Root()
{
    std::lock_guard lock(mutex_);
    if (!root_) {
        DWORD access = proxy_.empty() ? INTERNET_OPEN_TYPE_DIRECT : INTERNET_OPEN_TYPE_PROXY;
        root_.reset(InternetOpenA(kAgent, access, proxy_.empty() ? nullptr : proxy_.c_str(), nullptr, 0));
    }
    return root_.get();
}

void InternetState::ApplyProxyOptions(HINTERNET connection)
{
    std::lock_guard lock(mutex_);
    ProxyInfoA info{INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr};
    if (!proxy_.empty()) {
        info = {INTERNET_OPEN_TYPE_PROXY, proxy_.c_str(), nullptr};
    }
    InternetSetOptionA(root_.get(), INTERNET_OPTION_PROXY, &info, sizeof info);
    SetTextOption(connection, INTERNET_OPTION_PROXY_USERNAME, proxyUserName_);
    SetTextOption(connection, INTERNET_OPTION_PROXY_PASSWORD, proxyPassword_);
}

void InternetState::Close()
{
    std::lock_guard lock(mutex_);
    root_.reset();
}

InternetState& Internet()
{
    static InternetState state;
    return state;
}

}  // namespace rt::commands
