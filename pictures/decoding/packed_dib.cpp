#include "pictures/decoding/packed_dib.h"

namespace pictures {
namespace {

void Put16(uint8_t* p, uint16_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void Put32(uint8_t* p, uint32_t v)
{
    Put16(p, static_cast<uint16_t>(v));
    Put16(p + 2, static_cast<uint16_t>(v >> 16));
}

}  // namespace

PackedDib MakePackedDib(int32_t width, int32_t height)
{
    PackedDib dib;
    uint64_t pixelBytes = uint64_t{PackedDibRowBytes(width)} * static_cast<uint64_t>(height);
    dib.block = AllocateBlock(kDibPixelsOffset + pixelBytes);
    if (!dib.block) return dib;
    dib.size = static_cast<uint32_t>(kDibPixelsOffset + pixelBytes);
    uint8_t* h = dib.block.get();
    Put32(h, kDibHeaderBytes);
    Put32(h + 4, static_cast<uint32_t>(width));
    Put32(h + 8, static_cast<uint32_t>(-height));  // negative: rows top-down
    Put16(h + 12, 1);                              // planes
    Put16(h + 14, 8);                              // bits per pixel
    Put32(h + 20, static_cast<uint32_t>(pixelBytes));
    Put32(h + 32, kDibColours);  // colours used
    Put32(h + 36, kDibColours);  // colours important
    return dib;
}

}  // namespace pictures
