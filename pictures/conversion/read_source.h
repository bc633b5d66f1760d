// Offers a source file to the readers in their fixed order: JPEG, BMP, TIFF, PNG, PCX, Photo CD.
#pragma once

#include <string>

#include "pictures/conversion/conversion_image.h"

namespace pictures {

enum class ReadOutcome {
    kRead,     // a reader accepted the file and filled the picture
    kRefused,  // every reader refused the file
    kFailed,   // the reader that accepted the file failed; no later reader was tried
};

// Every reader has closed the source when this returns.
ReadOutcome ReadSource(const std::string& path, ConversionImage& image);

}  // namespace pictures
