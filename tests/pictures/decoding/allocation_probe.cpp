#include "allocation_probe.h"

#include <atomic>

#include "runtime/memory.h"

namespace pictures::testing {
namespace {

std::atomic<size_t> largestRequest{0};

void* RecordingAllocate(size_t size)
{
    size_t seen = largestRequest.load();
    while (size > seen && !largestRequest.compare_exchange_weak(seen, size)) {
    }
    return rt::DefaultHeapBackend().allocate(size);
}

}  // namespace

AllocationProbe::AllocationProbe()
{
    largestRequest = 0;
    const rt::HeapBackend& heap = rt::DefaultHeapBackend();
    rt::SetHeapBackend({RecordingAllocate, heap.reallocate, heap.release});
}

AllocationProbe::~AllocationProbe() { rt::SetHeapBackend(rt::DefaultHeapBackend()); }

size_t AllocationProbe::largest() const { return largestRequest.load(); }

}  // namespace pictures::testing
