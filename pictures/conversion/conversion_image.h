// The conversion's in-memory picture: rows top-down without padding, pixels in a temporary-file
// buffer. 8 bits are grey levels (no palette) or palette indices; 24 bits are R, G, B; 32 bits
// are A, R, G, B.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "pictures/conversion/temp_file_buffer.h"

namespace pictures {

struct PaletteColour {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
};

// Bytes of a width x height buffer of the given bytes per pixel (1 to 4), computed in 64 bits; 0
// when the size breaks a picture limit or does not fit this build's address space.
uint64_t PictureBufferBytes(uint64_t width, uint64_t height, unsigned bytesPerPixel);

class ConversionImage {
public:
    // Makes a zero-filled picture of 8, 24 or 32 bits per pixel. A palette count of 0 makes an
    // 8-bit picture grey, 1 to 256 indexed. False when the size breaks a picture limit or no
    // buffer can be mapped.
    bool allocate(uint32_t width, uint32_t height, unsigned bitsPerPixel, unsigned paletteCount = 0);

    bool allocated() const { return pixels_ != nullptr; }
    uint32_t width() const { return width_; }
    uint32_t height() const { return height_; }
    unsigned bitsPerPixel() const { return bitsPerPixel_; }
    unsigned bytesPerPixel() const { return bitsPerPixel_ / 8; }
    size_t rowBytes() const { return size_t{width_} * bytesPerPixel(); }
    bool isGrey() const { return bitsPerPixel_ == 8 && paletteCount_ == 0; }

    uint8_t* row(uint32_t y) { return pixels_->data() + y * rowBytes(); }
    const uint8_t* row(uint32_t y) const { return pixels_->data() + y * rowBytes(); }

    unsigned paletteCount() const { return paletteCount_; }
    // All 256 entries; those past the palette count stay black, so any index byte is safe.
    const std::array<PaletteColour, 256>& palette() const { return palette_; }
    void setPaletteColour(unsigned index, PaletteColour colour) { palette_[index & 0xff] = colour; }

private:
    uint32_t width_ = 0;
    uint32_t height_ = 0;
    unsigned bitsPerPixel_ = 0;
    unsigned paletteCount_ = 0;
    std::array<PaletteColour, 256> palette_{};
    std::unique_ptr<TempFileBuffer> pixels_;
};

}  // namespace pictures
