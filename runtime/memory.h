// Runtime memory: one heap, allocations that never return null, and constant-data ranges whose
// blocks are never released or resized in place.
#pragma once

#include <cstddef>

namespace rt {

// Where blocks come from. The process heap by default; tests install a failing one.
struct HeapBackend {
    void* (*allocate)(size_t size);
    void* (*reallocate)(void* block, size_t size);
    void (*release)(void* block);
};

const HeapBackend& DefaultHeapBackend();
void SetHeapBackend(const HeapBackend& backend);

void AddConstantRange(const void* start, size_t length);
void ClearConstantRanges();
bool IsConstantData(const void* p);
// Bytes from p to the end of the constant range that holds it, or 0.
size_t ConstantBytesFrom(const void* p);

// Never returns null: a failure is the fatal runtime error "分配 %d 字节内存失败!".
void* AllocMem(size_t size);
// Null behaves as AllocMem; a block in constant data is copied into a new block, leaving the
// constant data untouched.
void* ReallocMem(void* block, size_t size);
// Ignores null and constant data.
void FreeMem(void* block);
// A plain allocation that may return null (for decoders of untrusted data).
void* TryAllocMem(size_t size);

}  // namespace rt
