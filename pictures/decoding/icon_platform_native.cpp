// The native build's stand-in for icon creation: it checks the image data as the platform would
// (a DIB with its XOR and AND masks, or PNG) and returns a handle that records the size, so icon
// files can be parsed, tested and fuzzed without Windows.
#include <cstring>
#include <new>

#include "pictures/decoding/icon_platform.h"

namespace pictures {

struct NativeIcon {
    int32_t width;
    int32_t height;
};

namespace {

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24; }
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

bool IsPng(std::span<const uint8_t> image)
{
    return image.size() >= 24 && std::memcmp(image.data(), kPngSignature, sizeof kPngSignature) == 0 &&
           std::memcmp(image.data() + 12, "IHDR", 4) == 0;
}

// A BITMAPINFOHEADER, its colour table, the XOR bitmap and the 1-bit AND mask, all inside the data.
bool IsIconDib(std::span<const uint8_t> image)
{
    if (image.size() < 40) return false;
    const uint8_t* h = image.data();
    auto width = static_cast<int32_t>(Le32(h + 4));
    auto doubleHeight = static_cast<int32_t>(Le32(h + 8));
    uint16_t bits = Le16(h + 14);
    bool depthKnown = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (Le32(h) < 40 || !depthKnown || Le32(h + 16) != 0) return false;
    if (width <= 0 || doubleHeight < 2) return false;
    uint64_t height = static_cast<uint64_t>(doubleHeight) / 2;
    uint64_t colours = bits <= 8 ? (Le32(h + 32) ? Le32(h + 32) : 1u << bits) : 0;
    uint64_t xorRow = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    uint64_t andRow = (static_cast<uint64_t>(width) + 31) / 32 * 4;
    uint64_t needed = Le32(h) + colours * 4 + (xorRow + andRow) * height;
    return needed <= image.size();
}

}  // namespace

OwnedIcon CreateIconFromImage(std::span<const uint8_t> image, const IconImageInfo& info)
{
    if (!IsPng(image) && !IsIconDib(image)) return nullptr;
    return OwnedIcon(new (std::nothrow) NativeIcon{info.width, info.height});
}

void DestroyIconHandle(IconHandle icon) { delete icon; }

}  // namespace pictures
