// Bit-depth conversion for the JPEG writer, which takes 24-bit colour or 8-bit grey pictures.
#pragma once

#include "pictures/conversion/conversion_image.h"

namespace pictures {

// R, G, B of every pixel: grey levels repeated, palette indices looked up, alpha dropped.
bool ConvertToRgb(const ConversionImage& from, ConversionImage& to);

// 8-bit grey: (306 R + 601 G + 117 B) >> 10, indexed pictures through their palette colours.
bool ConvertToGrey(const ConversionImage& from, ConversionImage& to);

}  // namespace pictures
