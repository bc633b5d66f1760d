// Packed device-independent bitmaps of 8-bit pixels, rows top-down: the data block of GIF and
// 8-bit PCX pictures. A 40-byte header, 256 colour entries (B, G, R, 0), then the padded rows.
#pragma once

#include <cstdint>

#include "pictures/decoding/picture.h"

namespace pictures {

inline constexpr uint32_t kDibHeaderBytes = 40;
inline constexpr uint32_t kDibColours = 256;
inline constexpr uint32_t kDibPixelsOffset = kDibHeaderBytes + kDibColours * 4;

// Rows are padded to a multiple of 4 bytes.
inline uint32_t PackedDibRowBytes(int32_t width) { return (static_cast<uint32_t>(width) + 3) / 4 * 4; }

struct PackedDib {
    HeapBlock block;
    uint32_t size = 0;

    uint8_t* colour(uint32_t index) { return block.get() + kDibHeaderBytes + index * 4; }
    uint8_t* row(uint32_t y, int32_t width)
    {
        return block.get() + kDibPixelsOffset + size_t{y} * PackedDibRowBytes(width);
    }
};

// A zeroed bitmap of width x height (a size the limits allow) with its header written; its block
// is null when memory runs out.
PackedDib MakePackedDib(int32_t width, int32_t height);

}  // namespace pictures
