// Icons from image data through USER32, with the older call as the fallback for depths other
// than 16 bits.
#include <windows.h>

#include "pictures/decoding/icon_platform.h"

namespace pictures {
namespace {

constexpr DWORD kIconFormatVersion = 0x30000;

}  // namespace

OwnedIcon CreateIconFromImage(std::span<const uint8_t> image, const IconImageInfo& info)
{
    // The calls take a non-const pointer but only read the data.
    auto* bits = const_cast<PBYTE>(image.data());
    auto size = static_cast<DWORD>(image.size());
    HICON icon =
        CreateIconFromResourceEx(bits, size, TRUE, kIconFormatVersion, info.width, info.height, LR_DEFAULTCOLOR);
    if (!icon && info.bitCount != 16) icon = CreateIconFromResource(bits, size, TRUE, kIconFormatVersion);
    return OwnedIcon(icon);
}

void DestroyIconHandle(IconHandle icon)
{
    if (icon) DestroyIcon(icon);
}

}  // namespace pictures
