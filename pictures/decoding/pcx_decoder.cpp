// Reads run-length coded PCX of versions up to 5 (kinds 6 and 7): 8 bits in one plane with the
// 256-colour palette that follows the pixel data (a missing palette gives all-zero colours), and
// 1 bit in one plane as monochrome bits. Runs may continue from one scan line into the next.
// Refuses other depths and plane counts (4-plane EGA and 3-plane true colour among them), a scan
// line shorter than the width, truncated pixel data and sizes beyond the limits or beyond what the
// data can hold.
#include <algorithm>
#include <vector>

#include "pictures/decoding/format_decoders.h"
#include "pictures/decoding/packed_dib.h"
#include "pictures/shared/picture_limits.h"

namespace pictures {
namespace {

constexpr size_t kHeaderBytes = 128;
constexpr uint8_t kManufacturer = 0x0A;
constexpr uint8_t kMaxVersion = 5;
constexpr uint8_t kRunLengthEncoding = 1;
constexpr uint8_t kRunMarker = 0xC0;
constexpr uint8_t kPaletteMarker = 0x0C;
constexpr size_t kPaletteBytes = 256 * 3;

struct PcxHeader {
    int64_t width;
    int64_t height;
    uint8_t bits;
    uint8_t planes;
    uint16_t bytesPerLine;
};

uint16_t Word(std::span<const uint8_t> d, size_t at) { return static_cast<uint16_t>(d[at] | d[at + 1] << 8); }

bool ReadHeader(std::span<const uint8_t> d, PcxHeader& h)
{
    if (d.size() <= kHeaderBytes || d[0] != kManufacturer || d[1] > kMaxVersion || d[2] != kRunLengthEncoding) {
        return false;
    }
    uint16_t xMin = Word(d, 4), yMin = Word(d, 6), xMax = Word(d, 8), yMax = Word(d, 10);
    if (xMin > xMax || yMin > yMax) return false;
    h.width = int64_t{xMax} - xMin + 1;
    h.height = int64_t{yMax} - yMin + 1;
    h.bits = d[3];
    h.planes = d[65];
    h.bytesPerLine = Word(d, 66);
    return true;
}

// The scan line must cover the width: 1 byte per pixel at 8 bits, 1 bit per pixel at 1 bit.
int64_t StoredRowBytes(const PcxHeader& h) { return h.bits == 8 ? h.width : (h.width + 7) / 8; }

bool HeaderSupported(const PcxHeader& h, size_t dataBytes)
{
    if (h.planes != 1 || (h.bits != 1 && h.bits != 8)) return false;
    if (!PictureSizeAllowed(h.width, h.height, kMaxDecodedSide) || h.bytesPerLine < StoredRowBytes(h)) return false;
    // Every run pair gives at most 63 bytes; a single last byte gives one.
    uint64_t coded = dataBytes - kHeaderBytes;
    uint64_t mostDecoded = coded / 2 * kPcxMaxRunLength + coded % 2;
    return uint64_t{h.bytesPerLine} * static_cast<uint64_t>(h.height) <= mostDecoded;
}

class RunDecoder {
public:
    explicit RunDecoder(std::span<const uint8_t> data) : data_(data), position_(kHeaderBytes) {}

    // Decodes one scan line of line.size() bytes; false when the data ends first.
    bool ReadLine(std::vector<uint8_t>& line)
    {
        size_t filled = 0;
        while (filled < line.size()) {
            if (runLeft_ == 0 && !NextRun()) return false;
            size_t take = std::min(runLeft_, line.size() - filled);
            std::fill_n(line.begin() + static_cast<std::ptrdiff_t>(filled), take, runValue_);
            filled += take;
            runLeft_ -= take;
        }
        return true;
    }

    size_t position() const { return position_; }

private:
    bool NextRun()
    {
        if (position_ >= data_.size()) return false;
        uint8_t b = data_[position_++];
        runLeft_ = 1;
        runValue_ = b;
        if (b > kRunMarker) {
            if (position_ >= data_.size()) return false;
            runLeft_ = b - kRunMarker;
            runValue_ = data_[position_++];
        }
        return true;
    }

    std::span<const uint8_t> data_;
    size_t position_;
    size_t runLeft_ = 0;
    uint8_t runValue_ = 0;
};

// Rows of the packed DIB hold the width (padded to 4); bytes of the scan line past it are dropped.
OwnedPicture DecodePaletted(std::span<const uint8_t> d, const PcxHeader& h)
{
    auto width = static_cast<int32_t>(h.width);
    auto height = static_cast<int32_t>(h.height);
    PackedDib dib = MakePackedDib(width, height);
    if (!dib.block) return nullptr;
    RunDecoder runs(d);
    std::vector<uint8_t> line(h.bytesPerLine);
    for (int32_t y = 0; y < height; ++y) {
        if (!runs.ReadLine(line)) return nullptr;
        std::copy_n(line.begin(), width, dib.row(static_cast<uint32_t>(y), width));
    }
    size_t at = runs.position();
    if (at < d.size() && d[at] == kPaletteMarker && d.size() - at - 1 >= kPaletteBytes) {
        const uint8_t* rgb = d.data() + at + 1;
        for (uint32_t i = 0; i < kDibColours; ++i, rgb += 3) {
            uint8_t* entry = dib.colour(i);
            entry[0] = rgb[2];
            entry[1] = rgb[1];
            entry[2] = rgb[0];
        }
    }
    return MakePicture(PictureKind::kPcx8, width, height, std::move(dib.block), dib.size);
}

// Monochrome bits: rows padded to 2 bytes, bits past the width as the file has them.
OwnedPicture DecodeMonochrome(std::span<const uint8_t> d, const PcxHeader& h)
{
    auto stored = static_cast<size_t>(StoredRowBytes(h));
    size_t rowBytes = (stored + 1) / 2 * 2;
    HeapBlock bits = AllocateBlock(uint64_t{rowBytes} * static_cast<uint64_t>(h.height));
    if (!bits) return nullptr;
    RunDecoder runs(d);
    std::vector<uint8_t> line(h.bytesPerLine);
    for (int64_t y = 0; y < h.height; ++y) {
        if (!runs.ReadLine(line)) return nullptr;
        std::copy_n(line.begin(), stored, bits.get() + static_cast<size_t>(y) * rowBytes);
    }
    return MakePicture(PictureKind::kPcxMono, static_cast<int32_t>(h.width), static_cast<int32_t>(h.height),
                       std::move(bits), static_cast<uint32_t>(rowBytes * static_cast<size_t>(h.height)));
}

}  // namespace

OwnedPicture DecodePcx(std::span<const uint8_t> d)
{
    PcxHeader h{};
    if (!ReadHeader(d, h) || !HeaderSupported(h, d.size())) return nullptr;
    return h.bits == 8 ? DecodePaletted(d, h) : DecodeMonochrome(d, h);
}

}  // namespace pictures
