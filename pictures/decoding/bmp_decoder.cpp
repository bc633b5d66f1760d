// Reads uncompressed Windows BMP (kind 2) with a 40-byte or longer information header (the later
// V4 and V5 headers included): 1, 4 and 8 bits with a colour table, 24 and 32 bits (the fourth byte
// ignored), rows bottom-up or, with a negative height, top-down. Refuses OS/2 core headers, every
// compression (RLE, bit fields), 16 bits and any other depth.
#include <cstdlib>
#include <vector>

#include "pictures/decoding/format_decoders.h"
#include "pictures/shared/picture_limits.h"

namespace pictures {
namespace {

constexpr uint32_t kInfoHeaderBytes = 40;
constexpr size_t kMaxColours = 256;

struct BmpHeader {
    uint32_t dataOffset;
    uint32_t infoSize;
    int64_t width;
    int64_t height;
    bool topDown;
    uint16_t bits;
    uint32_t compression;
    uint32_t coloursUsed;
};

struct Colour {
    uint8_t b, g, r;
};

// Unset entries, and indices beyond the table, are black.
struct ColourTable {
    Colour entries[kMaxColours] = {};
};

BmpHeader ReadHeader(rt::ByteReader& in)
{
    BmpHeader h{};
    in.skip(10);
    h.dataOffset = in.u32();
    h.infoSize = in.u32();
    int32_t width = in.i32();
    int32_t height = in.i32();
    in.u16();  // planes
    h.bits = in.u16();
    h.compression = in.u32();
    in.skip(12);  // image size, resolution
    h.coloursUsed = in.u32();
    in.u32();  // important colours
    h.width = std::llabs(width);
    h.height = std::llabs(height);
    h.topDown = height < 0;
    return h;
}

bool HeaderSupported(const BmpHeader& h)
{
    bool depthKnown = h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 24 || h.bits == 32;
    return h.infoSize >= kInfoHeaderBytes && h.compression == 0 && depthKnown &&
           PictureSizeAllowed(h.width, h.height, kMaxDecodedSide);
}

bool ReadColourTable(rt::ByteReader& in, const BmpHeader& h, ColourTable& table)
{
    uint64_t count = h.coloursUsed ? h.coloursUsed : uint64_t{1} << h.bits;
    if (count * 4 > in.remaining()) return false;
    for (uint64_t i = 0; i < count; ++i) {
        uint8_t entry[4];
        if (!in.bytes(entry, sizeof entry)) return false;
        if (i < kMaxColours) table.entries[i] = {entry[0], entry[1], entry[2]};
    }
    return true;
}

void ConvertIndexedRow(const uint8_t* row, const BmpHeader& h, const ColourTable& table, uint8_t* out)
{
    unsigned mask = (1u << h.bits) - 1;
    for (int64_t x = 0; x < h.width; ++x, out += 3) {
        uint64_t bit = static_cast<uint64_t>(x) * h.bits;
        unsigned shift = 8 - h.bits - static_cast<unsigned>(bit % 8);
        const Colour& c = table.entries[(row[bit / 8] >> shift) & mask];
        out[0] = c.b;
        out[1] = c.g;
        out[2] = c.r;
    }
}

void ConvertDirectRow(const uint8_t* row, const BmpHeader& h, uint8_t* out)
{
    size_t step = h.bits / 8;
    for (int64_t x = 0; x < h.width; ++x, row += step, out += 3) {
        out[0] = row[0];
        out[1] = row[1];
        out[2] = row[2];
    }
}

// Rows are padded to 4 bytes counted from the data offset. The data block holds B,G,R rows
// bottom-up, which is the file's order unless the height was negative.
OwnedPicture ReadPixels(rt::ByteReader& in, const BmpHeader& h, const ColourTable& table)
{
    uint64_t rowBytes = (static_cast<uint64_t>(h.width) * h.bits + 7) / 8;
    uint64_t paddedRow = (rowBytes + 3) / 4 * 4;
    if (paddedRow * static_cast<uint64_t>(h.height) > in.remaining()) return nullptr;
    uint64_t outRow = static_cast<uint64_t>(h.width) * 3;
    HeapBlock pixels = AllocateBlock(outRow * h.height);
    if (!pixels) return nullptr;

    std::vector<uint8_t> row(static_cast<size_t>(paddedRow));
    for (int64_t y = 0; y < h.height; ++y) {
        if (!in.bytes(row.data(), row.size())) return nullptr;
        int64_t target = h.topDown ? h.height - 1 - y : y;
        uint8_t* out = pixels.get() + static_cast<size_t>(target) * outRow;
        if (h.bits <= 8) {
            ConvertIndexedRow(row.data(), h, table, out);
        } else {
            ConvertDirectRow(row.data(), h, out);
        }
    }
    return MakePicture(PictureKind::kBmp, static_cast<int32_t>(h.width), static_cast<int32_t>(h.height),
                       std::move(pixels), static_cast<uint32_t>(outRow * h.height));
}

}  // namespace

OwnedPicture DecodeBmp(rt::ByteStream& stream)
{
    rt::ByteReader in(stream);
    if (!in.seek(0)) return nullptr;
    BmpHeader h = ReadHeader(in);
    if (!in.ok() || !HeaderSupported(h)) return nullptr;
    // The colour table and the pixels follow the whole information header, however long it is.
    if (!in.skip(h.infoSize - kInfoHeaderBytes)) return nullptr;
    ColourTable table;
    if (h.bits <= 8 && !ReadColourTable(in, h, table)) return nullptr;
    if (h.dataOffset < in.tell() || !in.skip(h.dataOffset - in.tell())) return nullptr;
    return ReadPixels(in, h, table);
}

}  // namespace pictures
