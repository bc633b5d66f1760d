// The decoder of each format. Each returns a new picture or null and holds no state between calls;
// bad data always gives null.
#pragma once

#include <cstdint>
#include <span>

#include "pictures/decoding/picture.h"
#include "runtime/byte_stream.h"

namespace pictures {

// Kind 1, read from the stream's current position through libjpeg.
OwnedPicture DecodeJpeg(rt::ByteStream& stream);
// Kind 2, from the start of the stream.
OwnedPicture DecodeBmp(rt::ByteStream& stream);
// Kinds 3 and 4, from the start of the stream.
OwnedPicture DecodeIcon(rt::ByteStream& stream);
// Kind 5, from the whole data.
OwnedPicture DecodeGif(std::span<const uint8_t> data);
// Kinds 6 and 7, from the whole data.
OwnedPicture DecodePcx(std::span<const uint8_t> data);

}  // namespace pictures
