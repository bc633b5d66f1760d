// Texts and byte sets handed out by the runtime: allocated with AllocMem, owned by the receiver,
// who releases them with FreeMem (or ReleaseValue for arrays of them).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rt {

// A new text holding the bytes of s; null (the empty text) when s is empty.
char* NewText(std::string_view s);
// A new byte set holding the bytes; null (the empty byte set) when there are none.
void* NewByteSet(const void* data, size_t size);

// Releases a text, a byte set, or an array of them (elements first); other types own nothing.
void ReleaseValue(void* value, uint32_t type);

// Size in bytes of a whole array block of the given element size.
size_t ArrayBlockSize(const void* array, size_t elementSize);

}  // namespace rt
