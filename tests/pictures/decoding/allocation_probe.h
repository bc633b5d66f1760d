// Watches the runtime heap: the largest block asked for while a probe lives.
#pragma once

#include <cstddef>

namespace pictures::testing {

class AllocationProbe {
public:
    AllocationProbe();
    ~AllocationProbe();
    AllocationProbe(const AllocationProbe&) = delete;
    AllocationProbe& operator=(const AllocationProbe&) = delete;

    size_t largest() const;
};

}  // namespace pictures::testing
