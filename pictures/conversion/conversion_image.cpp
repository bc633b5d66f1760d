#include "pictures/conversion/conversion_image.h"

#include "pictures/shared/picture_limits.h"

namespace pictures {

uint64_t PictureBufferBytes(uint64_t width, uint64_t height, unsigned bytesPerPixel)
{
    // A size beyond 2^63 turns negative here and is refused.
    bool allowed = PictureSizeAllowed(static_cast<int64_t>(width), static_cast<int64_t>(height), kMaxConvertedSide);
    if (!allowed || bytesPerPixel == 0 || bytesPerPixel > 4) {
        return 0;
    }
    uint64_t bytes = width * height * bytesPerPixel;
    return bytes <= SIZE_MAX ? bytes : 0;
}

bool ConversionImage::allocate(uint32_t width, uint32_t height, unsigned bitsPerPixel, unsigned paletteCount)
{
    bool knownDepth = bitsPerPixel == 8 || bitsPerPixel == 24 || bitsPerPixel == 32;
    if (!knownDepth || paletteCount > 256 || (paletteCount != 0 && bitsPerPixel != 8)) {
        return false;
    }
    uint64_t bytes = PictureBufferBytes(width, height, bitsPerPixel / 8);
    if (bytes == 0) {
        return false;
    }
    pixels_ = TempFileBuffer::Create(bytes);
    if (!pixels_) {
        return false;
    }
    width_ = width;
    height_ = height;
    bitsPerPixel_ = bitsPerPixel;
    paletteCount_ = paletteCount;
    palette_ = {};
    return true;
}

}  // namespace pictures
