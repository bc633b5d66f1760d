// Reads ICO and CUR files (kinds 3 and 4): the directory chooses one entry, whose image data (a DIB
// with XOR and AND masks, or PNG as in newer icon files) becomes an icon through the platform. A
// cursor is made as an icon, without its hot spot. Refuses a bad directory, image data outside the
// file, a bitmap header shorter than BITMAPINFOHEADER or of a size beyond the limits, and data the
// platform does not take.
#include <cstring>
#include <vector>

#include "pictures/decoding/format_decoders.h"
#include "pictures/decoding/icon_platform.h"
#include "pictures/shared/picture_limits.h"

namespace pictures {
namespace {

constexpr uint16_t kTypeIcon = 1;
constexpr uint16_t kTypeCursor = 2;
constexpr uint8_t kPreferredWidth = 32;
constexpr uint8_t kPreferredMinColours = 16;
constexpr size_t kBitmapHeaderBytes = 40;
constexpr size_t kPngHeaderBytes = 24;
constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct IconEntry {
    uint8_t width;
    uint8_t colours;
    uint32_t imageSize;
    uint32_t imageOffset;
};

IconEntry ReadEntry(rt::ByteReader& in)
{
    IconEntry e{};
    e.width = in.u8();
    in.u8();  // height
    e.colours = in.u8();
    in.skip(5);  // reserved, planes, bit count
    e.imageSize = in.u32();
    e.imageOffset = in.u32();
    return e;
}

// The first 32-pixel entry with at least 16 colours, else the last entry.
bool ChooseEntry(rt::ByteReader& in, uint16_t count, IconEntry& chosen)
{
    for (uint16_t i = 0; i < count; ++i) {
        chosen = ReadEntry(in);
        if (!in.ok()) return false;
        if (chosen.width == kPreferredWidth && chosen.colours >= kPreferredMinColours) return true;
    }
    return true;
}

bool ReadImage(rt::ByteReader& in, const IconEntry& e, std::vector<uint8_t>& image)
{
    uint64_t end = uint64_t{e.imageOffset} + e.imageSize;
    if (e.imageSize < kPngHeaderBytes || e.imageSize > kMaxInMemoryFileBytes || end > in.tell() + in.remaining()) {
        return false;
    }
    image.resize(e.imageSize);
    return in.seek(e.imageOffset) && in.bytes(image.data(), image.size());
}

uint32_t Be32(const uint8_t* p) { return uint32_t{p[0]} << 24 | p[1] << 16 | p[2] << 8 | p[3]; }
uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24; }

// The size comes from the PNG header, or from the bitmap header, whose height covers both masks.
bool ReadImageInfo(const std::vector<uint8_t>& image, IconImageInfo& info)
{
    int64_t width = 0;
    int64_t height = 0;
    if (std::memcmp(image.data(), kPngSignature, sizeof kPngSignature) == 0) {
        width = Be32(image.data() + 16);
        height = Be32(image.data() + 20);
        info.bitCount = 0;
    } else {
        // The size fields are read as BITMAPINFOHEADER's: an older, shorter header would be misread.
        if (image.size() < kBitmapHeaderBytes || Le32(image.data()) < kBitmapHeaderBytes) return false;
        width = static_cast<int32_t>(Le32(image.data() + 4));
        height = static_cast<int32_t>(Le32(image.data() + 8)) / 2;
        info.bitCount = static_cast<uint16_t>(image[14] | image[15] << 8);
    }
    if (!PictureSizeAllowed(width, height, kMaxDecodedSide)) return false;
    info.width = static_cast<int32_t>(width);
    info.height = static_cast<int32_t>(height);
    return true;
}

}  // namespace

OwnedPicture DecodeIcon(rt::ByteStream& stream)
{
    rt::ByteReader in(stream);
    if (!in.seek(0)) return nullptr;
    uint16_t reserved = in.u16();
    uint16_t type = in.u16();
    uint16_t count = in.u16();
    if (!in.ok() || reserved != 0 || (type != kTypeIcon && type != kTypeCursor) || count == 0) return nullptr;

    IconEntry entry{};
    std::vector<uint8_t> image;
    IconImageInfo info{};
    if (!ChooseEntry(in, count, entry) || !ReadImage(in, entry, image) || !ReadImageInfo(image, info)) {
        return nullptr;
    }
    OwnedIcon icon = CreateIconFromImage(image, info);
    if (!icon) return nullptr;
    PictureKind kind = type == kTypeIcon ? PictureKind::kIcon : PictureKind::kCursor;
    return MakeIconPicture(kind, info.width, info.height, std::move(icon));
}

}  // namespace pictures
