// The application's constant data: one block that the runtime records as constant, so that texts
// and byte sets inside it are never released or resized in place.
#pragma once

#include "runtime/values.h"

namespace data {

inline constexpr size_t kDefaultPictureSize = 34451;

struct ConstantData {
    // The picture split when the user has opened none, written beside the program as "vexlo.jpg".
    rt::EmbeddedByteSet<kDefaultPictureSize> defaultPicture;
};

extern const ConstantData kConstantData;

}  // namespace data
