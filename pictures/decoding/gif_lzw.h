// The LZW decoder of GIF frames: variable-width codes, least significant bit first, spread over
// length-prefixed sub-blocks; at most 12 bits per code and 4096 table entries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace pictures {

// Where decoded pixel indices go: Put returns false once it wants no more.
class PixelSink {
public:
    virtual bool Put(uint8_t index) = 0;

protected:
    ~PixelSink() = default;
};

enum class LzwResult {
    kDone,       // the end code came, or the sink was full
    kOutOfData,  // the sub-blocks ended first
    kBadData,    // a code that names no string
};

// Decodes the sub-blocks starting at data[position] with the given minimum code size (2 to 8).
LzwResult DecodeGifLzw(std::span<const uint8_t> data, size_t position, int minCodeSize, PixelSink& sink);

}  // namespace pictures
