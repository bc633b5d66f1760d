// Fuzzes the ICO and CUR decoder with a memory stream over the input.
#include <cstddef>
#include <cstdint>

#include "pictures/decoding/format_decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    rt::MemoryStream stream(data, size);
    pictures::DecodeIcon(stream);
    return 0;
}
