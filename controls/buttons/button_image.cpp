#include "controls/buttons/button_image.h"

#include "pictures/decoding/picture_decode.h"
#include "pictures/decoding/picture_detect.h"
#include "pictures/decoding/picture_render.h"

namespace rt::units {
namespace {

bool IsIconData(const std::vector<uint8_t>& bytes)
{
    pictures::PictureKind kind = pictures::DetectPictureKind(bytes.data(), bytes.size());
    return kind == pictures::PictureKind::kIcon || kind == pictures::PictureKind::kCursor;
}

}  // namespace

void ButtonImage::decode(const std::vector<uint8_t>& bytes, bool pushStyle)
{
    icon_.reset();
    bitmap_.reset();
    if (bytes.empty()) {
        return;
    }
    auto length = static_cast<std::ptrdiff_t>(bytes.size());
    if (pushStyle && IsIconData(bytes)) {
        icon_ = pictures::DecodePictureBytes(bytes.data(), length);
        if (icon_ && !icon_->icon) {
            icon_.reset();
        }
        return;
    }
    bitmap_ = pictures::PictureToBitmap(bytes.data(), length);
}

DWORD ButtonImage::style() const
{
    if (icon_) {
        return BS_ICON;
    }
    return bitmap_ ? BS_BITMAP : 0;
}

LPARAM ButtonImage::handle() const
{
    if (icon_) {
        return reinterpret_cast<LPARAM>(icon_->icon);
    }
    return reinterpret_cast<LPARAM>(bitmap_.get());
}

}  // namespace rt::units
