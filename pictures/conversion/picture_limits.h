// The largest pictures the conversion takes. Header dimensions are checked against these before
// any buffer is made, so a damaged or hostile header cannot ask for an absurd amount of memory.
#pragma once

#include <cstdint>

namespace pictures {

// The JPEG format cannot hold a side longer than this.
inline constexpr uint64_t kMaxPictureSide = 65500;
// 128 Mi pixels: a 12000 x 9000 photograph fits with room to spare.
inline constexpr uint64_t kMaxPicturePixels = uint64_t{1} << 27;

bool WithinPictureLimits(uint64_t width, uint64_t height);

// Bytes of a width x height buffer of the given bytes per pixel, computed in 64 bits; 0 when the
// dimensions break a limit or the size does not fit this build's address space.
uint64_t PictureBufferBytes(uint64_t width, uint64_t height, unsigned bytesPerPixel);

}  // namespace pictures
