#include "pictures/conversion/picture_limits.h"

#include <cstddef>

namespace pictures {

bool WithinPictureLimits(uint64_t width, uint64_t height)
{
    return width >= 1 && height >= 1 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

uint64_t PictureBufferBytes(uint64_t width, uint64_t height, unsigned bytesPerPixel)
{
    if (!WithinPictureLimits(width, height) || bytesPerPixel == 0 || bytesPerPixel > 4) {
        return 0;
    }
    uint64_t bytes = width * height * bytesPerPixel;
    return bytes <= SIZE_MAX ? bytes : 0;
}

}  // namespace pictures
