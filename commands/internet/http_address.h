// A URL made ready for a WinINet request: cut at its fragment, canonicalised without escaping and
// split into server, port, object, user name and password.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rt::commands {

struct HttpAddress {
    std::string server;    // at most 256 characters
    uint16_t port = 0;     // the scheme's default when the URL names none
    std::string object;    // path and query, at most 2048 characters, without a fragment
    std::string userName;  // at most 128 characters each
    std::string password;
    bool secure = false;  // https
};

// Nothing for a URL that does not canonicalise or split, or whose scheme is neither http nor https.
std::optional<HttpAddress> SplitHttpAddress(std::string_view url);

}  // namespace rt::commands
