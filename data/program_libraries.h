// The command libraries of this program, numbered as the program header's library table lists
// them, and the position of each command the application calls in its library's command table.
#pragma once

#include <cstdint>

namespace data {

enum LibraryNumber : uint32_t {
    kCoreLibraryNumber = 0,
    kThreadLibraryNumber = 1,
    kImageConversionLibraryNumber = 2,
    kXpStyleLibraryNumber = 3,
    kShellLibraryNumber = 4,
    kHtmlViewLibraryNumber = 5,
    kInternetLibraryNumber = 6,
    kExtraFunctionsLibraryNumber = 7,
};
constexpr uint32_t kLibraryCount = 8;

// The core library's commands sit at their CoreCommand index; each other library's one command is
// its first entry.
constexpr uint32_t kStartThreadPosition = 0;
constexpr uint32_t kConvertToJpegPosition = 0;
constexpr uint32_t kSetXpStylePosition = 0;
constexpr uint32_t kRunShellVerbPosition = 0;
constexpr uint32_t kHttpReadPosition = 0;

}  // namespace data
