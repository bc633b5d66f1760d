#include "pictures/conversion/conversion_image.h"

#include "pictures/conversion/picture_limits.h"

namespace pictures {

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
