// How many of the HTML view's own COM objects (client sites, frames, event sinks) are alive. The
// browser holds references to them while it lives, so after every view is gone the count is back
// at zero exactly when neither side kept a reference it should have released.
#pragma once

namespace rt::units {

int LiveHostObjects();

// Every host object counts itself in its constructor and out in its destructor.
class HostObjectCount {
public:
    HostObjectCount();
    ~HostObjectCount();
    HostObjectCount(const HostObjectCount&) = delete;
    HostObjectCount& operator=(const HostObjectCount&) = delete;
};

}  // namespace rt::units
