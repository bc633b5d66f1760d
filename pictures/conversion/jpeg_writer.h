// Writes a conversion picture as a single-scan sequential JFIF file through libjpeg's standard
// file destination.
#pragma once

#include <string>

#include "pictures/conversion/conversion_image.h"

namespace pictures {

struct JpegSettings {
    bool grey = false;      // one grey component instead of colour
    int quality = 75;       // 1 to 100, with baseline-compatible tables
    bool optimise = false;  // optimised Huffman tables
    int smoothing = 0;      // 0 to 100
};

// Converts the picture to 24-bit colour or 8-bit grey first when it is in another depth. False
// when the picture cannot be converted or the file cannot be written; the destination is then
// left as it was.
bool WriteJpeg(const ConversionImage& image, const std::string& destination, const JpegSettings& settings);

}  // namespace pictures
