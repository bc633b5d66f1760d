// Recognising a picture format from the first bytes of its data.
#pragma once

#include <cstddef>
#include <cstdint>

#include "pictures/decoding/picture.h"

namespace pictures {

// The bytes DetectPictureKind looks at; fewer give kNone.
inline constexpr size_t kDetectBytes = 6;

PictureKind DetectPictureKind(const uint8_t* bytes, size_t length);

}  // namespace pictures
