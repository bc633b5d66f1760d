#include "runtime/memory.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

#include "runtime/runtime_error.h"

namespace rt {
namespace {

struct ConstantRange {
    uintptr_t start;
    uintptr_t end;
};

// Ranges are set at start-up and cleared at shut-down; worker threads only read them.
std::mutex rangesMutex;
std::vector<ConstantRange> constantRanges;

HeapBackend& Heap()
{
    static HeapBackend heap = DefaultHeapBackend();
    return heap;
}

const ConstantRange* FindRange(uintptr_t address)
{
    for (const ConstantRange& r : constantRanges) {
        if (address >= r.start && address < r.end) {
            return &r;
        }
    }
    return nullptr;
}

[[noreturn]] void ReportAllocationFailure(size_t size)
{
    char message[64];
    std::snprintf(message, sizeof message, "分配 %lld 字节内存失败!", static_cast<long long>(size));
    ReportRuntimeError(message, 0);
}

}  // namespace

void SetHeapBackend(const HeapBackend& backend) { Heap() = backend; }

void AddConstantRange(const void* start, size_t length)
{
    std::lock_guard lock(rangesMutex);
    auto begin = reinterpret_cast<uintptr_t>(start);
    constantRanges.push_back({begin, begin + length});
}

void ClearConstantRanges()
{
    std::lock_guard lock(rangesMutex);
    constantRanges.clear();
}

bool IsConstantData(const void* p) { return ConstantBytesFrom(p) != 0; }

size_t ConstantBytesFrom(const void* p)
{
    std::lock_guard lock(rangesMutex);
    auto address = reinterpret_cast<uintptr_t>(p);
    const ConstantRange* range = FindRange(address);
    return range ? range->end - address : 0;
}

void* AllocMem(size_t size)
{
    void* block = Heap().allocate(size);
    if (!block) {
        ReportAllocationFailure(size);
    }
    return block;
}

void* ReallocMem(void* block, size_t size)
{
    if (!block) {
        return AllocMem(size);
    }
    if (size_t available = ConstantBytesFrom(block)) {
        void* copy = AllocMem(size);
        std::memcpy(copy, block, std::min(size, available));
        return copy;
    }
    void* resized = Heap().reallocate(block, size);
    if (!resized) {
        ReportAllocationFailure(size);
    }
    return resized;
}

void FreeMem(void* block)
{
    if (!block || IsConstantData(block)) {
        return;
    }
    Heap().release(block);
}

void* TryAllocMem(size_t size) { return Heap().allocate(size); }

}  // namespace rt
