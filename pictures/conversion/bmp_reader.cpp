// Reads BMP files ("BM", or "BA" as the signature) with the 12-byte core header or an information
// header of any later size: uncompressed 24 bits per pixel, bottom-up or top-down (negative
// height). Refuses every other depth (1, 4, 8, 16, 32 bits), RLE and bit-field compression, widths
// below 1, a height of 0, pictures beyond the picture limits, and headers that do not fit between
// the file header and the data offset. A file too short to hold every row fails the read before
// any pixel buffer is made.
#include <cstdint>
#include <optional>
#include <vector>

#include "pictures/conversion/source_reader.h"
#include "pictures/shared/picture_limits.h"
#include "runtime/byte_stream.h"

namespace pictures {
namespace {

constexpr uint64_t kFileHeaderBytes = 14;
constexpr uint32_t kCoreHeaderBytes = 12;
// Size field, width, height, planes, bit count and compression of the information header.
constexpr uint64_t kInfoFieldBytes = 20;

struct BmpLayout {
    uint64_t dataOffset = 0;
    int64_t width = 0;
    int64_t height = 0;  // negative: rows stored top-down
    unsigned bitCount = 0;
    uint32_t compression = 0;
};

// Reads the fields after the size field of the header; false when they do not fit before the data.
bool ReadHeaderFields(rt::ByteReader& in, uint32_t headerSize, uint64_t headerBytes, BmpLayout& layout)
{
    if (headerSize == kCoreHeaderBytes) {
        if (headerBytes < kCoreHeaderBytes) {
            return false;
        }
        layout.width = in.u16();
        layout.height = in.u16();
        in.u16();
        layout.bitCount = in.u16();
        return in.ok();
    }
    if (headerBytes < kInfoFieldBytes) {
        return false;
    }
    layout.width = in.i32();
    layout.height = in.i32();
    in.u16();
    layout.bitCount = in.u16();
    layout.compression = in.u32();
    if (layout.compression == 1) {
        layout.bitCount = 8;
    } else if (layout.compression == 2) {
        layout.bitCount = 4;
    }
    return in.ok() && layout.compression <= 3;
}

bool ReadLayout(rt::ByteStream& stream, BmpLayout& layout)
{
    rt::ByteReader in(stream);
    uint8_t b = in.u8();
    uint8_t m = in.u8();
    in.skip(8);
    layout.dataOffset = in.u32();
    if (!in.ok() || b != 'B' || (m != 'M' && m != 'A') || layout.dataOffset < kFileHeaderBytes + 4 ||
        layout.dataOffset > stream.size()) {
        return false;
    }
    uint32_t headerSize = in.u32();
    return ReadHeaderFields(in, headerSize, layout.dataOffset - kFileHeaderBytes, layout);
}

uint64_t StoredRowBytes(int64_t width) { return (static_cast<uint64_t>(width) * 24 + 31) / 32 * 4; }

class BmpReader final : public SourceReader {
public:
    bool open(std::span<const uint8_t> source) override
    {
        stream_.emplace(source.data(), source.size());
        if (!ReadLayout(*stream_, layout_)) {
            return false;
        }
        int64_t rows = layout_.height < 0 ? -layout_.height : layout_.height;
        return layout_.bitCount == 24 && layout_.compression == 0 &&
               PictureSizeAllowed(layout_.width, rows, kMaxConvertedSide);
    }

    bool read(ConversionImage& image) override
    {
        auto width = static_cast<uint32_t>(layout_.width);
        bool bottomUp = layout_.height > 0;
        auto rows = static_cast<uint32_t>(bottomUp ? layout_.height : -layout_.height);
        uint64_t rowBytes = StoredRowBytes(layout_.width);
        if (layout_.dataOffset + rowBytes * rows > stream_->size() || !image.allocate(width, rows, 24)) {
            return false;
        }
        rt::ByteReader in(*stream_);
        in.seek(layout_.dataOffset);
        std::vector<uint8_t> stored(static_cast<size_t>(rowBytes));
        for (uint32_t i = 0; i < rows && in.bytes(stored.data(), stored.size()); ++i) {
            uint8_t* out = image.row(bottomUp ? rows - 1 - i : i);
            for (uint32_t x = 0; x < width; ++x) {
                out[3 * x] = stored[3 * x + 2];
                out[3 * x + 1] = stored[3 * x + 1];
                out[3 * x + 2] = stored[3 * x];
            }
        }
        return in.ok();
    }

private:
    std::optional<rt::MemoryStream> stream_;
    BmpLayout layout_;
};

}  // namespace

std::unique_ptr<SourceReader> MakeBmpReader() { return std::make_unique<BmpReader>(); }

}  // namespace pictures
