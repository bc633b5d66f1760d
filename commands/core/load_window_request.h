// What LoadWindow hands the runtime's load-window service (2005): the window id as the first
// argument, and the address of this request as the second.
#pragma once

#include <cstdint>

namespace rt {

struct LoadWindowRequest {
    void* owner;     // the owner window's live object, or null
    uint32_t modal;  // non-zero: shown modally (the owner is then ignored)
};

// The service's answers.
inline constexpr int64_t kLoadWindowSucceeded = 0;
inline constexpr int64_t kLoadWindowFailed = -1;

}  // namespace rt
