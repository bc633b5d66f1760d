#include "pictures/conversion/depth_conversion.h"

namespace pictures {
namespace {

uint8_t GreyOf(uint8_t r, uint8_t g, uint8_t b) { return static_cast<uint8_t>((306 * r + 601 * g + 117 * b) >> 10); }

// The R, G, B bytes of pixel x of a row in the picture's own depth.
PaletteColour PixelColour(const ConversionImage& image, const uint8_t* row, uint32_t x)
{
    switch (image.bitsPerPixel()) {
    case 8:
        return image.isGrey() ? PaletteColour{row[x], row[x], row[x]} : image.palette()[row[x]];
    case 24:
        return {row[3 * x], row[3 * x + 1], row[3 * x + 2]};
    default:
        return {row[4 * x + 1], row[4 * x + 2], row[4 * x + 3]};
    }
}

}  // namespace

bool ConvertToRgb(const ConversionImage& from, ConversionImage& to)
{
    if (!from.allocated() || !to.allocate(from.width(), from.height(), 24)) {
        return false;
    }
    for (uint32_t y = 0; y < from.height(); ++y) {
        const uint8_t* in = from.row(y);
        uint8_t* out = to.row(y);
        for (uint32_t x = 0; x < from.width(); ++x) {
            PaletteColour c = PixelColour(from, in, x);
            out[3 * x] = c.r;
            out[3 * x + 1] = c.g;
            out[3 * x + 2] = c.b;
        }
    }
    return true;
}

bool ConvertToGrey(const ConversionImage& from, ConversionImage& to)
{
    if (!from.allocated() || !to.allocate(from.width(), from.height(), 8)) {
        return false;
    }
    for (uint32_t y = 0; y < from.height(); ++y) {
        const uint8_t* in = from.row(y);
        uint8_t* out = to.row(y);
        for (uint32_t x = 0; x < from.width(); ++x) {
            PaletteColour c = PixelColour(from, in, x);
            out[x] = GreyOf(c.r, c.g, c.b);
        }
    }
    return true;
}

}  // namespace pictures
