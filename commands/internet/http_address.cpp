#include "commands/internet/http_address.h"

#include <windows.h>

#include <wininet.h>

#include <vector>

namespace rt::commands {
namespace {

std::string_view BeforeFragment(std::string_view text) { return text.substr(0, text.find('#')); }

// Unsafe characters are left as they are (ICU_NO_ENCODE); the URL is ASCII text for WinINet.
std::optional<std::string> Canonicalised(const std::string& url)
{
    std::vector<char> buffer(url.size() * 2 + 64);
    for (int attempt = 0; attempt < 2; ++attempt) {
        DWORD length = static_cast<DWORD>(buffer.size());
        if (InternetCanonicalizeUrlA(url.c_str(), buffer.data(), &length, ICU_NO_ENCODE)) {
            return std::string(buffer.data(), length);
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || length <= buffer.size()) {
            return std::nullopt;
        }
        buffer.resize(length + 1);
    }
    return std::nullopt;
}

// One part of the URL received into a buffer of the part's largest length.
struct UrlPart {
    explicit UrlPart(size_t largest) : text(largest + 1, '\0') {}
    char* buffer() { return text.data(); }
    DWORD capacity() const { return static_cast<DWORD>(text.size()); }
    std::string value(DWORD length) const { return text.substr(0, length); }
    std::string text;
};

}  // namespace

std::optional<HttpAddress> SplitHttpAddress(std::string_view url)
{
    std::optional<std::string> canonical = Canonicalised(std::string(BeforeFragment(url)));
    if (!canonical) {
        return std::nullopt;
    }
    UrlPart server(INTERNET_MAX_HOST_NAME_LENGTH);
    UrlPart object(INTERNET_MAX_PATH_LENGTH);
    UrlPart userName(INTERNET_MAX_USER_NAME_LENGTH);
    UrlPart password(INTERNET_MAX_PASSWORD_LENGTH);
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = server.buffer();
    parts.dwHostNameLength = server.capacity();
    parts.lpszUrlPath = object.buffer();
    parts.dwUrlPathLength = object.capacity();
    parts.lpszUserName = userName.buffer();
    parts.dwUserNameLength = userName.capacity();
    parts.lpszPassword = password.buffer();
    parts.dwPasswordLength = password.capacity();
    if (!InternetCrackUrlA(canonical->c_str(), 0, 0, &parts)) {
        return std::nullopt;
    }
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) {
        return std::nullopt;
    }
    HttpAddress address;
    address.server = server.value(parts.dwHostNameLength);
    address.port = parts.nPort;
    address.object = std::string(BeforeFragment(object.value(parts.dwUrlPathLength)));
    address.userName = userName.value(parts.dwUserNameLength);
    address.password = password.value(parts.dwPasswordLength);
    address.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    return address;
}

}  // namespace rt::commands
