// The native build's heap: the C library's.
#include <cstdlib>

#include "runtime/memory.h"

namespace rt {

const HeapBackend& DefaultHeapBackend()
{
    static const HeapBackend backend{
        [](size_t size) { return std::malloc(size ? size : 1); },
        [](void* block, size_t size) { return std::realloc(block, size ? size : 1); },
        [](void* block) { std::free(block); },
    };
    return backend;
}

}  // namespace rt
