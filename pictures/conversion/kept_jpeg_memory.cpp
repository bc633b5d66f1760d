#include "pictures/conversion/kept_jpeg_memory.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <jerror.h>

namespace pictures {

namespace {

// libjpeg-turbo's SIMD code wants every buffer aligned to 32 bytes, and sample rows padded to 64
// bytes so that it may read and write a little past a row's end.
constexpr size_t kAlignment = 32;
constexpr size_t kRowPadding = 2 * kAlignment;
// Small objects share blocks of this size; larger ones get a block each.
constexpr size_t kChunkBytes = 256 * 1024;
// A picture needs a few dozen blocks at most.
constexpr int kMostBlocks = 64;
constexpr size_t kLargestRequest = SIZE_MAX / 4;
constexpr int kNoPool = -1;

struct KeptBlock {
    void* allocation;  // as malloc gave it
    uint8_t* memory;   // aligned
    size_t size;
    size_t used;
    int pool;  // kNoPool while free
};

// A virtual array, whole in memory.
struct VirtualArray {
    VirtualArray* next;
    int pool;
    bool preZero;
    bool blocks;        // of coefficient blocks, else of samples
    JDIMENSION perRow;  // samples or blocks
    JDIMENSION rows;
    void* rowPointers;  // JSAMPARRAY or JBLOCKARRAY once realised
};

}  // namespace

struct KeptJpegMemory {
    jpeg_memory_mgr manager;  // first: the object's mem pointer is also ours
    KeptBlock blocks[kMostBlocks];
    int blockCount;
    VirtualArray* arrays;
};

namespace {

KeptJpegMemory* Kept(j_common_ptr object) { return reinterpret_cast<KeptJpegMemory*>(object->mem); }

size_t RoundUp(size_t value, size_t step) { return (value + step - 1) / step * step; }

[[noreturn]] void OutOfMemory(j_common_ptr object, int which)
{
    ERREXIT1(object, JERR_OUT_OF_MEMORY, which);
    std::abort();  // error_exit does not return
}

void CheckPool(j_common_ptr object, int pool)
{
    if (pool < 0 || pool >= JPOOL_NUMPOOLS) {
        ERREXIT1(object, JERR_BAD_POOL_ID, pool);
    }
}

// The smallest free block that holds size bytes, or -1.
int SmallestFreeBlock(const KeptJpegMemory& kept, size_t size)
{
    int best = -1;
    for (int i = 0; i < kept.blockCount; ++i) {
        const KeptBlock& block = kept.blocks[i];
        if (block.pool == kNoPool && block.size >= size && (best < 0 || block.size < kept.blocks[best].size)) {
            best = i;
        }
    }
    return best;
}

int NewBlock(j_common_ptr object, KeptJpegMemory& kept, size_t size)
{
    if (kept.blockCount == kMostBlocks) {
        OutOfMemory(object, 1);
    }
    size_t bytes = size > kChunkBytes ? size : kChunkBytes;
    void* allocation = std::malloc(bytes + kAlignment - 1);
    if (!allocation) {
        OutOfMemory(object, 2);
    }
    auto address = reinterpret_cast<uintptr_t>(allocation);
    auto* aligned = reinterpret_cast<uint8_t*>(RoundUp(address, kAlignment));
    kept.blocks[kept.blockCount] = {allocation, aligned, bytes, 0, kNoPool};
    return kept.blockCount++;
}

void* Allocate(j_common_ptr object, int pool, size_t size)
{
    CheckPool(object, pool);
    if (size > kLargestRequest) {
        OutOfMemory(object, 3);
    }
    size = RoundUp(size == 0 ? 1 : size, kAlignment);
    KeptJpegMemory& kept = *Kept(object);
    for (int i = 0; i < kept.blockCount; ++i) {
        KeptBlock& block = kept.blocks[i];
        if (block.pool == pool && block.size - block.used >= size) {
            uint8_t* at = block.memory + block.used;
            block.used += size;
            return at;
        }
    }
    int free = SmallestFreeBlock(kept, size);
    KeptBlock& block = kept.blocks[free >= 0 ? free : NewBlock(object, kept, size)];
    block.pool = pool;
    block.used = size;
    return block.memory;
}

void* AllocSmall(j_common_ptr object, int pool, size_t size) { return Allocate(object, pool, size); }

void* AllocLarge(j_common_ptr object, int pool, size_t size) { return Allocate(object, pool, size); }

// Row pointers and one block holding every row, each row rowBytes long.
void** AllocRows(j_common_ptr object, int pool, size_t rowBytes, JDIMENSION rows)
{
    if (rowBytes != 0 && rows > kLargestRequest / rowBytes) {
        OutOfMemory(object, 4);
    }
    auto** pointers = static_cast<void**>(Allocate(object, pool, size_t{rows} * sizeof(void*)));
    auto* space = static_cast<uint8_t*>(Allocate(object, pool, rowBytes * rows));
    for (JDIMENSION row = 0; row < rows; ++row) {
        pointers[row] = space + row * rowBytes;
    }
    return pointers;
}

JSAMPARRAY AllocSampleArray(j_common_ptr object, int pool, JDIMENSION samplesPerRow, JDIMENSION rows)
{
    size_t rowBytes = RoundUp(size_t{samplesPerRow} * sizeof(JSAMPLE), kRowPadding);
    return reinterpret_cast<JSAMPARRAY>(AllocRows(object, pool, rowBytes, rows));
}

JBLOCKARRAY AllocBlockArray(j_common_ptr object, int pool, JDIMENSION blocksPerRow, JDIMENSION rows)
{
    return reinterpret_cast<JBLOCKARRAY>(AllocRows(object, pool, size_t{blocksPerRow} * sizeof(JBLOCK), rows));
}

VirtualArray* RequestArray(j_common_ptr object, int pool, boolean preZero, bool blocks, JDIMENSION perRow,
                           JDIMENSION rows)
{
    if (pool != JPOOL_IMAGE) {
        ERREXIT1(object, JERR_BAD_POOL_ID, pool);
    }
    KeptJpegMemory& kept = *Kept(object);
    auto* array = static_cast<VirtualArray*>(Allocate(object, pool, sizeof(VirtualArray)));
    *array = {kept.arrays, pool, preZero != FALSE, blocks, perRow, rows, nullptr};
    kept.arrays = array;
    return array;
}

jvirt_sarray_ptr RequestSampleArray(j_common_ptr object, int pool, boolean preZero, JDIMENSION samplesPerRow,
                                    JDIMENSION rows, JDIMENSION)
{
    return reinterpret_cast<jvirt_sarray_ptr>(RequestArray(object, pool, preZero, false, samplesPerRow, rows));
}

jvirt_barray_ptr RequestBlockArray(j_common_ptr object, int pool, boolean preZero, JDIMENSION blocksPerRow,
                                   JDIMENSION rows, JDIMENSION)
{
    return reinterpret_cast<jvirt_barray_ptr>(RequestArray(object, pool, preZero, true, blocksPerRow, rows));
}

void RealizeArrays(j_common_ptr object)
{
    for (VirtualArray* array = Kept(object)->arrays; array; array = array->next) {
        if (array->rowPointers) {
            continue;
        }
        size_t rowBytes;
        if (array->blocks) {
            array->rowPointers = AllocBlockArray(object, array->pool, array->perRow, array->rows);
            rowBytes = size_t{array->perRow} * sizeof(JBLOCK);
        } else {
            array->rowPointers = AllocSampleArray(object, array->pool, array->perRow, array->rows);
            rowBytes = RoundUp(size_t{array->perRow} * sizeof(JSAMPLE), kRowPadding);
        }
        // The rows are one block, so the first row's start covers them all.
        if (array->preZero && array->rows > 0) {
            std::memset(static_cast<void**>(array->rowPointers)[0], 0, rowBytes * array->rows);
        }
    }
}

void* AccessArray(j_common_ptr object, VirtualArray* array, JDIMENSION first, JDIMENSION count)
{
    if (!array->rowPointers || first > array->rows || count > array->rows - first) {
        ERREXIT(object, JERR_BAD_VIRTUAL_ACCESS);
    }
    return static_cast<void**>(array->rowPointers) + first;
}

JSAMPARRAY AccessSampleArray(j_common_ptr object, jvirt_sarray_ptr array, JDIMENSION first, JDIMENSION count, boolean)
{
    return static_cast<JSAMPARRAY>(AccessArray(object, reinterpret_cast<VirtualArray*>(array), first, count));
}

JBLOCKARRAY AccessBlockArray(j_common_ptr object, jvirt_barray_ptr array, JDIMENSION first, JDIMENSION count, boolean)
{
    return static_cast<JBLOCKARRAY>(AccessArray(object, reinterpret_cast<VirtualArray*>(array), first, count));
}

// The pool's blocks become free for later requests; none goes back to the system.
void FreePool(j_common_ptr object, int pool)
{
    CheckPool(object, pool);
    KeptJpegMemory& kept = *Kept(object);
    VirtualArray** link = &kept.arrays;
    while (*link) {
        if ((*link)->pool == pool) {
            *link = (*link)->next;
        } else {
            link = &(*link)->next;
        }
    }
    for (int i = 0; i < kept.blockCount; ++i) {
        if (kept.blocks[i].pool == pool) {
            kept.blocks[i].pool = kNoPool;
            kept.blocks[i].used = 0;
        }
    }
}

void SelfDestruct(j_common_ptr object)
{
    KeptJpegMemory* kept = Kept(object);
    for (int i = 0; i < kept->blockCount; ++i) {
        std::free(kept->blocks[i].allocation);
    }
    std::free(kept);
    object->mem = nullptr;
}

}  // namespace

KeptJpegMemory* NewKeptJpegMemory()
{
    auto* kept = static_cast<KeptJpegMemory*>(std::calloc(1, sizeof(KeptJpegMemory)));
    if (!kept) {
        return nullptr;
    }
    jpeg_memory_mgr& m = kept->manager;
    m.alloc_small = AllocSmall;
    m.alloc_large = AllocLarge;
    m.alloc_sarray = AllocSampleArray;
    m.alloc_barray = AllocBlockArray;
    m.request_virt_sarray = RequestSampleArray;
    m.request_virt_barray = RequestBlockArray;
    m.realize_virt_arrays = RealizeArrays;
    m.access_virt_sarray = AccessSampleArray;
    m.access_virt_barray = AccessBlockArray;
    m.free_pool = FreePool;
    m.self_destruct = SelfDestruct;
    m.max_memory_to_use = 0;
    m.max_alloc_chunk = 1000000000L;
    return kept;
}

void UseKeptJpegMemory(j_common_ptr object, KeptJpegMemory* memory)
{
    if (object->mem) {
        object->mem->self_destruct(object);
    }
    object->mem = &memory->manager;
}

size_t KeptJpegMemoryBytes(const KeptJpegMemory* memory)
{
    size_t bytes = 0;
    for (int i = 0; i < memory->blockCount; ++i) {
        bytes += memory->blocks[i].size;
    }
    return bytes;
}

}  // namespace pictures
