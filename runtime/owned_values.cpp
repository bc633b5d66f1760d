#include "runtime/owned_values.h"

#include <cstring>

#include "runtime/memory.h"
#include "runtime/values.h"

namespace rt {

char* NewText(std::string_view s)
{
    if (s.empty()) {
        return nullptr;
    }
    char* text = static_cast<char*>(AllocMem(s.size() + 1));
    std::memcpy(text, s.data(), s.size());
    text[s.size()] = '\0';
    return text;
}

void* NewByteSet(const void* data, size_t size)
{
    if (size == 0) {
        return nullptr;
    }
    auto* block = static_cast<ByteSetHeader*>(AllocMem(sizeof(ByteSetHeader) + size));
    block->dimensions = 1;
    block->count = static_cast<int32_t>(size);
    std::memcpy(block + 1, data, size);
    return block;
}

size_t ArrayBlockSize(const void* array, size_t elementSize)
{
    if (!array) {
        return 0;
    }
    auto* words = static_cast<const int32_t*>(array);
    int32_t dimensions = words[0];
    size_t elements = 1;
    for (int32_t d = 0; d < dimensions; ++d) {
        elements *= static_cast<size_t>(words[1 + d]);
    }
    return sizeof(int32_t) * (1 + static_cast<size_t>(dimensions)) + elements * elementSize;
}

void ReleaseValue(void* value, uint32_t type)
{
    if (!value) {
        return;
    }
    if (type == kText || type == kByteSet) {
        FreeMem(value);
        return;
    }
    if (!IsArrayType(type)) {
        return;
    }
    uint32_t element = ElementType(type);
    if (element == kText || element == kByteSet) {
        auto* words = static_cast<int32_t*>(value);
        size_t count = 1;
        for (int32_t d = 0; d < words[0]; ++d) {
            count *= static_cast<size_t>(words[1 + d]);
        }
        // Elements follow the dimension words and need not be pointer-aligned.
        auto* elements = reinterpret_cast<const unsigned char*>(words + 1 + words[0]);
        for (size_t i = 0; i < count; ++i) {
            void* element;
            std::memcpy(&element, elements + i * sizeof element, sizeof element);
            FreeMem(element);
        }
    }
    FreeMem(value);
}

}  // namespace rt
