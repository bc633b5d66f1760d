// Writes a conversion picture as a single-scan sequential JFIF file through libjpeg's standard
// file destination.
#pragma once

#include <string>

#include "pictures/conversion/conversion_image.h"
#include "pictures/conversion/jpeg_parameters.h"

namespace pictures {

// Converts the picture to 24-bit colour or 8-bit grey first when it is in another depth. False
// when the picture cannot be converted or the file cannot be written; the destination is then
// left as it was.
bool WriteJpeg(const ConversionImage& image, const std::string& destination, const JpegSettings& settings);

}  // namespace pictures
