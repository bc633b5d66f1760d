// Rendering a Picture for drawing (Windows only): a device bitmap made from its data, or its icon.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "pictures/decoding/picture.h"
#include "runtime/win32/owned_handles.h"

namespace pictures {

// What RenderPicture made: it owns the device bitmap (deleted with it) or borrows the picture's
// icon, which lives as long as the picture. Empty when rendering failed.
class RenderedPicture {
public:
    RenderedPicture() = default;
    RenderedPicture(rt::UniqueBitmap bitmap, int width, int height, bool monochrome);
    RenderedPicture(HICON icon, int width, int height);

    explicit operator bool() const { return bitmap_ || icon_; }
    HBITMAP bitmap() const { return bitmap_.get(); }
    HICON icon() const { return icon_; }
    bool monochrome() const { return monochrome_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Draws into the target rectangle: an icon with its own transparency (DrawIconEx), a bitmap
    // stretched from its full size with the raster operation, using the target's stretch mode. A
    // monochrome bitmap draws its 0 bits black and its 1 bits white.
    bool Draw(HDC target, int x, int y, int width, int height, DWORD rasterOperation) const;

    // Hands the bitmap to the caller; the result is then empty.
    rt::UniqueBitmap TakeBitmap();

private:
    rt::UniqueBitmap bitmap_;
    HICON icon_ = nullptr;
    bool monochrome_ = false;
    int width_ = 0;
    int height_ = 0;
};

// Makes the device bitmap (compatible with dc) or takes the icon. Empty for a picture of kind 0,
// a missing context or data the platform does not take.
RenderedPicture RenderPicture(const Picture& picture, HDC dc);

// Decodes the data as DecodePictureBytes does and returns a device bitmap of it owned by the
// caller, or null: icons are drawn at their natural size onto a white bitmap of that size.
rt::UniqueBitmap PictureToBitmap(const void* bytes, std::ptrdiff_t length);

// PictureToBitmap as the runtime's service 1003: arg1 the bytes, arg2 their length; the bitmap
// handle, owned by the caller, or 0.
int64_t PictureToBitmapService(uintptr_t bytes, uintptr_t length);

}  // namespace pictures
