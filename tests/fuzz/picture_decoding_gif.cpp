// Fuzzes the GIF decoder with the input as the whole data.
#include <cstddef>
#include <cstdint>

#include "pictures/decoding/format_decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    pictures::DecodeGif(std::span<const uint8_t>(data, size));
    return 0;
}
