// The picture a button-family unit shows instead of its caption: decoded from the Image bytes
// when they are set; an icon on a push-style button stays an icon, anything else becomes a
// bitmap. Bytes that do not decode give no image, and the caption shows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "pictures/decoding/picture.h"
#include "runtime/win32/owned_handles.h"

namespace rt::units {

class ButtonImage {
public:
    // Decodes the bytes; the previous image is dropped.
    void decode(const std::vector<uint8_t>& bytes, bool pushStyle);

    // BS_ICON, BS_BITMAP, or 0 without an image.
    DWORD style() const;
    // The BM_SETIMAGE arguments: image type and handle (null without an image).
    WPARAM imageType() const { return icon_ ? IMAGE_ICON : IMAGE_BITMAP; }
    LPARAM handle() const;

private:
    pictures::OwnedPicture icon_;  // an icon picture, owning its icon
    UniqueBitmap bitmap_;
};

}  // namespace rt::units
