// Decoding picture data (a byte set or a file) into a Picture. The format is recognised from the
// first bytes, never from a file name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "pictures/decoding/picture.h"

namespace pictures {

// Null for missing data, a length of 0 or less, an unknown format or data that does not decode.
OwnedPicture DecodePictureBytes(const void* bytes, std::ptrdiff_t length);

// Reads the file (GBK path) with other writers denied. Null for an empty name, a file that cannot be
// opened, an unknown format or data that does not decode.
OwnedPicture DecodePictureFile(const std::string& gbkPath);

}  // namespace pictures
