// Offers a source to the readers in their fixed order: JPEG, BMP, TIFF, PNG, PCX, Photo CD.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "pictures/conversion/conversion_image.h"

namespace pictures {

enum class ReadOutcome {
    kRead,     // a reader accepted the source and filled the picture
    kRefused,  // every reader refused the source
    kFailed,   // the reader that accepted the source failed; no later reader was tried
};

ReadOutcome ReadSource(std::span<const uint8_t> source, ConversionImage& image);

// Reads the file (GBK path) into memory once and offers its bytes to the readers. A file that
// cannot be read whole, or one larger than kMaxInMemoryFileBytes, is refused. The file is closed,
// and its bytes released, when this returns, so the destination may be the source itself.
ReadOutcome ReadSourceFile(const std::string& path, ConversionImage& image);

}  // namespace pictures
