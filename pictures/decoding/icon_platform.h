// The one platform call the icon decoder needs: an icon made from one entry's image data.
#pragma once

#include <cstdint>
#include <span>

#include "pictures/decoding/picture.h"

namespace pictures {

// What the icon decoder read from the image data: its size and the bit count of its bitmap header
// (0 for PNG image data).
struct IconImageInfo {
    int32_t width;
    int32_t height;
    uint16_t bitCount;
};

// Null when the image data does not make an icon.
OwnedIcon CreateIconFromImage(std::span<const uint8_t> image, const IconImageInfo& info);

}  // namespace pictures
