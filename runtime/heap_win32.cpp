// The Windows build's heap: the process heap, without clearing.
#include <windows.h>

#include "runtime/memory.h"

namespace rt {

const HeapBackend& DefaultHeapBackend()
{
    static const HeapBackend backend{
        [](size_t size) { return HeapAlloc(GetProcessHeap(), 0, size ? size : 1); },
        [](void* block, size_t size) { return HeapReAlloc(GetProcessHeap(), 0, block, size ? size : 1); },
        [](void* block) { HeapFree(GetProcessHeap(), 0, block); },
    };
    return backend;
}

}  // namespace rt
