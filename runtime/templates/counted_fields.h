// Reading the variable-length fields of template blocks and property data through a ByteReader:
// counted texts and byte strings (a u32 count, then the bytes) and NUL-terminated texts. A count
// larger than what is left fails the reader before anything is allocated.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "runtime/byte_stream.h"

namespace rt {

bool ReadCountedText(ByteReader& reader, std::string& text);
bool ReadCountedBytes(ByteReader& reader, std::vector<uint8_t>& bytes);
bool ReadZeroText(ByteReader& reader, std::string& text);

// A counted block in memory: checks the count against what is left, skips the bytes and gives
// them as a view into base, the start of the reader's memory.
bool ReadCountedView(ByteReader& reader, const uint8_t* base, std::span<const uint8_t>& view);

}  // namespace rt
