#include "controls/html_viewer/host_objects.h"

#include <atomic>

namespace rt::units {
namespace {

std::atomic<int> liveHostObjects{0};

}  // namespace

int LiveHostObjects() { return liveHostObjects.load(); }
HostObjectCount::HostObjectCount() { ++liveHostObjects; }
HostObjectCount::~HostObjectCount() { --liveHostObjects; }

}  // namespace rt::units
